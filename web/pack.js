// Packs the page (CMake runs it after linking the modules):
//   <out>/site/          index.html, page.css, page.js, worker.js and the two modules with their
//                        .wasm, for any static web server
//   <out>/coilwind.html  one self-contained file: style, scripts and modules inlined (each .wasm
//                        gzip-compressed in base64), for opening from the file system with no
//                        server and no network
// Both carry a Content-Security-Policy that admits only their own files (the single file: its own
// inline scripts and style by hash) and WebAssembly compilation; the core pictures travel inside
// the page as data: addresses.
//
//   node pack.js <web sources> <assets> <module folder> <output folder>
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const [webDir, assetsDir, moduleDir, outDir] = process.argv.slice(2);
const read = (dir, name) => fs.readFileSync(path.join(dir, name), 'utf8');
const template = read(webDir, 'index.html');
const css = read(webDir, 'page.css');
const pageJs = read(webDir, 'page.js');
const workerJs = read(webDir, 'worker.js');

const pictures = {};
for (const name of ['KQCORE', 'RC', 'KQ', 'R']) {
  const svg = fs.readFileSync(path.join(assetsDir, name + '.svg'));
  pictures[name] = 'data:image/svg+xml;base64,' + svg.toString('base64');
}
const picturesBlock = `<script type="application/json" id="pictures">${JSON.stringify(pictures)}</script>`;

// Text inside a <script> or <style> element ends at the first "</script" or "</style"; none of
// the inlined texts may hold one, nor "<!--", which would change how the element is parsed.
function inlined(text, what) {
  if (/<\/(script|style)|<!--/i.test(text)) throw new Error(`${what} cannot be inlined into the page`);
  return text;
}
const hash = (text) => `'sha256-${crypto.createHash('sha256').update(text, 'utf8').digest('base64')}'`;

function page({ csp, style, scripts }) {
  return template.replace('@CSP@', csp).replace('@STYLE@', style).replace('@PICTURES@', picturesBlock)
    .replace('@SCRIPTS@', scripts);
}

// --- the site ---------------------------------------------------------------------------------------
const site = path.join(outDir, 'site');
fs.rmSync(site, { recursive: true, force: true });
fs.mkdirSync(site, { recursive: true });
for (const [dir, name] of [[webDir, 'page.css'], [webDir, 'page.js'], [webDir, 'worker.js'],
  [moduleDir, 'coilwind_page_module.js'], [moduleDir, 'coilwind_page_module.wasm'],
  [moduleDir, 'coilwind_csv_module.js'], [moduleDir, 'coilwind_csv_module.wasm']]) {
  fs.copyFileSync(path.join(dir, name), path.join(site, name));
}
fs.writeFileSync(path.join(site, 'index.html'), page({
  csp: "default-src 'none'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src data:; " +
    "connect-src 'self'; worker-src 'self'; base-uri 'none'; form-action 'none'",
  // The module's .wasm is fetched at once, beside the scripts, not after the first one has run.
  style: '<link rel="stylesheet" href="page.css">\n' +
    '<link rel="preload" href="coilwind_page_module.wasm" as="fetch" type="application/wasm" crossorigin>',
  scripts: '<script defer src="coilwind_page_module.js"></script>\n<script defer src="page.js"></script>',
}));

// --- the single file --------------------------------------------------------------------------------
const pageModule = inlined(read(moduleDir, 'coilwind_page_module.js'), 'the page module');
const csvModule = inlined(read(moduleDir, 'coilwind_csv_module.js'), 'the CSV module');
const executed = [pageModule, inlined(pageJs, 'page.js')];
// A module's .wasm as a data block that page.js unpacks (DecompressionStream) and hands to the
// module's loader, which then fetches nothing.
const wasmBlock = (name, id) => `<script type="application/octet-stream" id="${id}">` +
  zlib.gzipSync(fs.readFileSync(path.join(moduleDir, name)), { level: 9 }).toString('base64') + '</script>';
fs.writeFileSync(path.join(outDir, 'coilwind.html'), page({
  csp: `default-src 'none'; script-src ${executed.map(hash).join(' ')} 'wasm-unsafe-eval'; ` +
    `style-src ${hash(css)}; img-src data:; worker-src blob:; base-uri 'none'; form-action 'none'`,
  style: `<style>${inlined(css, 'page.css')}</style>`,
  // The CSV worker is made from two text blocks (its module's script, then worker.js).
  scripts: [wasmBlock('coilwind_page_module.wasm', 'page-wasm'), wasmBlock('coilwind_csv_module.wasm', 'csv-wasm'),
    ...executed.map((text) => `<script>${text}</script>`),
    `<script type="text/plain" id="csv-module">${csvModule}</script>`,
    `<script type="text/plain" id="csv-worker">${inlined(workerJs, 'worker.js')}</script>`].join('\n'),
}));
