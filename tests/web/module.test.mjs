// The calculation module stands alone: it imports no WASI system calls to
// stub, only the page's one answer (a field's text), and exports the memory
// and the window model's binding.

import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';

test('the WebAssembly module imports only the page\'s field texts and exports the binding', { skip: !process.env.RURO_WASM }, () => {
  const module = new WebAssembly.Module(readFileSync(process.env.RURO_WASM));
  assert.deepEqual(WebAssembly.Module.imports(module), [{ module: 'page', name: 'field_text', kind: 'function' }]);
  assert.deepEqual(WebAssembly.Module.exports(module).map((e) => e.name).sort(),
    ['_initialize', 'memory', 'ruro_buffer', 'ruro_key', 'ruro_output', 'ruro_paste', 'ruro_press',
      'ruro_select', 'ruro_start', 'ruro_tab']);
});
