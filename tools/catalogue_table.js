#!/usr/bin/env node
// Writes the text catalogues (i18n/coilwind_<code>.ts) as a C++ table for a front end without Qt
// (the page's module), so that it reads the same translations as the desktop's lrelease output.
//
//   node tools/catalogue_table.js OUTPUT.cpp a.ts [b.ts ...]
//
// lupdate writes one <source> and at most one <translation> per <message>, with '<' always
// escaped, so a text is what lies between its tags. Unfinished and vanished translations are left
// out: the source text shows instead. The output is rewritten only when it changes, so that an
// unchanged catalogue compiles nothing.
'use strict';
const fs = require('fs');
const path = require('path');

function fail(message) {
  process.stderr.write(`catalogue_table: ${message}\n`);
  process.exit(1);
}

const ENTITIES = { lt: '<', gt: '>', quot: '"', apos: "'", amp: '&' };

function xmlText(text, where) {
  return text.replace(/&(?:(#x[0-9a-fA-F]+|#[0-9]+|lt|gt|quot|apos|amp);)?/g, (entity, name) => {
    if (!name) fail(`a stray '&' in ${where}`);
    if (name[0] !== '#') return ENTITIES[name];
    return String.fromCodePoint(name[1] === 'x' ? parseInt(name.slice(2), 16) : parseInt(name.slice(1), 10));
  });
}

// A C++ string literal of the text: UTF-8 passes through, control characters are escaped, and a
// hex escape is never followed by a hex digit of the text.
function cxxLiteral(text) {
  let out = '"';
  for (const ch of text) {
    const code = ch.codePointAt(0);
    if (ch === '\\' || ch === '"') out += '\\' + ch;
    else if (ch === '\n') out += '\\n';
    else if (ch === '\t') out += '\\t';
    else if (code < 0x20 || code === 0x7f) out += '\\' + code.toString(8).padStart(3, '0');
    else if (ch === '?') out += '\\?'; // no trigraphs
    else out += ch;
  }
  return out + '"';
}

function tableOf(file) {
  const xml = fs.readFileSync(file, 'utf8');
  const entries = [];
  for (const [, context] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
    const name = /<name>([^<]*)<\/name>/.exec(context);
    if (!name) fail(`${file}: a context without its name`);
    const contextName = xmlText(name[1], file);
    for (const [, message] of context.matchAll(/<message[^>]*>([\s\S]*?)<\/message>/g)) {
      const source = /<source>([^<]*)<\/source>/.exec(message);
      if (!source) fail(`${file}: a message without its source in ${contextName}`);
      const translation = /<translation(?:\s+type="([^"]*)")?>([^<]+)<\/translation>/.exec(message);
      if (!translation || translation[1] === 'unfinished' || translation[1] === 'vanished' ||
          translation[1] === 'obsolete') {
        continue;
      }
      entries.push([contextName, xmlText(source[1], file), xmlText(translation[2], file)]);
    }
  }
  return entries;
}

const [output, ...catalogues] = process.argv.slice(2);
if (!output || catalogues.length === 0) fail('usage: catalogue_table.js OUTPUT.cpp a.ts [b.ts ...]');
let tables = '';
let choices = '';
for (const catalogue of catalogues) {
  const code = path.basename(catalogue, '.ts').replace(/^coilwind_/, '');
  if (!/^[a-z]{2,3}(_[A-Za-z]+)?$/.test(code)) fail(`${catalogue}: not a catalogue's file name`);
  const rows = tableOf(catalogue).map((row) => `    {${row.map(cxxLiteral).join(', ')}},\n`);
  tables += `constexpr CatalogueEntry k_${code}[] = {\n${rows.join('')}};\n\n`;
  choices += `    if (code == "${code}") {\n        return k_${code};\n    }\n`;
}
const text = `// Written by tools/catalogue_table.js from i18n/*.ts: edit those, not this.
#include "view/catalogue_table.hpp"

namespace coilwind {
namespace {

// clang-format off
${tables}// clang-format on

} // namespace

std::span<const CatalogueEntry> compiledCatalogue(std::string_view code) {
${choices}    return {};
}

} // namespace coilwind
`;
if (!fs.existsSync(output) || fs.readFileSync(output, 'utf8') !== text) fs.writeFileSync(output, text);
