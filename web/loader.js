// Starts the calculation, stored deflate-packed in base64 in #calcModule, with
// `imports`, and gives its exports. The browser's own DecompressionStream
// unpacks it, written and read here directly (no fetch, no pipe), which runs
// in promise jobs alone; the module is compiled and started at once. So all
// of it is done before the browser's next task: the window takes no event
// before the calculation has started or failed. A failure rejects with its
// cause, which the page names: "webassembly" (none in this browser),
// "unpacking" (no DecompressionStream for raw deflate), "memory" (the browser
// gave the module no memory) or "damaged" (the data do not unpack, compile or
// start).
async function calculation(imports) {
  const failed = (cause) => Object.assign(new Error(cause), { cause });
  if (typeof WebAssembly !== 'object') throw failed('webassembly');
  let unpacking;
  try {
    unpacking = new DecompressionStream('deflate-raw');
  } catch {
    throw failed('unpacking');
  }
  try {
    const text = document.getElementById('calcModule').textContent.trim();
    const writer = unpacking.writable.getWriter();
    // Their failure is the reader's, met below.
    writer.write(Uint8Array.fromBase64?.(text) ?? Uint8Array.from(atob(text), (c) => c.charCodeAt(0))).catch(() => {});
    writer.close().catch(() => {});
    const pieces = [];
    for (let read, reader = unpacking.readable.getReader(); !(read = await reader.read()).done;) pieces.push(read.value);
    const bytes = new Uint8Array(pieces.reduce((size, piece) => size + piece.length, 0));
    let at = 0;
    for (const piece of pieces) {
      bytes.set(piece, at);
      at += piece.length;
    }
    const { exports } = new WebAssembly.Instance(new WebAssembly.Module(bytes), imports);
    exports._initialize();
    return exports;
  } catch (error) {
    throw failed(error instanceof RangeError ? 'memory' : 'damaged');
  }
}
