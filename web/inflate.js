// A small inflate (raw deflate, RFC 1951) for browsers without
// DecompressionStream: inflate(packed bytes, unpacked size) -> Uint8Array.
'use strict';

const inflate = (() => {
  const lengthBase = [3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131,
    163, 195, 227, 258];
  const lengthExtra = [0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0];
  const distanceBase = [1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537,
    2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577];
  const distanceExtra = [0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13];
  const codeLengthOrder = [16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15];

  // A canonical Huffman code from its code lengths, as a table indexed by
  // the next `longest` bits of input: symbol << 4 | code length.
  function code(lengths) {
    let longest = 0;
    const counts = new Uint16Array(16);
    for (const l of lengths) {
      counts[l]++;
      if (l > longest) longest = l;
    }
    counts[0] = 0;
    const next = new Uint16Array(16);
    for (let l = 1, c = 0; l < 16; ++l) next[l] = c = (c + counts[l - 1]) << 1;
    const table = new Uint32Array(1 << longest);
    lengths.forEach((l, symbol) => {
      if (!l) return;
      // Codes run from their first bit on, input bits from the lowest.
      let reversed = 0;
      for (let i = 0, c = next[l]++; i < l; ++i, c >>= 1) reversed = (reversed << 1) | (c & 1);
      for (let k = reversed; k < table.length; k += 1 << l) table[k] = (symbol << 4) | l;
    });
    return { table, longest };
  }
  const fixedLengths = new Uint8Array(288).fill(8, 0, 144).fill(9, 144, 256).fill(7, 256, 280).fill(8, 280);
  const fixed = [code(fixedLengths), code(new Uint8Array(30).fill(5))];

  return (input, size) => {
    const out = new Uint8Array(size);
    let at = 0;
    let written = 0;
    let buffer = 0;
    let count = 0;
    const bits = (n) => {
      while (count < n) {
        if (at >= input.length) throw new Error('inflate: input ends early');
        buffer |= input[at++] << count;
        count += 8;
      }
      const value = buffer & ((1 << n) - 1);
      buffer >>>= n;
      count -= n;
      return value;
    };
    const decode = ({ table, longest }) => {
      while (count < longest) {
        // Up to two bytes past the end are read ahead as padding, no more.
        if (at >= input.length + 2) throw new Error('inflate: input ends early');
        buffer |= (at < input.length ? input[at] : 0) << count;
        at++;
        count += 8;
      }
      const entry = table[buffer & ((1 << longest) - 1)];
      const l = entry & 15;
      if (!l) throw new Error('inflate: bad code');
      buffer >>>= l;
      count -= l;
      return entry >> 4;
    };
    for (let last = 0; !last;) {
      last = bits(1);
      const type = bits(2);
      if (type === 0) {
        at -= count >> 3;  // whole bytes read ahead go back
        buffer = 0;
        count = 0;
        const length = input[at] | (input[at + 1] << 8);
        at += 4;
        out.set(input.subarray(at, at + length), written);
        at += length;
        written += length;
        continue;
      }
      let literals;
      let distances;
      if (type === 1) {
        [literals, distances] = fixed;
      } else if (type === 2) {
        const literalCount = bits(5) + 257;
        const distanceCount = bits(5) + 1;
        const lengthCount = bits(4) + 4;
        const codeLengths = new Uint8Array(19);
        for (let i = 0; i < lengthCount; ++i) codeLengths[codeLengthOrder[i]] = bits(3);
        const lengthCode = code(codeLengths);
        const lengths = new Uint8Array(literalCount + distanceCount);
        for (let i = 0; i < lengths.length;) {
          const symbol = decode(lengthCode);
          if (symbol < 16) {
            lengths[i++] = symbol;
          } else {
            const repeat = symbol === 16 ? 3 + bits(2) : symbol === 17 ? 3 + bits(3) : 11 + bits(7);
            const value = symbol === 16 ? lengths[i - 1] : 0;
            lengths.fill(value, i, i + repeat);
            i += repeat;
          }
        }
        literals = code(lengths.subarray(0, literalCount));
        distances = code(lengths.subarray(literalCount));
      } else {
        throw new Error('inflate: bad block');
      }
      for (;;) {
        const symbol = decode(literals);
        if (symbol < 256) {
          out[written++] = symbol;
        } else if (symbol === 256) {
          break;
        } else {
          const length = lengthBase[symbol - 257] + bits(lengthExtra[symbol - 257]);
          const d = decode(distances);
          const distance = distanceBase[d] + bits(distanceExtra[d]);
          for (let i = 0; i < length; ++i, ++written) out[written] = out[written - distance];
        }
      }
    }
    if (written !== size) throw new Error('inflate: wrong size');
    return out;
  };
})();
