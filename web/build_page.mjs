// Writes the calculator page, one self-contained HTML file, from the page's
// description (page_description.json, written by page_description), the
// WebAssembly calculation and the page's template, styles and script here.
//
//   node build_page.mjs PAGE_DESCRIPTION.json CALC.wasm OUT.html [SITE_DIR VERSION]
//
// With SITE_DIR it also writes the site to publish there (site.mjs).

import { readFileSync, writeFileSync } from 'node:fs';
import { deflateRawSync, deflateSync } from 'node:zlib';
import { fileURLToPath } from 'node:url';
import { shortName, writeSite } from './site.mjs';

const [formPath, wasmPath, outPath, siteDir, version] = process.argv.slice(2);
if (!outPath || (siteDir && !version)) {
  console.error('usage: node build_page.mjs PAGE_DESCRIPTION.json CALC.wasm OUT.html [SITE_DIR VERSION]');
  process.exit(2);
}
const here = (name) => readFileSync(fileURLToPath(new URL(name, import.meta.url)), 'utf8');
const form = JSON.parse(readFileSync(formPath, 'utf8'));
const wasm = readFileSync(wasmPath);

// ---- Pictures as PNG, each pixel repeated `scale` times each way.
const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}
function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'ascii');
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE(crc32(Buffer.concat([head.subarray(4), data])), 0);
  return Buffer.concat([head, data, crc]);
}
function png({ width, height, argb }, scale = 1) {
  const w = width * scale;
  const h = height * scale;
  const raw = Buffer.alloc(h * (1 + 4 * w));
  for (let y = 0; y < h; ++y) {
    const row = y * (1 + 4 * w);
    // A repeated row is filtered "Up": all zeros, next to nothing once packed.
    raw[row] = y % scale === 0 ? 0 : 2;
    if (raw[row] === 2) continue;
    for (let x = 0; x < w; ++x) {
      const p = argb[Math.floor(y / scale) * width + Math.floor(x / scale)] >>> 0;
      raw.writeUInt32BE(((p << 8) | (p >>> 24)) >>> 0, row + 1 + 4 * x);  // RGBA
    }
  }
  const header = Buffer.alloc(13);
  header.writeUInt32BE(w, 0);
  header.writeUInt32BE(h, 4);
  header.set([8, 6, 0, 0, 0], 8);  // 8 bits, RGBA
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', deflateSync(raw, { level: 9 })), chunk('IEND', Buffer.alloc(0))]);
}
const dataUri = (type, bytes) => `data:${type};base64,${Buffer.from(bytes).toString('base64')}`;
const icon = dataUri('image/png', png(form.calculator));
const arrow = dataUri('image/png', png(form.arrow));

// ---- The web app manifest, so a phone can put the page on its home screen.
const { description } = form;
const windowColour = '#f0f0f0';
const manifest = {
  name: form.title,
  short_name: shortName,
  description,
  lang: 'es',
  display: 'standalone',
  background_color: windowColour,
  theme_color: windowColour,
  icons: [192, 512].map((size) => ({ src: dataUri('image/png', png(form.calculator, size / form.calculator.width)),
    sizes: `${size}x${size}`, type: 'image/png', purpose: 'any' })),
};

// ---- The controls, from the description.
const escapeHtml = (s) => String(s).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
const px = (twips) => `${+(twips / form.twipsPerPixel).toFixed(3)}px`;
const controls = form.controls.map((c) => ({ ...c, children: [] }));
const byName = new Map(controls.map((c) => [c.name, c]));

// A control stands in the frame drawn round it, even where it was created in
// another container (the option buttons): on a narrow screen it flows with
// that frame, and an option button takes its caption as the name of the group.
for (const c of controls) {
  if (!c.drawnIn || c.drawnIn === c.container) continue;
  const frame = byName.get(c.drawnIn);
  c.left = c.inWindow[0] - frame.inWindow[0];
  c.top = c.inWindow[1] - frame.inWindow[1];
  c.container = frame.name;
}
const roots = [];
for (const c of controls) (c.container ? byName.get(c.container).children : roots).push(c);

// The order on a narrow screen: at the top level the input frame, the
// calculate command, the results frame, the other commands and then the
// credit lines; in a frame the options, then each field after its label in
// the order of the fields' places.
const commandOf = (c) => form.commands[c.name];
function narrowOrder(siblings, topLevel) {
  const fieldOf = (c) => (c.labels ? byName.get(c.labels) : c);
  const framesByLeft = siblings.filter((c) => c.kind === 'frame').sort((a, b) => a.left - b.left);
  const rank = (c) => {
    if (topLevel) {
      if (c.kind === 'frame') return c === framesByLeft[0] ? 0 : 2;
      if (c.kind === 'command') return commandOf(c) === 'calculate' ? 1 : 3;
      return 4;
    }
    return c.kind === 'option' ? 0 : c.kind === 'frame' ? 2 : 1;
  };
  const key = (c) => [rank(c), fieldOf(c).top, fieldOf(c).left, c.labels ? 0 : 1];
  // By the first member of the keys that differs.
  const sorted = [...siblings].sort((a, b) => key(a).map((k, i) => k - key(b)[i]).find((d) => d !== 0) ?? 0);
  sorted.forEach((c, i) => { c.order = i; });
}
narrowOrder(roots, true);
for (const c of controls) if (c.children.length) narrowOrder(c.children, false);

// The type and colour of a control's caption; a frame's go to its legend.
function typeStyle(c) {
  const s = [];
  if (c.pointSize) s.push(`font-size:${c.pointSize}pt`, `font-weight:${c.bold ? 'bold' : 'normal'}`);
  if (c.colour) s.push(`color:${c.colour}`);
  return s;
}
// A picture is drawn at its own size from its area's top-left corner, pixel
// for pixel, never stretched to the area.
function style(c) {
  const size = c.kind === 'picture' ? [] : [`width:${px(c.width)}`, `height:${px(c.height)}`];
  const s = [`left:${px(c.left)}`, `top:${px(c.top)}`, ...size, `--o:${c.order}`];
  if (c.kind !== 'frame') s.push(...typeStyle(c));
  if (c.kind === 'label' && c.align !== 'left') s.push(`text-align:${c.align}`);
  return s.join(';');
}
const labelled = new Set(controls.filter((c) => c.labels).map((c) => c.labels));
// Every field holds a number: a phone shows its decimal keypad, whose Enter
// key says "done", as Enter in a field does nothing. The field stays a text
// field, read as the window reads it.
const numberField = 'inputmode="decimal" enterkeyhint="done" autocomplete="off" spellcheck="false"';
function markup(c) {
  const place = `style="${style(c)}"`;
  const common = `id="${c.name}" ${place}`;
  const caption = escapeHtml(c.caption ?? '');
  switch (c.kind) {
    case 'frame':
      return `<fieldset class="ctl frame" ${common}><legend style="${typeStyle(c).join(';')}">${caption}</legend>${c.children.map(markup).join('')}</fieldset>`;
    case 'command':
      return `<button type="button" class="ctl command" ${common} data-command="${commandOf(c)}">${caption}</button>`;
    case 'option':
      // The label is the target, the radio button inside it takes the name.
      return `<label class="ctl option" ${place}><input type="radio" name="system" id="${c.name}" value="${c.system}">${caption}</label>`;
    case 'text':
      if (!labelled.has(c.name)) throw new Error(`no label names the field ${c.name}`);
      return `<input type="text" class="ctl text" ${common} ${numberField}>`;
    case 'combo': {
      // The ARIA pattern of an editable combobox with a list and no autocomplete.
      const list = `${c.name}List`;
      const label = controls.find((l) => l.labels === c.name);
      const entries = form.diameters.map((d, i) =>
        `<li role="option" id="${list}${i}" aria-selected="false">${escapeHtml(d)}</li>`).join('');
      return `<div class="ctl combobox" ${place}><input type="text" class="combo" id="${c.name}" role="combobox" ` +
        `aria-autocomplete="none" aria-expanded="false" aria-controls="${list}" ${numberField}>` +
        `<button type="button" class="comboButton" data-for="${c.name}" tabindex="-1" aria-labelledby="${label.name}" ` +
        `aria-expanded="false" aria-controls="${list}"></button>` +
        `<ul role="listbox" id="${list}" class="comboList" aria-labelledby="${label.name}" hidden>${entries}</ul></div>`;
    }
    case 'label':
      return c.labels
        ? `<label class="ctl label" for="${c.labels}" ${common}>${caption}</label>`
        : `<div class="ctl label" ${common}>${caption}</div>`;
    case 'picture':
      return `<img class="ctl picture" ${common} src="${arrow}" width="${form.arrow.width}" height="${form.arrow.height}" ` +
        `alt="${escapeHtml(form.arrowName)}" tabindex="0">`;
  }
  throw new Error(`unknown kind ${c.kind}`);
}

// ---- What the script needs: the controls' names by row (the model names
// them so), the start state to show while the module starts, what to say if
// it cannot start, for each cause, and the model's number of each arrow key.
const config = { controls: form.controls.map((c) => c.name), start: form.start, notStarted: form.pageNotStarted,
  arrowKeys: form.arrowKeys };

const fill = (template, values) => template.replace(/\{\{(\w+)\}\}/g, (_, k) => {
  if (!(k in values)) throw new Error(`no value for {{${k}}}`);
  return values[k];
});
const values = {
  TITLE: escapeHtml(form.title),
  DESCRIPTION: escapeHtml(description),
  ICON: icon,
  MANIFEST: dataUri('application/manifest+json', JSON.stringify(manifest)),
  WINDOW_WIDTH: px(form.clientWidth),
  WINDOW_HEIGHT: px(form.clientHeight),
  CSS: here('page.css').trim(),
  CONTROLS: roots.map(markup).join('\n'),
  OK: escapeHtml(form.okButton),
  PAGE_ENDED: escapeHtml(form.pageEnded),
  START_AGAIN: escapeHtml(form.startAgain),
  WASM: deflateRawSync(wasm, { level: 9 }).toString('base64'),
  // One function, called with the description: the script puts nothing on `window`.
  SCRIPT: `((RURO) => {\n${here('page.js').trim()}\n${here('loader.js').trim()}\n})(${JSON.stringify(config).replace(/</g, '\\u003c')});`,
};
const template = here('page.html');
writeFileSync(outPath, fill(template, { ...values, TOUCH_ICON: icon, SITE_HEAD: '' }));
if (siteDir) {
  writeSite({ dir: siteDir, form, version, manifest, png, page: (site) => fill(template, { ...values, ...site }) });
}
