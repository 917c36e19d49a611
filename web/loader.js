// Unpacks the calculation, stored deflate-packed in base64 in the element
// #calcModule, and compiles it: by the browser's own DecompressionStream
// where it reads raw deflate, while the rest of the page is still being
// read; elsewhere by inflate (inflate.js, which comes before this). Any
// failure (damaged data, no WebAssembly, a blocked data: URL) rejects the
// promise: the page then says that it cannot calculate.
const calculationLoading = (() => {
  const started = (result) => result.then(({ instance }) => {
    instance.exports._initialize();
    return instance.exports;
  });
  try {
    const element = document.getElementById('calcModule');
    const base64 = element.textContent.trim();
    const byInflate = () => {
      const text = atob(base64);
      const packed = new Uint8Array(text.length);
      for (let i = 0; i < text.length; ++i) packed[i] = text.charCodeAt(i);
      return WebAssembly.instantiate(inflate(packed, Number(element.dataset.size)), {});
    };
    let streams = typeof DecompressionStream === 'function' && typeof WebAssembly.instantiateStreaming === 'function';
    try {
      if (streams) new DecompressionStream('deflate-raw');
    } catch {
      streams = false;
    }
    if (!streams) return started(new Promise((resolve) => setTimeout(resolve)).then(byInflate));
    // Should the browser's way fail after all, the inflate still serves.
    return started(fetch(`data:application/octet-stream;base64,${base64}`).then((packed) =>
      WebAssembly.instantiateStreaming(new Response(packed.body.pipeThrough(new DecompressionStream('deflate-raw')),
        { headers: { 'Content-Type': 'application/wasm' } }), {})).catch(byInflate));
  } catch (error) {
    return Promise.reject(error);
  }
})();
