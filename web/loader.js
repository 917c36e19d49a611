// Unpacks the calculation, stored deflate-packed in base64 in the element
// #calcModule, by the browser's own DecompressionStream while the rest of the
// page is still being read, and compiles it. Any failure (no
// DecompressionStream for raw deflate, damaged data, no WebAssembly, a
// blocked data: URL) rejects the promise: the page then says that it cannot
// calculate. The page instantiates the compiled module with what it imports.
const calculationLoading = (async () => {
  const unpacking = new DecompressionStream('deflate-raw');
  const base64 = document.getElementById('calcModule').textContent.trim();
  const packed = await fetch(`data:application/octet-stream;base64,${base64}`);
  return WebAssembly.compileStreaming(new Response(packed.body.pipeThrough(unpacking),
    { headers: { 'Content-Type': 'application/wasm' } }));
})();
