// Figures of the page in headless chromium (not tests: nothing here passes or fails), and its
// screenshot. Run after tools/web.sh, which builds build-web/ and installs puppeteer-core:
//
//   node bench/web_page.js figures [runs]       transfer size, start-up, calculate, CSV rows/s
//   node bench/web_page.js screenshot <png>     the page after one calculation, details open
//   node bench/web_page.js phone <png>          the same on a 390 x 844 phone, by touch
'use strict';

const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { createRequire } = require('node:module');

const root = path.join(__dirname, '..');
const testsRequire = createRequire(path.join(root, 'tests/web/package.json'));
const puppeteer = testsRequire('puppeteer-core');
const { serve } = require(path.join(root, 'tests/web/serve.js'));
const site = path.join(root, 'build-web/site');

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function launch() {
  return puppeteer.launch({ executablePath: process.env.CHROMIUM || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu'], defaultViewport: { width: 1120, height: 720 } });
}

async function figures(runs) {
  const server = await serve(site);
  const browser = await launch();
  try {
    // Everything the page loads, gzip-compressed as a server would send it.
    const page = await browser.newPage();
    const loaded = [];
    page.on('requestfinished', (request) => {
      const url = new URL(request.url());
      if (url.protocol === 'http:') loaded.push(url.pathname.slice(1)); // data: travels inside
    });
    await page.goto(server.url + 'index.html');
    await page.evaluate(() => window.coilwind.ready);
    let total = 0;
    for (const name of loaded) {
      const bytes = zlib.gzipSync(fs.readFileSync(path.join(site, name || 'index.html')), { level: 9 }).length;
      total += bytes;
      console.log(`  ${name || 'index.html'}: ${(bytes / 1024).toFixed(1)} KB gzip`);
    }
    console.log(`transfer at load: ${(total / 1024).toFixed(1)} KB gzip`);
    await page.close();

    // Navigation to the start-up texts shown, and calculate to the results painted.
    for (const [name, address] of [['site', server.url + 'index.html'],
      ['single file', 'file://' + path.join(root, 'build-web/coilwind.html')]]) {
      const startups = [];
      const calculations = [];
      const layouts = [];
      for (let run = 0; run < runs; run++) {
        const tab = await browser.newPage();
        await tab.goto(address);
        await tab.evaluate(() => window.coilwind.ready);
        startups.push(await tab.evaluate(() => performance.getEntriesByName('coilwind-ready')[0].startTime));
        for (let click = 0; click < 5; click++) {
          await tab.click('#Command1');
          await tab.waitForFunction((n) => performance.getEntriesByName('coilwind-calculate-painted').length > n,
            {}, click);
        }
        const [laidOut, painted] = await tab.evaluate(() => ['laid-out', 'painted'].map((name) =>
          performance.getEntriesByName('coilwind-calculate-' + name).map((entry) => entry.duration)));
        calculations.push(...painted.slice(1)); // the first click warms up
        layouts.push(...laidOut.slice(1));
        await tab.close();
      }
      console.log(`${name}: navigation to start-up texts ${median(startups).toFixed(1)} ms (median of ${runs}); ` +
        `calculate click to results laid out ${median(layouts).toFixed(2)} ms, ` +
        `to the next frame painted ${median(calculations).toFixed(2)} ms`);
    }

    // CSV through the worker: generated drum and rod designs.
    const tab = await browser.newPage();
    await tab.goto(server.url + 'index.html');
    await tab.evaluate(() => window.coilwind.ready);
    for (const rows of [10000, 100000, 1000000]) {
      const result = await tab.evaluate(async (count) => {
        const lines = ['model,core,A,B,D,F,mu,L\n'];
        for (let i = 0; i < count; i++) {
          lines.push(i % 2 ? `R${i},R CORE,8,3.5,10,6.3,${400 + (i % 300)},4.7\n`
            : `KQ${i},KQ CORE,8,3.5,10,6.3,${300 + (i % 500)},${(1 + (i % 97) / 10).toFixed(1)}\n`);
        }
        const input = new Blob(lines);
        const started = performance.now();
        const done = await window.coilwind.runCsvDetailed(input, []);
        return { seconds: (performance.now() - started) / 1000, heap: done.heapBytes, out: done.output.size };
      }, rows);
      console.log(`CSV ${rows} rows: ${result.seconds.toFixed(2)} s, ${Math.round(rows / result.seconds)} rows/s, ` +
        `module memory ${(result.heap / 1048576).toFixed(0)} MiB, output ${(result.out / 1048576).toFixed(1)} MiB`);
    }
  } finally {
    await browser.close();
    server.close();
  }
}

async function screenshot(file) {
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.goto('file://' + path.join(root, 'build-web/coilwind.html'));
    await page.evaluate(() => window.coilwind.ready);
    await page.click('#Command1');
    await page.keyboard.press('F2');
    const box = await page.$eval('#desktop', (element) => {
      const r = element.getBoundingClientRect();
      return { x: 0, y: 0, width: Math.ceil(r.right + 12), height: Math.ceil(Math.max(r.bottom, 
        document.getElementById('toolbar').getBoundingClientRect().bottom) + 12) };
    });
    await page.screenshot({ path: file, clip: box });
  } finally {
    await browser.close();
  }
}

async function phoneScreenshot(file) {
  const browser = await launch();
  try {
    const page = await browser.newPage();
    await page.setViewport({ width: 390, height: 844, hasTouch: true, isMobile: true });
    await page.goto('file://' + path.join(root, 'build-web/coilwind.html'));
    await page.evaluate(() => window.coilwind.ready);
    await page.tap('#Command1');
    await page.tap('#details-toggle');
    await page.screenshot({ path: file });
  } finally {
    await browser.close();
  }
}

const [command, argument] = process.argv.slice(2);
if (command === 'figures') figures(Number(argument) || 11);
else if (command === 'screenshot' && argument) screenshot(argument);
else if (command === 'phone' && argument) phoneScreenshot(argument);
else {
  console.error('usage: node bench/web_page.js figures [runs] | screenshot <png> | phone <png>');
  process.exit(2);
}
