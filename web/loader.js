// Unpacks the calculation, stored deflate-packed in base64 in #calcModule, by
// the browser's own DecompressionStream while the rest of the page is still
// being read, and compiles it. A failure rejects with the cause met, which the
// page names: "unpacking", "webassembly", "refused" (the browser would not
// read the data: URL) or "damaged" (the data do not unpack or compile).
const calculationLoading = (async () => {
  const failed = (cause) => Object.assign(new Error(cause), { cause });
  if (typeof WebAssembly !== 'object' || typeof WebAssembly.compileStreaming !== 'function') throw failed('webassembly');
  let unpacking;
  try {
    unpacking = new DecompressionStream('deflate-raw');
  } catch {
    throw failed('unpacking');
  }
  const base64 = document.getElementById('calcModule').textContent.trim();
  const packed = await fetch(`data:application/octet-stream;base64,${base64}`).catch(() => { throw failed('refused'); });
  try {
    return await WebAssembly.compileStreaming(new Response(packed.body.pipeThrough(unpacking),
      { headers: { 'Content-Type': 'application/wasm' } }));
  } catch {
    throw failed('damaged');
  }
})();
