// Starts unpacking and compiling the calculation (stored gzip-packed in
// base64 just above) while the browser still reads the rest of the page.
'use strict';
const calculationLoading = (async () => {
  const packed = await fetch(`data:application/gzip;base64,${document.getElementById('calcModule').textContent.trim()}`);
  const wasm = new Response(packed.body.pipeThrough(new DecompressionStream('gzip')),
    { headers: { 'Content-Type': 'application/wasm' } });
  const { instance } = await WebAssembly.instantiateStreaming(wasm, {});
  instance.exports._initialize();
  return instance.exports;
})();
