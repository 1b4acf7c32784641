// Runs CSV tables through coilwind-batch's row loop (the CSV module) off the page's thread: the
// input is read in pieces (FileReaderSync on a file), the output handed to a Blob as it comes
// (the browser keeps a large one out of the page's memory), so the module's memory stays flat
// and the worker holds at most one piece of each however long the table.
'use strict';

if (typeof createCoilwindCsv === 'undefined') importScripts('coilwind_csv_module.js');
// The page's first message gives the module's options (the single file: its .wasm).
let csvModule = null;
let options = null;
const optionsGiven = new Promise((resolve) => {
  options = resolve;
});
const READ_PIECE = 4 << 20;
const OUTPUT_PIECE = 32 << 20;

function reader(input, report) {
  if (typeof input === 'string') input = new TextEncoder().encode(input);
  const total = input instanceof Uint8Array ? input.length : input.size;
  const files = input instanceof Uint8Array ? null : new FileReaderSync();
  let piece = new Uint8Array(0);
  let pieceStart = 0;
  let offset = 0;
  return (module, pointer, capacity) => {
    if (offset >= pieceStart + piece.length) {
      if (offset >= total) return 0;
      const end = Math.min(total, offset + READ_PIECE);
      piece = files ? new Uint8Array(files.readAsArrayBuffer(input.slice(offset, end))) : input.subarray(offset, end);
      pieceStart = offset;
      report(end, total);
    }
    const bytes = piece.subarray(offset - pieceStart, Math.min(piece.length, offset - pieceStart + capacity));
    module.HEAPU8.set(bytes, pointer);
    offset += bytes.length;
    return bytes.length;
  };
}

onmessage = async ({ data: { id, input, args, options: moduleOptions } }) => {
  if (moduleOptions) {
    options(moduleOptions);
    return;
  }
  try {
    csvModule = csvModule || optionsGiven.then((given) => createCoilwindCsv(given));
    const module = await csvModule;
    const read = reader(input, (done, total) => postMessage({ id, type: 'progress', done, total }));
    let output = new Blob([]);
    let parts = [];
    let pending = 0;
    module.coilwindReadInput = (pointer, capacity) => read(module, pointer, capacity);
    module.coilwindWriteOutput = (pointer, size) => {
      parts.push(module.HEAPU8.slice(pointer, pointer + size));
      pending += size;
      if (pending >= OUTPUT_PIECE) {
        output = new Blob([output, ...parts]);
        parts = [];
        pending = 0;
      }
    };
    const words = new TextEncoder().encode(args.join('\n'));
    const pointer = module._malloc(words.length + 1);
    module.HEAPU8.set(words, pointer);
    const status = module._coilwind_run_csv(pointer, words.length);
    module._free(pointer);
    const text = module._coilwind_result();
    const message = new TextDecoder().decode(module.HEAPU8.subarray(text, text + module._coilwind_result_size()));
    output = new Blob([output, ...parts], { type: 'text/csv' });
    postMessage({ id, type: 'done', status, message, output, heapBytes: module.HEAPU8.length });
  } catch (error) {
    postMessage({ id, type: 'error', message: String(error && error.message || error) });
  }
};
