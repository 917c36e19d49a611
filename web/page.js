// The window's behaviour: the six commands, the tab order with the option
// group in one place, the boxes, and the calculation in WebAssembly.
'use strict';
performance.mark('ruro-start');

const $ = (id) => document.getElementById(id);
const field = (n) => $(`Text${n}`);
const combo = $('Combo1');
const radios = [...document.querySelectorAll('input[name="system"]')];

// The user's decimal separator, as the desktop window takes the system's.
function decimalSeparator() {
  try {
    const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
  } catch {
    return '.';
  }
}

// ---- The calculation: calc::ComputeFertiliser compiled to WebAssembly.
const encoder = new TextEncoder();
const decoder = new TextDecoder();
let calc = null;

async function loadCalculation() {
  const packed = Uint8Array.from(atob(RURO.wasm), (c) => c.charCodeAt(0));
  const bytes = await new Response(new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
  const { instance } = await WebAssembly.instantiate(bytes, {});
  instance.exports._initialize();
  return instance.exports;
}

// Texts in, six display texts (empty on a refusal) and the refusal out.
function compute(system, hectares, distance, length, width, diameter, separator) {
  const parts = [hectares, distance, length, width, diameter, separator].map((t) => encoder.encode(t));
  const size = parts.reduce((n, p) => n + p.length, 0);
  const at = calc.ruro_buffer(size);
  const memory = new Uint8Array(calc.memory.buffer);
  let offset = at;
  for (const p of parts) {
    memory.set(p, offset);
    offset += p.length;
  }
  const refusal = calc.ruro_compute(system, ...parts.map((p) => p.length));
  const out = new Uint8Array(calc.memory.buffer, calc.ruro_output(), calc.ruro_output_size());
  return { refusal, texts: decoder.decode(out).split('\n') };
}

// ---- The boxes: modal, one button; Enter and Esc close; the focus returns.
const box = $('box');
let focusBefore = null;
function inform({ title, message }) {
  focusBefore = document.activeElement;
  $('boxTitle').textContent = title;
  $('boxText').textContent = message;
  box.showModal();
  $('boxOk').focus();
}
box.addEventListener('close', () => {
  if (focusBefore && focusBefore.isConnected) focusBefore.focus();
  focusBefore = null;
});
$('boxOk').addEventListener('click', () => box.close());
box.addEventListener('keydown', (e) => {
  if (e.key === 'Enter') {
    e.preventDefault();
    box.close();
  }
});

// ---- The commands.
function calculate() {
  const system = +(radios.find((r) => r.checked) ?? radios[0]).value;
  const f = RURO.fields;
  const { refusal, texts } = compute(system, field(f.hectares).value, field(f.distance).value,
    field(f.length).value, field(f.width).value, combo.value, decimalSeparator());
  texts.forEach((text, i) => { field(f.firstResult + i).value = text; });
  if (refusal) inform(RURO.refusals[refusal]);
}

function reset() {
  for (let n = 1; n <= RURO.fields.count; ++n) field(n).value = RURO.zero;
}

function startState() {
  for (const [name, text] of Object.entries(RURO.start)) $(name).value = text;
  radios[0].checked = true;
}

// A page cannot end its program: it closes where the browser lets a script
// close it (a tab with nothing to go back to), and otherwise says the program
// has ended and offers to start again.
function quit() {
  startState();
  window.close();
  $('Form1').hidden = true;
  $('ended').hidden = false;
  $('startAgain').focus();
}
$('startAgain').addEventListener('click', () => {
  $('ended').hidden = true;
  $('Form1').hidden = false;
  radios[0].focus();
});

const commands = {
  calculate,
  reset,
  quit,
  about: () => inform(RURO.boxes.about),
  help: () => inform(RURO.boxes.help),
  varieties: () => inform(RURO.boxes.varieties),
};
for (const button of document.querySelectorAll('[data-command]')) {
  button.addEventListener('click', () => commands[button.dataset.command]());
}

// ---- The tab order of the window: by tab index, the option group taking
// one place, held by its selected button.
function tabChain() {
  const checked = radios.find((r) => r.checked) ?? radios[0];
  const chain = [];
  for (const name of RURO.tabChain) {
    const control = $(name);
    if (control.type === 'radio') {
      if (!chain.includes(checked)) chain.push(checked);
    } else {
      chain.push(control);
    }
  }
  return chain;
}
document.addEventListener('keydown', (e) => {
  if (e.key !== 'Tab' || e.altKey || e.ctrlKey || e.metaKey || box.open || $('Form1').hidden) return;
  const chain = tabChain();
  const active = document.activeElement;
  let at = active && active.type === 'radio' ? 0 : chain.indexOf(active);
  const count = chain.length;
  at = at < 0 ? (e.shiftKey ? count - 1 : 0) : (at + (e.shiftKey ? count - 1 : 1)) % count;
  e.preventDefault();
  chain[at].focus();
});

// ---- Start: "Marco Real" selected with the focus, then the calculation.
startState();
radios[0].focus();
window.rurorovirora = { compute, decimalSeparator, ready: loadCalculation().then((exports) => {
  calc = exports;
  performance.mark('ruro-ready');
  document.documentElement.dataset.ready = 'true';
}) };
