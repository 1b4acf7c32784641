// Runs a CSV table through the page's CSV worker (web/worker.js with the CSV module of a web
// build) under node, as the browser would: the worker's script and the module's in one context
// that looks like a dedicated worker (importScripts, postMessage, onmessage), the .wasm given
// in the options as the single-file page gives it. Writes the worker's output bytes to a file and
// exits with the tool's status, printing its message. The cross-platform check compares these
// bytes with the native coilwind-batch's.
//
//   node tools/csv_worker_node.js <web build folder> <input.csv> <output.csv> [coilwind-batch options...]
'use strict';
const fs = require('fs');
const path = require('path');
const vm = require('vm');

const [build, inputPath, outputPath, ...args] = process.argv.slice(2);
if (!build || !inputPath || !outputPath) {
  console.error('usage: node tools/csv_worker_node.js <web build> <input.csv> <output.csv> [options...]');
  process.exit(2);
}
const moduleScript = path.join(build, 'coilwind_csv_module.js');
const workerScript = path.join(__dirname, '..', 'web', 'worker.js');

// This realm's constructors, so that the worker's "instanceof Uint8Array" sees the input as the
// typed array it is.
const context = {
  console, Blob, TextEncoder, TextDecoder, WebAssembly, setTimeout, clearTimeout, Promise,
  Uint8Array, Int8Array, Uint16Array, Int16Array, Uint32Array, Int32Array, Float32Array,
  Float64Array, BigInt64Array, BigUint64Array, ArrayBuffer, DataView, Error, TypeError,
  location: { href: `file://${path.resolve(build)}/worker.js` },
};
context.self = context;
context.globalThis = context;
context.importScripts = (...names) => {
  for (const name of names) {
    vm.runInContext(fs.readFileSync(path.join(build, name), 'utf8'), context, { filename: name });
  }
};
const finished = new Promise((resolve, reject) => {
  context.postMessage = (message) => {
    if (message.type === 'done') resolve(message);
    else if (message.type === 'error') reject(new Error(message.message));
  };
});
vm.createContext(context);
vm.runInContext(fs.readFileSync(workerScript, 'utf8'), context, { filename: workerScript });

(async () => {
  const wasm = fs.readFileSync(moduleScript.replace(/\.js$/, '.wasm'));
  context.onmessage({ data: { options: { wasmBinary: new Uint8Array(wasm) } } });
  context.onmessage({ data: { id: 1, input: new Uint8Array(fs.readFileSync(inputPath)), args } });
  const done = await finished;
  fs.writeFileSync(outputPath, Buffer.from(await done.output.arrayBuffer()));
  if (done.message) console.error(done.message);
  process.exit(done.status);
})().catch((error) => {
  console.error(`the CSV worker failed: ${error.message}`);
  process.exit(70);
});
