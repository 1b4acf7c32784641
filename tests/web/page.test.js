// The page in Debian's chromium, headless, driven by puppeteer-core: served from 127.0.0.1 (the
// site folder) and opened from the file system (the single file), each behaving as the desktop
// window does. tools/web.sh runs it with COILWIND_WEB_BUILD (build-web/) and COILWIND_BATCH (the
// native coilwind-batch, whose bytes the page's CSV run must match).
'use strict';

const { after, before, describe, test } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const puppeteer = require('puppeteer-core');
const { serve } = require('./serve');

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const build = process.env.COILWIND_WEB_BUILD;
const nativeBatch = process.env.COILWIND_BATCH;
const STARTUP = { 0: 'KQ8*10', 1: '8', 2: '3.5', 3: '', 4: '10', 5: '', 6: '6.3', 7: '', 8: '', 9: '\\',
  17: '500', 18: '', 19: '4.7', 20: '', 21: '', 23: '', 24: '' };
// The desktop window's Tab order, then the page's own stops: its three links, which the
// desktop's Tab passes by.
const TAB_ORDER = ['Command1', 'Option1', 'CORETYPE', ...[20, 21, 23, 24, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 17, 18, 19]
  .map((i) => 'Text1_' + i), 'Command2', 'Label1', 'Label2', 'Label4'];
const DESKTOP = { width: 1280, height: 900 };
const PHONE = { width: 390, height: 844, hasTouch: true, isMobile: true };
const DRUM = { 18: '41.7', 20: '10.6', 21: '0.761', 23: '0.0075', 24: '0.779\n\r' };
const ROD = { 18: '902.2', 20: '2.3', 21: '1.323', 23: '0.0008', 24: '0.710\n\r' };

let browser;
let server;
before(async () => {
  server = await serve(path.join(build, 'site'));
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--lang=zh-CN'],
  });
});
after(async () => {
  await browser?.close();
  server?.close();
});

const targets = [
  ['the site from 127.0.0.1', () => server.url + 'index.html'],
  ['the single file over file://', () => pathToFileURL(path.join(build, 'coilwind.html')).href],
];

for (const [name, address] of targets) {
  describe(name, () => {
    let page;
    let requestsAfterLoad;
    let problems;
    async function open(viewport = DESKTOP, suffix = '') { // suffix: a query or a fragment
      if (page) {
        assert.deepEqual(problems, []);
        await page.close();
      }
      page = await browser.newPage();
      await page.setViewport(viewport);
      problems = [];
      page.on('pageerror', (error) => problems.push(String(error)));
      page.on('console', (message) => message.type() === 'error' && problems.push(message.text()));
      page.on('request', (request) => {
        const url = request.url();
        if (requestsAfterLoad && !url.startsWith('blob:') && !url.startsWith('data:')) requestsAfterLoad.push(url);
      });
      requestsAfterLoad = null;
      await page.goto(address() + suffix, { waitUntil: 'load' });
      await page.evaluate(() => window.coilwind.ready);
      requestsAfterLoad = [];
    }
    const texts = () => page.evaluate((indexes) => Object.fromEntries(indexes.map(
      (i) => [i, window.coilwind.fieldText(Number(i))])), Object.keys(STARTUP));
    const focused = () => page.evaluate(() => {
      const element = document.activeElement;
      return { id: element.id, selected: element.value !== undefined &&
        element.selectionStart === 0 && element.selectionEnd === element.value.length };
    });
    const click = (id) => page.click('#' + id);
    async function typeCoreType(text) {
      await page.click('#CORETYPE', { clickCount: 3 });
      await page.keyboard.press('Backspace');
      await page.type('#CORETYPE', text);
    }

    after(async () => {
      assert.deepEqual(problems, []);
      await page.close();
    });

    test('start-up texts, the focus on the calculate button, every control at its place', async () => {
      await open();
      assert.deepEqual(await texts(), STARTUP);
      assert.equal((await focused()).id, 'Command1');
      const boxes = await page.evaluate(() => Object.fromEntries(['Command1', 'Text1_18', 'Frame3', 'fig'].map(
        (id) => { const r = document.getElementById(id).getBoundingClientRect(); return [id, [r.width, r.height]]; })));
      assert.deepEqual(boxes.Command1, [65, 25]); // 975 x 375 twips
      assert.deepEqual(boxes.Text1_18, [57, 18]);
      assert.deepEqual(boxes.Frame3, [417, 89]);
    });

    test('?lang=en: the window, the details and the page in English; the browser\'s language has no say', async () => {
      await open(DESKTOP, '?lang=en');
      await page.keyboard.press('Enter');
      await page.keyboard.press('F2');
      const shown = await page.evaluate(() => {
        const chinese = /[\u2e80-\u9fff\uff00-\uffef]/;
        const texts = [...document.querySelectorAll('body *')]
          .filter((element) => !['SCRIPT', 'STYLE', 'OPTION'].includes(element.tagName))
          .flatMap((element) => [element.title, element.getAttribute('aria-label') || '',
            ...[...element.childNodes].filter((node) => node.nodeType === Node.TEXT_NODE).map((node) => node.data)]);
        return { lang: document.documentElement.lang, title: document.title,
          calculate: document.getElementById('Command1').textContent,
          status: document.getElementById('calculationStatus').textContent,
          chinese: texts.filter((text) => chinese.test(text)) };
      });
      assert.deepEqual(shown.chinese, []);
      assert.equal(shown.lang, 'en');
      assert.equal(shown.calculate, 'Calculate');
      assert.match(shown.status, /^Calculation completed: Calculate button/);
      assert.deepEqual(await texts(), { ...STARTUP, ...DRUM });
      // Back to the window's own texts through the page's choice.
      await Promise.all([page.waitForNavigation(), page.select('#language', 'zh')]);
      await page.evaluate(() => window.coilwind.ready);
      assert.equal(await page.$eval('#Command1', (button) => button.textContent), '计算');
      await open();
      assert.equal(await page.$eval('#copy', (button) => button.textContent), '复制');
    });

    test('calculate, drum core then rod core; Enter right after start-up calculates too', async () => {
      await open();
      await page.keyboard.press('Enter');
      assert.deepEqual(await texts(), { ...STARTUP, ...DRUM });
      const summary = await page.$eval('#Frame3', (frame) => frame.title);
      assert.match(summary, /^.*10\.6.*\n.*4\.7.*\n.*KQ8\*10.*KQ CORE.*\nF2: 绕线详情/);
      await typeCoreType('R CORE');
      await click('Command1');
      assert.deepEqual(await texts(), { ...STARTUP, ...ROD });
    });

    test('the Enter walk: each step writes its results and moves the focus, selecting', async () => {
      await open();
      await click('Text1_17');
      assert.deepEqual(await focused(), { id: 'Text1_17', selected: true }); // a click selects too
      const walk = [
        [{ 18: DRUM[18] }, 'Text1_18'],
        [{}, 'Text1_19'],
        [{ 20: DRUM[20], 21: DRUM[21] }, 'Text1_20'],
        [{}, 'Text1_21'],
        [{ 23: DRUM[23], 24: DRUM[24] }, 'Text1_21'], // no field 22: the focus stays
      ];
      let expected = { ...STARTUP };
      for (const [written, next] of walk) {
        await page.keyboard.press('Enter');
        expected = { ...expected, ...written };
        assert.deepEqual(await texts(), expected);
        assert.deepEqual(await focused(), { id: next, selected: true });
      }
    });

    // The ring: an outline, else a box shadow, else the background the focus gave the control.
    const focusRing = () => page.evaluate(() => {
      const element = document.activeElement;
      const style = getComputedStyle(element);
      const box = element.getBoundingClientRect();
      const window_ = document.getElementById('Form1').getBoundingClientRect();
      const ring = style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) >= 2 ? style.outlineColor
        : style.boxShadow !== 'none' ? style.boxShadow.match(/rgba?\([^)]*\)/)[0] : style.backgroundColor;
      return { ring, shown: box.width >= 8 && box.height >= 8 && box.left >= window_.left && box.top >= window_.top };
    });
    const luminance = (color) => {
      const [r, g, b] = color.match(/\d+(\.\d+)?/g).slice(0, 3).map((v) => Number(v) / 255)
        .map((v) => (v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4));
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const contrast = (a, b) => {
      const [light, dark] = [luminance(a), luminance(b)].sort((x, y) => y - x);
      return (light + 0.05) / (dark + 0.05);
    };

    test('Tab follows the window\'s tab order without a positive tabindex; every stop shows a ring', async () => {
      await open();
      assert.deepEqual(await page.$$eval('*', (all) => all.filter((e) => e.tabIndex > 0).map((e) => e.id)), []);
      assert.equal((await focused()).id, TAB_ORDER[0]);
      for (const id of TAB_ORDER.slice(1)) {
        await page.keyboard.press('Tab');
        const now = await focused();
        assert.equal(now.id, id);
        if (id.startsWith('Text1_') && id !== 'Text1_3') assert.ok(now.selected, id);
        // Seen at 3:1 against the window and the core-size frame; the zero-width button too.
        const { ring, shown } = await focusRing();
        assert.ok(shown, id);
        for (const around of ['rgb(239, 239, 239)', 'rgb(221, 221, 221)']) assert.ok(contrast(ring, around) >= 3, `${id}: ${ring}`);
      }
      await page.keyboard.press('Tab');
      assert.equal((await focused()).id, 'details-toggle');
      for (let i = 0; i < 5; i++) {
        await page.keyboard.down('Shift');
        await page.keyboard.press('Tab');
        await page.keyboard.up('Shift');
      }
      assert.deepEqual(await focused(), { id: 'Text1_19', selected: true });
    });

    test('captions name their fields, in reading order; the help is English and described', async () => {
      await open();
      const tree = await page.accessibility.snapshot();
      const boxes = [];
      (function walk(node) {
        if (node.role === 'textbox') boxes.push(node);
        for (const child of node.children || []) walk(child);
      })(tree);
      assert.deepEqual(boxes.map((box) => box.name), ['圈数', '最大线径(mm)', 'DCR-max. (Ω)', '铜重(g)', '规格型号',
        '外径A', '中柱B', 'C', '长D', 'E', '幅宽F', '针长', '针距', '厂家', '磁导率Ue', 'AL (nH/N2)', '电感量 (uH)']);
      assert.match(boxes.find((box) => box.name === '磁导率Ue').description, /permeability/);
      const languages = await page.evaluate(() => {
        const help = document.getElementById(document.getElementById('Text1_17').getAttribute('aria-describedby'));
        const gloss = [...document.querySelectorAll('#details h2 [lang]')].map((e) => e.textContent + ':' + e.lang);
        return { help: help.closest('[lang]').lang, gloss, page: document.documentElement.lang };
      });
      assert.deepEqual(languages, { help: 'en', gloss: ['(winding details):en'], page: 'zh-Hans' });
      assert.equal(await page.$$eval('h1', (headings) => headings.map((h) => h.textContent).join()),
        await page.title());
    });

    test('the field help and the summary by keyboard and by touch; Esc puts the tip away', async () => {
      const tip = () => page.$eval('#tip', (element) => (element.hidden ? '' : element.textContent));
      await open();
      await page.click('#Text1_17'); // a mouse has the tooltips: no tip
      assert.equal(await tip(), '');
      await page.keyboard.press('Enter');
      assert.match(await tip(), /^AL: inductance factor/);
      await page.keyboard.press('Escape');
      assert.equal(await tip(), '');
      await click('Command1');
      await page.focus('#Text1_21');
      await page.keyboard.down('Shift');
      await page.keyboard.press('Tab');
      await page.keyboard.up('Shift');
      assert.match(await tip(), /^Number of turns[^]*TURNS=10\.6Ts {4}WIRE=0\.761mm/);
      assert.deepEqual(await page.$$eval('#tip p', (parts) => parts.map((p) => p.lang)), ['en', 'en']);
      // A touch on the result frame's own surface shows the summary where it was touched.
      await open(PHONE);
      await page.tap('#Command1');
      await page.tap('#Text1_17'); // a finger on a field: its help
      assert.match(await tip(), /^Relative permeability Ue of the core material/);
      const corner = await page.$eval('#Frame3', (element) => {
        const box = element.getBoundingClientRect();
        return { x: box.right - 4, y: box.bottom - 4 };
      });
      await page.touchscreen.tap(corner.x, corner.y);
      assert.match(await tip(), /^TURNS=10\.6Ts/);
      assert.ok(await page.$eval('#tip', (element) => element.getBoundingClientRect().right <= innerWidth));
      await page.tap('#fig');
      assert.equal(await tip(), '');
    });

    test('Esc in the details, and in the menu, gives the focus back to where it came from', async () => {
      await open();
      const ways = [
        ['F2 in a field', async () => {
          await page.click('#Text1_19');
          await page.keyboard.press('End'); // the caret after the text, nothing selected
          await page.keyboard.press('F2');
        }, { id: 'Text1_19', selected: false }],
        ['the toolbar button', async () => {
          await page.focus('#details-toggle');
          await page.keyboard.press('Enter');
        }, { id: 'details-toggle', selected: false }],
        ['the window\'s menu', async () => {
          await page.focus('#Command1');
          await page.click('#fig', { button: 'right' });
          await page.keyboard.press('Enter');
        }, { id: 'Command1', selected: false }],
      ];
      for (const [way, openDetails, opener] of ways) {
        await openDetails();
        assert.equal(await page.$eval('#details', (panel) => !panel.hidden && panel.contains(document.activeElement)),
          true, way);
        await page.keyboard.press('Escape');
        assert.equal(await page.$eval('#details', (panel) => panel.hidden), true, way);
        assert.deepEqual(await focused(), opener, way);
      }
      await page.click('#fig', { button: 'right' });
      await page.keyboard.press('Escape');
      assert.equal((await focused()).id, 'Command1');
    });

    test('axe finds nothing serious, the details closed and open, on a desktop and on a phone', async () => {
      for (const viewport of [DESKTOP, PHONE]) {
        await open(viewport);
        await page.evaluate(axeSource);
        await page.$eval('#csv-progress', (bar) => { bar.hidden = false; }); // as while a table runs
        const named = [];
        (function walk(node) {
          if (node.role === 'progressbar') named.push(node.name);
          for (const child of node.children || []) walk(child);
        })(await page.accessibility.snapshot());
        assert.deepEqual(named, ['CSV 进度 (progress)']);
        for (const state of ['closed', 'open']) {
          if (state === 'open') {
            await click('Command1');
            await page.keyboard.press('F2');
            await page.click('#temperature', { clickCount: 3 });
            await page.keyboard.type('-300'); // a refused setting, in its colours
          }
          const { violations } = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'] }));
          const serious = violations.filter((v) => ['serious', 'critical'].includes(v.impact))
            .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
          assert.deepEqual(serious, [], `${viewport.width} px, details ${state}`);
        }
      }
      // Over the window's drawn frames axe cannot tell the background, and says so: measured here.
      const texts = await page.$$eval('#Form1 *', (all) => all.filter((e) => e instanceof HTMLInputElement ||
        [...e.childNodes].some((node) => node.nodeType === Node.TEXT_NODE && node.data.trim())).map((e) => {
        let under = e;
        while (getComputedStyle(under).backgroundColor === 'rgba(0, 0, 0, 0)') under = under.parentElement;
        return [e.id || e.parentElement.id, getComputedStyle(e).color, getComputedStyle(under).backgroundColor];
      }));
      assert.ok(texts.length > 40);
      for (const [id, color, background] of texts) assert.ok(contrast(color, background) >= 4.5, `${id}: ${color} on ${background}`);
    });

    test('on a phone the whole window shows, scaled to the width, and the details open below it', async () => {
      await open(PHONE);
      const onScreen = (selector) => page.$eval(selector, (element) => {
        const box = element.getBoundingClientRect();
        return { left: box.left >= 0, right: box.right <= innerWidth, top: box.top >= 0, bottom: box.bottom <= innerHeight };
      });
      const all = { left: true, right: true, top: true, bottom: true };
      assert.deepEqual(await onScreen('#Form1'), all);
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), 'no sideways scrolling');
      await page.tap('#details-toggle');
      await page.keyboard.press('Escape'); // ... and back, then open them for good
      await page.tap('#details-toggle');
      assert.equal(await page.evaluate(() => document.activeElement.closest('#details') !== null), true);
      assert.deepEqual(await onScreen(':focus'), all);
      const [window_, panel] = await page.$$eval('#Form1, #details', (boxes) => boxes.map((b) => b.getBoundingClientRect().toJSON()));
      assert.ok(panel.top >= window_.bottom && panel.left >= 0 && panel.right <= PHONE.width, JSON.stringify(panel));
      assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), 'no sideways scrolling');
    });

    test('a faulting design writes nothing past the fault; a typed edit keeps the hidden line ends', async () => {
      await open();
      await page.click('#Text1_17', { clickCount: 3 });
      await page.keyboard.type('0');
      await click('Command1');
      assert.deepEqual(await texts(), { ...STARTUP, 17: '0', 18: '0.0' }); // turns: division by zero
      await page.click('#Text1_17', { clickCount: 3 });
      await page.keyboard.type('500');
      await click('Command1');
      await page.focus('#Text1_24');
      await page.keyboard.press('End');
      await page.keyboard.press('Backspace');
      assert.equal(await page.evaluate(() => window.coilwind.fieldText(24)), '0.77\n\r');
    });

    test('the picture rule: CORE / INDUCTANCE and the typed core type choose the picture', async () => {
      await open();
      const picture = () => page.$eval('#fig', (image) => image.dataset.picture);
      const steps = [
        [() => click('Option2'), 'KQ'],
        [() => typeCoreType('R CORE'), 'R'],
        [() => click('Option1'), 'RC'],
        [() => typeCoreType('r core'), 'KQCORE'], // only the exact list text means the rod core
      ];
      assert.equal(await picture(), 'KQCORE');
      for (const [step, expected] of steps) {
        await step();
        assert.equal(await picture(), expected);
      }
      assert.ok(await page.$eval('#fig', (image) => image.complete && image.naturalWidth > 0));
    });

    test('the field help follows the typed core type; captions name the fields', async () => {
      await open();
      const help = () => page.$eval('#Text1_1', (field) =>
        document.getElementById(field.getAttribute('aria-describedby')).textContent);
      const drum = await help();
      await typeCoreType('R CORE');
      const rod = await help();
      assert.notEqual(drum, rod);
      assert.equal(await page.$eval('#Label3_1', (label) => label.title), rod);
      assert.equal(await page.$eval('#Label3_1', (label) => label.htmlFor), 'Text1_1');
    });

    test('links open the address in a new tab on a primary click only', async () => {
      await open();
      const opened = [];
      const listener = (target) => opened.push(target.url());
      browser.on('targetcreated', listener);
      await page.click('#Label2', { button: 'right' });
      await page.keyboard.press('Escape');
      await page.click('#Label2');
      await browser.waitForTarget((target) => opened.includes(target.url()), { timeout: 10000 });
      await new Promise((resolve) => setTimeout(resolve, 200)); // time for a second one to show
      browser.off('targetcreated', listener);
      assert.equal(opened.length, 1);
      for (const target of await browser.pages()) if (target !== page) await target.close();
    });

    test('the winding details for the start-up design: F2, the figures, the drawing, Copy\'s text', async () => {
      await open();
      await click('Command1');
      await page.keyboard.press('F2');
      const figure = (key) => page.$eval('#detail-' + key, (output) => output.textContent);
      const expected = { 'whole-turns': '11', 'standard-wire': '0.630 mm', 'per-layer': '9', layers: '2',
        build: '1.358', fits: '是 (yes)', 'l-range': '3.784 – 6.307' };
      for (const [key, value] of Object.entries(expected)) assert.equal(await figure(key), value, key);
      assert.equal(await page.$$eval('#details-section circle', (turns) => turns.length), 11);
      const report = await page.evaluate(() => window.coilwind.detailsText());
      assert.match(report, /0\.630 mm/);
      assert.match(report, /KQ8\*10/);
      // A value typed but not entered: the details keep the calculation's inputs and say what
      // changed since; a setting out of its range is refused and says why.
      await page.click('#Text1_19', { clickCount: 3 });
      await page.keyboard.type('10');
      assert.equal(await figure('wanted'), '4.7');
      assert.match(await page.$eval('#changedInputs', (p) => (p.hidden ? '' : p.textContent)), /10/);
      await page.click('#temperature', { clickCount: 3 });
      await page.keyboard.type('-300');
      assert.match(await page.$eval('#settingsMessage', (p) => (p.hidden ? '' : p.textContent)), /-300/);
      assert.equal(await page.$eval('#temperature', (input) => input.className), 'refused');
      const refused = await page.$eval('#temperature', (input) => [input.getAttribute('aria-invalid'),
        document.getElementById(input.getAttribute('aria-describedby'))?.textContent]);
      assert.equal(refused[0], 'true');
      assert.match(refused[1], /-300/);
      await page.type('#measured', '5');
      await page.type('#testTurns', '10');
      await click('useAsAl');
      assert.equal(await page.evaluate(() => window.coilwind.fieldText(18)), '50.0');
      assert.deepEqual(requestsAfterLoad, []);
    });

    test('the drum\'s second opinion: its AL with the band, the warning, and its AL into field 18', async () => {
      await open();
      await click('Command1');
      await page.keyboard.press('F2');
      assert.equal(await page.$eval('#shapeOpinion', (fieldset) => fieldset.hidden), false);
      assert.match(await page.$eval('#detail-shape-al', (output) => output.textContent), /^31\.3 \(−3/);
      assert.match(await page.$eval('#shapeNote', (p) => (p.hidden ? '' : p.textContent)), /25 %/);
      assert.match(await page.$eval('#shapeValidation', (p) => p.textContent), /field solution/);
      await click('useShapeAl');
      assert.equal(await page.evaluate(() => window.coilwind.fieldText(18)), '31.3');
      assert.match(await page.$eval('#shapeMessage', (p) => p.textContent), /31\.3/);
    });

    test('the current rating: its group with a DC current, the warnings, English, and a design file that keeps it', async () => {
      for (const [query, caption, warning] of [['', '集肤深度 (mm)', /大于两倍集肤深度/],
        ['?lang=en', 'Skin depth (mm)', /thicker than two skin depths \(2 × 0\.095 mm\); use 13 strands/]]) {
        await open(undefined, query);
        await click('Command1');
        await page.keyboard.press('F2');
        assert.equal(await page.$eval('#currentRating', (fieldset) => fieldset.hidden), true);
        for (const [id, value] of [['dcCurrent', '1'], ['ripple', '0.3'], ['frequency', '500']]) {
          await page.click('#' + id, { clickCount: 3 });
          await page.keyboard.type(value);
        }
        assert.equal(await page.$eval('#currentRating', (fieldset) => fieldset.hidden), false);
        const figure = (key) => page.$eval('#detail-' + key, (output) => output.textContent);
        // The start-up drum at 1 A, 0.3 A p-p, 500 kHz (docs/current-rating.md).
        assert.equal(await figure('skin-depth'), '0.095');
        assert.equal(await page.$eval('#detail-skin-depth', (output) => output.previousElementSibling.textContent),
          caption);
        assert.match(await page.$eval('#currentWarnings', (p) => (p.hidden ? '' : p.textContent)), warning);
        const saved = JSON.parse(await page.evaluate(() => window.coilwind.designText()));
        assert.deepEqual([saved.settings.dcCurrent, saved.settings.ripple, saved.settings.frequency],
          ['1', '0.3', '500']);
        // A current out of its range is refused where it was typed, and the group says nothing.
        await page.click('#dcCurrent', { clickCount: 3 });
        await page.keyboard.type('-1');
        assert.equal(await page.$eval('#dcCurrent', (input) => input.getAttribute('aria-invalid')), 'true');
      }
    });

    test('the input check under the window: a comma, a core-type text, a stop; the fields stay', async () => {
      await open();
      const line = () => page.$eval('#input-check', (p) => [p.textContent, [...p.children].map((c) => c.className)]);
      assert.equal(await page.$eval('#input-check', (p) => p.getAttribute('aria-live')), 'polite');
      await page.click('#Text1_19', { clickCount: 3 });
      await page.keyboard.type('4,7');
      await click('Command1');
      assert.deepEqual(await line(), ['⚠ 逗号不是小数点: 电感量 "4,7" was read as 4 (a comma is not a decimal ' +
        'point: type ".")', ['error']]);
      assert.equal(await page.evaluate(() => window.coilwind.fieldText(19)), '4,7');
      assert.equal(await page.evaluate(() => window.coilwind.fieldText(20)), '9.8'); // the design for 4 uH
      await page.click('#Text1_19', { clickCount: 3 });
      await page.keyboard.type('4.7');
      await typeCoreType('r core');
      await click('Command1');
      assert.deepEqual(await line(), ['⚠ 不是 R CORE: 磁心类型 "r core" was computed as the drum core (KQ CORE): ' +
        'only "R CORE" exactly, in capitals and without blanks around it, selects the rod core', ['error']]);
      await typeCoreType('KQ CORE');
      await page.click('#Text1_19', { clickCount: 3 });
      await page.keyboard.type('0');
      await click('Command1');
      const [stopped] = await line();
      assert.match(stopped, /⚠ 计算中止: stopped at wire_max: division by zero \(turns is 0\); 最大线径, DCR-max\., 铜重 keep what they held before/);
      assert.match(stopped, /旧设计的结果: 最大线径, DCR-max\., 铜重 hold results of an earlier design/);
      await page.keyboard.press('F2');
      assert.match(await page.$eval('#inputCheckErrors', (p) => (p.hidden ? '' : p.textContent)), /• 计算中止: stopped at wire_max/);
      // A rod with A = -5: no figure from the impossible shape, and why.
      await page.click('#Text1_19', { clickCount: 3 });
      await page.keyboard.type('4.7');
      await page.click('#Text1_1', { clickCount: 3 });
      await page.keyboard.type('-5');
      await typeCoreType('R CORE');
      await click('Command1');
      assert.equal(await page.$eval('#detail-l-range', (output) => output.textContent), '—');
      assert.match(await page.$eval('#reasons', (p) => p.textContent), /Core shape: A = -5: a rod's diameter must be above 0/);
      assert.match(await page.$eval('#calculationStatus', (p) => p.textContent), /尺寸不可能/);
    });

    test('a CSV table gives the same bytes as the native coilwind-batch', async () => {
      await open();
      const designs = '\ufeffmodel,core,A,B,D,F,mu,L\r\nKQ8*10,KQ CORE,8,3.5,10,6.3,500,4.7\r\n' +
        '"R8x3.5, long",R CORE,8,3.5,10,6.3,500,4.7\r\nKQ5*5,KQ CORE,5,2,5,3,0,10\r\n';
      for (const options of [{}, { series: 'awg-heavy', temperature: 85.5, bs: 300, tolerance: 7.5 }]) {
        const args = Object.entries(options).flatMap(([key, value]) => ['--' + key, String(value)]);
        let native;
        try {
          native = execFileSync(nativeBatch, args, { input: designs });
        } catch (failure) {
          native = failure.stdout; // exit status 1: a row faults
        }
        const fromPage = await page.evaluate((text, o) => window.coilwind.runCsv(text, o), designs, options);
        assert.equal(fromPage, native.toString('utf8'));
      }
      await assert.rejects(page.evaluate(() => window.coilwind.runCsv('a,b\n1,2\n')), /missing column/);
      // The same through the page's own file chooser: the result offered for download.
      const file = path.join(fs.mkdtempSync('/tmp/coilwind-web-'), 'designs.csv');
      fs.writeFileSync(file, designs);
      const chooser = await page.$('#csv-file');
      await chooser.uploadFile(file);
      await page.waitForSelector('#csv-download:not([hidden])');
      assert.equal(await page.$eval('#csv-download', (link) => link.download), 'designs-coilwind.csv');
      const csvStatus = () => page.$eval('#csv-status', (status) => [status.textContent, status.className]);
      const [done, style] = await csvStatus();
      assert.match(done, /^designs\.csv: 3 行已读 \(rows read\), 2 已算 \(computed\), 1 出错 \(in error\): see the error column; \d+ KB in [\d.]+ s$/);
      assert.equal(style, 'fault');
      // A UTF-16 file, as a spreadsheet saves "Unicode Text", gives the UTF-8 output.
      const utf16 = [0xff, 0xfe, ...Buffer.from(designs.slice(1), 'utf16le')];
      const wide = await page.evaluate(async (bytes) =>
        (await window.coilwind.runCsv(new Blob([Uint8Array.from(bytes)]))).text(), utf16);
      assert.equal(wide, (await page.evaluate((text) => window.coilwind.runCsv(text), designs)));
      // The same file again after a setting changed, by the chooser and by 再次运行.
      await page.select('#series', await page.$eval('#series', (s) => s.options[2].value));
      for (const again of [() => chooser.uploadFile(file), () => click('csv-rerun')]) {
        await page.$eval('#csv-status', (status) => { status.textContent = ''; });
        await again();
        await page.waitForFunction(() => /rows read/.test(document.getElementById('csv-status').textContent));
      }
      // A long table can be cancelled; the next run works.
      const rows = 'KQ8*10,KQ CORE,8,3.5,10,6.3,500,4.7\n'.repeat(400000);
      fs.writeFileSync(file, 'model,core,A,B,D,F,mu,L\n' + rows);
      await chooser.uploadFile(file);
      await page.waitForSelector('#csv-cancel:not([hidden])');
      await click('csv-cancel');
      await page.waitForFunction(() => /已取消/.test(document.getElementById('csv-status').textContent));
      assert.equal((await csvStatus())[1], '');
      assert.ok(await page.$eval('#csv-progress', (bar) => bar.hidden));
      fs.writeFileSync(file, designs);
      await chooser.uploadFile(file);
      await page.waitForFunction(() => /3 行已读/.test(document.getElementById('csv-status').textContent));
      fs.rmSync(path.dirname(file), { recursive: true });
      if (address().startsWith('file:')) assert.deepEqual(requestsAfterLoad, []);
    });

    // --- design files, share links, recent designs ---
    const designText = () => page.evaluate(() => window.coilwind.designText());
    const status = () => page.$eval('#design-status', (p) => p.textContent);
    async function setValue(id, value) {
      await page.$eval('#' + id, (input, text) => {
        input.value = text;
        input.dispatchEvent(new Event('input', { bubbles: true }));
      }, value);
    }
    async function chooseFile(name, bytes) {
      const file = path.join(fs.mkdtempSync('/tmp/coilwind-web-'), name);
      fs.writeFileSync(file, bytes);
      await page.$eval('#design-status', (p) => { p.textContent = ''; });
      await (await page.$('#design-file')).uploadFile(file);
      await page.waitForFunction(() => document.getElementById('design-status').textContent !== '');
      fs.rmSync(path.dirname(file), { recursive: true });
    }

    test('a design through a file, a link in a new tab and the desktop\'s file, byte for byte', async () => {
      await open();
      await setValue('Text1_0', '工字 "KQ" \\ 😀\t');
      await typeCoreType('R CORE');
      await click('Option2');
      await click('Command1');
      await setValue('temperature', '-300');
      await page.select('#series', 'awg-heavy');
      const saved = await designText();
      const savedTexts = await texts();
      assert.equal(savedTexts[24], ROD[24]);
      const link = await page.evaluate(() => window.coilwind.shareLink());
      assert.match(link, /#design=[A-Za-z0-9_-]+$/);

      await open();
      await page.evaluate((text) => window.coilwind.openDesign(text), saved);
      assert.deepEqual(await texts(), savedTexts);
      assert.equal(await designText(), saved);
      assert.equal(await page.$eval('#fig', (image) => image.dataset.picture), 'R');
      assert.equal(await page.$eval('#Text1_20', (field) => field.value), ROD[20]);

      // The link in a new tab: the design comes back; the server never sees it, and nothing
      // else is asked for but the page's own files.
      const tab = await browser.newPage();
      const asked = [];
      const received = [];
      const onRequest = (request) => received.push(request.url);
      tab.on('request', (request) => asked.push(request.url()));
      server.on('request', onRequest);
      await tab.goto(link, { waitUntil: 'load' });
      await tab.evaluate(() => window.coilwind.ready);
      server.off('request', onRequest);
      assert.equal(await tab.evaluate(() => window.coilwind.designText()), saved);
      assert.ok(received.every((url) => !url.includes('design=')), received.join(' '));
      assert.ok(asked.every((url) => /^(data|blob|file):/.test(url) || url.startsWith(server.url)));
      await tab.close();

      // The desktop's file (tests/ui/design_actions_test.cpp saves exactly this) and back.
      const desktop = fs.readFileSync(path.join(__dirname, 'desktop.coilwind'), 'utf8');
      await page.evaluate((text) => window.coilwind.openDesign(text), desktop);
      assert.equal(await designText(), desktop);
      assert.deepEqual(requestsAfterLoad, []);
    });

    test('a file or link that cannot be used changes nothing and says why', async () => {
      await open();
      await setValue('Text1_0', 'mine');
      const before = await designText();
      const refusals = [
        ['KQ8*10', /\(file\): not JSON/],
        ['{"format":"coilwind-design","version":1,"fields":[]}', /fields: expected an object/],
        [before.replace('"19": "4.7"', '"19": 4.7'), /fields\.19: expected a text, found a number/],
        [before.replace(/\s*"17": "500",/, ''), /fields\.17: missing/],
      ];
      for (const [text, reason] of refusals) {
        await assert.rejects(page.evaluate((t) => window.coilwind.openDesign(t), text), reason);
      }
      await chooseFile('huge.coilwind', Buffer.alloc(2 * 1024 * 1024, 32));
      assert.match(await status(), /huge\.coilwind: \(file\): larger than/);
      await chooseFile('bad.coilwind', Buffer.from([0x7b, 0x22, 0xff, 0x22, 0x7d]));
      assert.match(await status(), /bad\.coilwind: \(file\): not JSON: .*not UTF-8/);
      assert.equal(await designText(), before);
      // A newer version opens with a note.
      await chooseFile('newer.coilwind', before.replace('"version": 1', '"version": 2').replace('"fields"', '"colour": "red", "fields"'));
      assert.match(await status(), /newer\.coilwind[^]*format version 2[^]*colour/);
      // A damaged link.
      await open(DESKTOP, '#design=eyJmb3Jt');
      assert.match(await status(), /cannot open the design in the link/);
      assert.deepEqual(await texts(), STARTUP);
    });

    test('recent designs: the last 20 calculated, kept in this browser, restored by a click, forgotten', async () => {
      await open();
      await click('recent-title');
      await click('recent-forget');
      for (let n = 0; n < 22; n++) {
        await setValue('Text1_0', 'core ' + n);
        await click('Command1');
      }
      await open(); // kept between visits
      await click('recent-title');
      const labels = await page.$$eval('#recent-list button', (buttons) => buttons.map((b) => b.textContent));
      assert.equal(labels.length, 20);
      assert.match(labels[0], /core 21 · KQ CORE · L 4\.7 uH · N 10\.6 · d 0\.761 mm$/);
      await page.click('#recent-list li:nth-child(4) button');
      assert.equal(await page.evaluate(() => window.coilwind.fieldText(0)), 'core 18');
      assert.equal(await page.evaluate(() => window.coilwind.fieldText(24)), DRUM[24]);
      await click('recent-forget');
      assert.equal(await page.$$eval('#recent-list button', (buttons) => buttons.length), 0);
      assert.equal(await page.evaluate(() => localStorage.length), 0);
    });
  });
}
