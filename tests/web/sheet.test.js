// The design sheet from both front ends: the desktop's `coilwind --sheet` and the page printed by
// chromium (the browser's Save as PDF) carry the same text. Both PDFs go through poppler's
// pdftotext and are compared line by line, layout whitespace and the date aside. tools/web.sh runs
// it with COILWIND_WEB_BUILD (build-web/) and COILWIND_DESKTOP (the native coilwind).
'use strict';

const { test } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const { serve } = require('./serve');

const build = process.env.COILWIND_WEB_BUILD;
const desktop = process.env.COILWIND_DESKTOP;
const design = path.join(__dirname, 'desktop.coilwind');

// The lines of a PDF's text, each with its runs of blanks made one, the date made DATE.
function pdfLines(file) {
  assert.match(execFileSync('pdfinfo', [file], { encoding: 'utf8' }), /^Pages:\s+1$/m);
  return execFileSync('pdftotext', ['-layout', file, '-'], { encoding: 'utf8' })
    .replace(/\d{4}-\d\d-\d\d \d\d:\d\d/g, 'DATE')
    .split(/[\n\f]/).map((line) => line.replace(/\s+/g, ' ').trim()).filter(Boolean);
}

test('the page prints the same one-page design sheet as the desktop', async (t) => {
  if (!desktop || !fs.existsSync(desktop)) {
    t.skip('COILWIND_DESKTOP (the native coilwind) is not given');
    return;
  }
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'coilwind-sheet-'));
  const desktopPdf = path.join(folder, 'desktop.pdf');
  const pagePdf = path.join(folder, 'page.pdf');
  execFileSync(desktop, ['--sheet', desktopPdf, design], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });

  const server = await serve(path.join(build, 'site'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu'],
  });
  try {
    const page = await browser.newPage();
    const problems = [];
    page.on('pageerror', (error) => problems.push(String(error)));
    await page.goto(server.url + 'index.html', { waitUntil: 'load' });
    await page.evaluate(async (text) => {
      await window.coilwind.ready;
      await window.coilwind.openDesign(text);
    }, fs.readFileSync(design, 'utf8'));
    // What the browser's print does: the page's own beforeprint fills the sheet.
    fs.writeFileSync(pagePdf, await page.pdf({ format: 'A4' }));
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    server.close();
  }

  const fromDesktop = pdfLines(desktopPdf);
  const fromPage = pdfLines(pagePdf);
  assert.ok(fromDesktop.some((line) => line.startsWith('DATE · coilwind ')), fromDesktop.join('\n'));
  // Every line of each, drawing labels included, in the other's text; a line the page wrapped
  // is found in its text with the line breaks made blanks.
  const flat = (lines) => ' ' + lines.join(' ') + ' ';
  for (const [lines, other, name] of [[fromDesktop, fromPage, 'page'], [fromPage, fromDesktop, 'desktop']]) {
    const missing = lines.filter((line) => !flat(other).includes(' ' + line + ' '));
    assert.deepEqual(missing, [], `not in the ${name}'s sheet`);
  }
});
