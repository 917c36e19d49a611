// What the browser does for the window: its events, the page's controls and
// the boxes. What the window does is decided by form::WindowModel, compiled
// to WebAssembly with the calculation: the page tells it what the user did
// and shows what it answers.
'use strict';

const $ = (id) => document.getElementById(id);
const form1 = $('Form1');
const names = RURO.controls;  // the model names controls by their row
const rows = new Map(names.map((name, row) => [name, row]));
const radios = [...form1.querySelectorAll('input[type="radio"]')];
// A key by what it is: where an engine gives no `key` (WebKitGTK gives
// "Unidentified" for Shift+Tab), by the key's place on the keyboard.
const keyOf = (e) => (e.key && e.key !== 'Unidentified' ? e.key : { NumpadEnter: 'Enter' }[e.code] ?? e.code);

// The user's decimal separator, as the desktop window takes the system's.
function decimalSeparator() {
  try {
    const part = new Intl.NumberFormat(navigator.language).formatToParts(1.5).find((p) => p.type === 'decimal');
    return part ? part.value : '.';
  } catch {
    return '.';
  }
}

// ---- The model in WebAssembly. Texts go straight into the module's memory
// as UTF-8: plain ASCII by hand, the rest by encodeInto.
const encoder = new TextEncoder();
const decoder = new TextDecoder();
let calc = null;       // the module's exports, once started
let notStarted = false;  // the module could not be started
let view = null;
function bytesView() {
  if (!view || view.buffer !== calc.memory.buffer) view = new Uint8Array(calc.memory.buffer);
  return view;
}
function put(text) {
  const at = calc.ruro_buffer(3 * text.length);  // UTF-8 takes at most 3 bytes a UTF-16 unit
  const memory = bytesView();
  let n = 0;
  for (; n < text.length; ++n) {
    const c = text.charCodeAt(n);
    if (c >= 0x80) return n + encoder.encodeInto(text.slice(n), memory.subarray(at + n)).written;
    memory[at + n] = c;
  }
  return n;
}
// The answer as named controls: {writes: [[name, text]], select, focus, leave, box, quit}.
function named(answer) {
  return { ...answer, writes: answer.writes.map(([row, text]) => [names[row], text]),
    select: names[answer.select], focus: names[answer.focus] };
}
function answered(size) {
  const at = calc.ruro_output();
  return named(JSON.parse(decoder.decode(bytesView().subarray(at, at + size))));
}
const row = (name) => rows.get(name) ?? -1;
const windowModel = {
  edit: (name, text) => calc.ruro_edit(row(name), put(text)) === 1,
  select: (name) => calc.ruro_select(row(name)) === 1,
  start: () => answered(calc.ruro_start()),
  press: (name, separator) => answered(calc.ruro_press(row(name), put(separator))),
  tab: (name, forward) => answered(calc.ruro_tab(row(name), forward ? 1 : 0)),
  key: (name, arrow) => answered(calc.ruro_key(row(name), arrow)),
  paste: (name, replacedBytes, pastedBytes) =>
    answered(calc.ruro_paste(row(name), replacedBytes, Math.min(pastedBytes, 0xffffffff))),
};

// What the user changed reaches the model before it is next asked: a key
// only notes its field, so no key costs more than its own field's text, and
// that once, when the model needs it.
const changed = new Set();
let selectionChanged = false;
function handOver() {
  for (const name of changed) windowModel.edit(name, $(name).value);
  changed.clear();
  if (selectionChanged) windowModel.select((radios.find((r) => r.checked) ?? radios[0]).id);
  selectionChanged = false;
}
form1.addEventListener('input', (e) => { if (rows.has(e.target.id) && e.target.type === 'text') changed.add(e.target.id); });
form1.addEventListener('change', (e) => { if (e.target.type === 'radio') selectionChanged = true; });

// Asks the model once it has started (the module is compiled while the page
// already takes input); where it could not start, `otherwise` runs instead.
function withModel(ask, otherwise = () => {}) {
  if (calc) {
    handOver();
    ask();
  } else if (notStarted) {
    otherwise();
  } else {
    ready.then(() => withModel(ask, otherwise));
  }
}
let notStartedCause = null;  // what stopped the module, in the page's words
const explainNotStarted = () => inform(notStartedCause.box);

// ---- The boxes: modal, one button; Enter and Esc close; the focus returns.
const box = $('box');
let focusBefore = null;
function inform({ title, message }) {
  if (box.open) return;
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
  if (keyOf(e) === 'Enter' || keyOf(e) === 'Escape') {
    e.preventDefault();
    closeBox();
  }
});

// ---- Showing an answer: texts from their first character, the option, the
// focus, the box, the end.
function show(answer) {
  for (const [name, text] of answer.writes) {
    const control = $(name);
    control.value = text;
    control.scrollLeft = 0;
  }
  if (answer.select) $(answer.select).checked = true;
  if (answer.focus) {
    $(answer.focus).focus();
    if (answer.selectText) $(answer.focus).select();
  }
  if (answer.box) inform(answer.box);
  if (answer.quit) quit();
}

// A page cannot end its program: it closes where the browser lets a script
// close it (a tab with nothing to go back to), and otherwise says the program
// has ended and offers to start again.
function quit() {
  window.close();
  form1.hidden = true;
  $('ended').hidden = false;
  $('startAgain').focus();
}
$('startAgain').addEventListener('click', () => {
  $('ended').hidden = true;
  form1.hidden = false;
  changed.clear();
  selectionChanged = false;
  show(windowModel.start());
});

for (const button of form1.querySelectorAll('button.command')) {
  button.addEventListener('click', () =>
    withModel(() => show(windowModel.press(button.id, decimalSeparator())), explainNotStarted));
}

// ---- The focus ring shows on whatever the keyboard reached, whoever moved
// the focus there (an engine may not count a focus moved by script as the
// keyboard's): a key marks the page as driven by the keyboard, the pointer
// unmarks it.
const root = document.documentElement;
document.addEventListener('keydown', (e) => {
  if (!['Shift', 'Control', 'Alt', 'Meta'].includes(keyOf(e))) root.dataset.keyboard = '';
}, true);
document.addEventListener('pointerdown', () => { delete root.dataset.keyboard; }, true);

// ---- Tab and Shift+Tab go along the model's chain. From its ends the
// browser moves the focus on out of the page, as from any page, so the
// keyboard never stays caught in the window: for that one key the window's
// controls stand aside.
function letTheBrowserMoveOn() {
  const stops = [...form1.querySelectorAll('[tabindex], input, button')].filter((e) => e.tabIndex >= 0);
  const before = stops.map((e) => e.getAttribute('tabindex'));
  for (const e of stops) e.tabIndex = -1;
  setTimeout(() => stops.forEach((e, i) => {
    if (before[i] === null) e.removeAttribute('tabindex');
    else e.setAttribute('tabindex', before[i]);
  }));
}
const controlOf = (element) => (element && form1.contains(element) ? element.dataset.for ?? element.id : '');
document.addEventListener('keydown', (e) => {
  if (keyOf(e) !== 'Tab' || e.altKey || e.ctrlKey || e.metaKey || box.open || form1.hidden || notStarted) return;
  const from = controlOf(document.activeElement);
  if (!calc) {
    e.preventDefault();
    withModel(() => show(windowModel.tab(from, !e.shiftKey)));
    return;
  }
  handOver();
  const answer = windowModel.tab(from, !e.shiftKey);
  if (answer.leave) {
    letTheBrowserMoveOn();
    return;
  }
  e.preventDefault();
  show(answer);
});

// ---- The arrow keys in the option group, as the window has them (a browser
// would wrap round at the group's ends).
const arrows = { ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3 };
for (const radio of radios) {
  radio.addEventListener('keydown', (e) => {
    const arrow = arrows[keyOf(e)];
    if (arrow === undefined || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey || notStarted) return;
    e.preventDefault();
    withModel(() => show(windowModel.key(radio.id, arrow)));
  });
}

// ---- Pastes and drops: the model takes them or refuses them with its box,
// the field staying exactly as it was. Typing is never limited.
function utf8Bytes(text) {
  let n = text.length;
  for (let i = 0; i < text.length; ++i) {
    const c = text.charCodeAt(i);
    if (c < 0x80) continue;
    if (c < 0x800) {
      n += 1;
    } else {
      n += 2;  // three bytes, or four for a pair of units
      if ((c & 0xfc00) === 0xd800 && (text.charCodeAt(i + 1) & 0xfc00) === 0xdc00) ++i;
    }
  }
  return n;
}
// The answer to pasting `text` in place of `replaced`: a paste refused even
// counted at its fewest bytes (one a character) or taken at its most (three)
// needs no count of its bytes, which for 50 MB would take a while.
function pasteAnswer(name, replaced, text) {
  const replacedBytes = utf8Bytes(replaced);
  const fewest = windowModel.paste(name, replacedBytes, text.length);
  if (fewest.box) return fewest;
  const most = windowModel.paste(name, replacedBytes, 3 * text.length);
  return most.box ? windowModel.paste(name, replacedBytes, utf8Bytes(text)) : most;
}
const isField = (e) => e instanceof HTMLInputElement && e.type === 'text' && rows.has(e.id);
const selected = (field) => field.value.slice(field.selectionStart ?? 0, field.selectionEnd ?? 0);
function judgePaste(e, field, text, replaced) {
  if (calc) {
    handOver();
    const answer = pasteAnswer(field.id, replaced, text);
    if (!answer.box) return;
    e.preventDefault();
    show(answer);
    return;
  }
  // Before the model has started the paste waits for it; where it cannot
  // start, the page says why.
  e.preventDefault();
  const [start, end] = [field.selectionStart ?? field.value.length, field.selectionEnd ?? field.value.length];
  withModel(() => {
    const answer = pasteAnswer(field.id, field.value.slice(start, end), text);
    if (answer.box) return show(answer);
    field.setRangeText(text.replace(/[\r\n]+/g, ''), start, end, 'end');
    changed.add(field.id);
  }, explainNotStarted);
}
form1.addEventListener('paste', (e) => {
  if (isField(e.target)) judgePaste(e, e.target, e.clipboardData?.getData('text/plain') ?? '', selected(e.target));
});
form1.addEventListener('drop', (e) => {
  if (isField(e.target)) judgePaste(e, e.target, e.dataTransfer?.getData('text/plain') ?? '', '');
});
const pasting = /^insertFrom|^insertReplacementText$/;
form1.addEventListener('beforeinput', (e) => {
  if (!isField(e.target) || !pasting.test(e.inputType)) return;
  const text = e.data ?? e.dataTransfer?.getData('text/plain') ?? '';
  judgePaste(e, e.target, text, e.inputType === 'insertFromDrop' ? '' : selected(e.target));
});

// ---- The diameter list: an editable combobox with its own list of every
// entry, opened by its button, Alt+Down or F4; Up and Down move in it, Enter
// or a click picks, Esc closes it and keeps the text.
for (const combo of form1.querySelectorAll('[role="combobox"]')) {
  const list = $(combo.getAttribute('aria-controls'));
  const entries = [...list.querySelectorAll('[role="option"]')];
  const button = form1.querySelector(`[data-for="${combo.id}"]`);
  let active = -1;
  const mark = (i) => {
    active = i;
    entries.forEach((entry, k) => entry.setAttribute('aria-selected', String(k === i)));
    if (i < 0) {
      combo.removeAttribute('aria-activedescendant');
      return;
    }
    combo.setAttribute('aria-activedescendant', entries[i].id);
    entries[i].scrollIntoView({ block: 'nearest' });
  };
  const expanded = (open) => {
    list.hidden = !open;
    combo.setAttribute('aria-expanded', String(open));
    button.setAttribute('aria-expanded', String(open));
  };
  const open = () => {
    expanded(true);
    mark(entries.findIndex((entry) => entry.textContent === combo.value));
  };
  const close = () => {
    expanded(false);
    mark(-1);
  };
  const pick = (i) => {
    combo.value = entries[i].textContent;
    changed.add(combo.id);
    close();
    combo.focus();
  };
  combo.addEventListener('keydown', (e) => {
    const key = keyOf(e);
    if (key === 'F4' || (e.altKey && (key === 'ArrowDown' || key === 'ArrowUp'))) {
      e.preventDefault();
      if (list.hidden && key !== 'ArrowUp') open();
      else close();
      return;
    }
    if (list.hidden) {
      if (key === 'ArrowDown' && !e.ctrlKey && !e.metaKey) {
        e.preventDefault();
        open();
      }
      return;
    }
    if (key === 'ArrowDown' || key === 'ArrowUp') {
      e.preventDefault();
      mark(key === 'ArrowDown' ? Math.min(active + 1, entries.length - 1) : Math.max(active - 1, 0));
    } else if (key === 'Enter') {
      e.preventDefault();
      if (active >= 0) pick(active);
      else close();
    } else if (key === 'Escape') {
      e.preventDefault();
      close();
    } else if (key === 'Tab') {
      close();
    }
  });
  combo.addEventListener('blur', close);
  // The button and the entries leave the focus in the field.
  for (const target of [button, list]) target.addEventListener('mousedown', (e) => e.preventDefault());
  button.addEventListener('click', () => {
    if (list.hidden) open();
    else close();
    combo.focus();
  });
  entries.forEach((entry, i) => entry.addEventListener('click', () => pick(i)));
}

// ---- Start: the model's start state (from the page's description) while
// the module is compiled; where it cannot be started, the page says so.
show(named(RURO.start));
performance.mark('ruro-input');
const ready = calculationLoading.then((exports) => {
  calc = exports;
  handOver();
  performance.mark('ruro-ready');
  document.documentElement.dataset.ready = 'true';
}, (failure) => {
  notStarted = true;
  // Each cause has its own words: the line over the window and the box.
  notStartedCause = RURO.notStarted[failure?.cause] ?? RURO.notStarted.damaged;
  $('notStarted').textContent = notStartedCause.line;
  $('notStarted').hidden = false;
  document.documentElement.dataset.ready = 'failed';
});
window.rurorovirora = { model: windowModel, decimalSeparator, ready, memoryBytes: () => calc?.memory.buffer.byteLength ?? 0 };
