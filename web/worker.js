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
const OUTPUT_PIECE = 4 << 20;

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
    // The output gathers in one buffer, copied into the Blob whenever it fills: no allocation
    // per write, and the browser keeps the Blob's bytes out of the worker's memory.
    let output = new Blob([]);
    const pending = new Uint8Array(OUTPUT_PIECE);
    let used = 0;
    const flush = () => {
      output = new Blob([output, pending.subarray(0, used)]);
      used = 0;
    };
    module.coilwindReadInput = (pointer, capacity) => read(module, pointer, capacity);
    module.coilwindWriteOutput = (pointer, size) => {
      if (used + size > pending.length) flush();
      pending.set(module.HEAPU8.subarray(pointer, pointer + size), used);
      used += size;
    };
    const words = new TextEncoder().encode(args.join('\n'));
    const pointer = module._malloc(words.length + 1);
    module.HEAPU8.set(words, pointer);
    const status = module._coilwind_run_csv(pointer, words.length);
    module._free(pointer);
    const text = module._coilwind_result();
    const message = new TextDecoder().decode(module.HEAPU8.subarray(text, text + module._coilwind_result_size()));
    flush();
    output = new Blob([output], { type: 'text/csv' });
    postMessage({ id, type: 'done', status, message, output, heapBytes: module.HEAPU8.length,
      rows: module._coilwind_rows_read(), failed: module._coilwind_rows_failed() });
  } catch (error) {
    postMessage({ id, type: 'error', message: String(error && error.message || error) });
  }
};
