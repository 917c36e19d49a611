// The window's behaviour: the six commands, the tab order with the option
// group in one place, the boxes, and the calculation in WebAssembly.
'use strict';

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

// Texts in, six display texts (empty on a refusal) and the refusal out. The
// texts go straight into the module's memory as UTF-8: plain ASCII by hand,
// the rest by encodeInto (a TextEncoder per text would cost more than the
// calculation).
let view = null;
function bytesView() {
  if (!view || view.buffer !== calc.memory.buffer) view = new Uint8Array(calc.memory.buffer);
  return view;
}
function put(text, at) {
  const memory = bytesView();
  let n = 0;
  for (; n < text.length; ++n) {
    const c = text.charCodeAt(n);
    if (c >= 0x80) return n + encoder.encodeInto(text.slice(n), memory.subarray(at + n)).written;
    memory[at + n] = c;
  }
  return n;
}
function compute(system, hectares, distance, length, width, diameter, separator) {
  const texts = [hectares, distance, length, width, diameter, separator];
  let most = 0;
  for (const t of texts) most += 3 * t.length;  // UTF-8 takes at most 3 bytes a UTF-16 unit
  let at = calc.ruro_buffer(most);
  const sizes = texts.map((t) => {
    const n = put(t, at);
    at += n;
    return n;
  });
  const refusal = calc.ruro_compute(system, sizes[0], sizes[1], sizes[2], sizes[3], sizes[4], sizes[5]);
  const out = bytesView().subarray(calc.ruro_output(), calc.ruro_output() + calc.ruro_output_size());
  const text = out.every((b) => b < 0x80) ? String.fromCharCode.apply(null, out) : decoder.decode(out);
  return { refusal, texts: text.split('\n') };
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
// Every way of closing goes through here, so the focus is back before the
// next key is read (the dialog's own close event comes a task later).
function closeBox() {
  if (!box.open) return;
  box.close();
  if (focusBefore && focusBefore.isConnected) focusBefore.focus();
  focusBefore = null;
}
$('boxOk').addEventListener('click', closeBox);
box.addEventListener('cancel', (e) => {  // Esc
  e.preventDefault();
  closeBox();
});
box.addEventListener('keydown', (e) => {
  if (e.key === 'Enter' || e.key === 'Escape') {
    e.preventDefault();
    closeBox();
  }
});

// ---- The commands.
function calculate() {
  if (!calc) {
    ready.then(calculate);
    return;
  }
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
  let at = chain.indexOf(active && active.type === 'radio' ? chain.find((c) => c.type === 'radio') : active);
  const count = chain.length;
  at = at < 0 ? (e.shiftKey ? count - 1 : 0) : (at + (e.shiftKey ? count - 1 : 1)) % count;
  e.preventDefault();
  chain[at].focus();
});

// ---- The arrow keys in the option group, as the window has them: to the
// nearest button that lies wholly in the arrow's direction, selecting it; at
// the end of the group they do nothing (a browser would wrap round).
const arrows = { ArrowDown: 'down', ArrowUp: 'up', ArrowRight: 'right', ArrowLeft: 'left' };
for (const radio of radios) {
  radio.addEventListener('keydown', (e) => {
    const direction = arrows[e.key];
    if (!direction || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey) return;
    e.preventDefault();
    const from = radio.getBoundingClientRect();
    const lies = { down: (to) => to.top >= from.bottom, up: (to) => to.bottom <= from.top,
      right: (to) => to.left >= from.right, left: (to) => to.right <= from.left }[direction];
    let nearest = null;
    let distance = Infinity;
    for (const other of radios) {
      const to = other.getBoundingClientRect();
      if (other === radio || !lies(to)) continue;
      const d = Math.hypot(to.left + to.width / 2 - from.left - from.width / 2, to.top + to.height / 2 - from.top - from.height / 2);
      if (d < distance) [nearest, distance] = [other, d];
    }
    if (!nearest) return;
    nearest.checked = true;
    nearest.focus();
  });
}

// ---- Start: "Marco Real" selected with the focus, then the calculation.
startState();
radios[0].focus();
performance.mark('ruro-input');
const ready = calculationLoading.then((exports) => {
  calc = exports;
  performance.mark('ruro-ready');
  document.documentElement.dataset.ready = 'true';
});
window.rurorovirora = { compute, decimalSeparator, ready };
