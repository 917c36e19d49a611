// The page's own inflate against zlib: every block type, the page's real
// module among the inputs.

import assert from 'node:assert/strict';
import { randomBytes } from 'node:crypto';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';
import vm from 'node:vm';
import { constants, deflateRawSync } from 'node:zlib';

const context = {};
vm.runInNewContext(`${readFileSync(new URL('../inflate.js', import.meta.url), 'utf8')}\nthis.inflate = inflate;`, context);
const { inflate } = context;

const inputs = {
  empty: Buffer.alloc(0),
  'one byte': Buffer.from('a'),
  'long repeats, distances up to 32 KiB': Buffer.from('Marco Real '.repeat(9000) + 'Tresbolillo'.repeat(3000)),
  'random bytes, kept as stored blocks': randomBytes(70000),
  'this test': readFileSync(new URL(import.meta.url)),
};
if (process.env.RURO_WASM) inputs['the calculation module'] = readFileSync(process.env.RURO_WASM);

const packings = {
  stored: { level: 0 },
  'fixed codes': { level: 9, strategy: constants.Z_FIXED },
  'codes of their own': { level: 9 },
  'codes only, no repeats': { level: 9, strategy: constants.Z_HUFFMAN_ONLY },
  'fast, short repeats': { level: 1 },
};

for (const [input, data] of Object.entries(inputs)) {
  test(`inflate unpacks ${input}`, () => {
    for (const [packing, options] of Object.entries(packings)) {
      const out = inflate(deflateRawSync(data, options), data.length);
      assert.ok(Buffer.from(out).equals(data), `${packing}`);
    }
  });
}

test('inflate refuses a wrong size or a cut input', () => {
  const packed = deflateRawSync(Buffer.from('No. de Bultos a comprar'.repeat(50)));
  assert.throws(() => inflate(packed, 10));
  assert.throws(() => inflate(packed.subarray(0, packed.length >> 1), 1150));
});
