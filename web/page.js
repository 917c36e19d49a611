// What the browser does for the window: its events, the page's controls and
// the boxes. What the window does is decided by form::WindowModel, compiled
// to WebAssembly with the calculation: the page tells it what the user did
// and shows what it answers. build_page.mjs puts this script and loader.js
// in one function, called with the page's description (RURO): nothing of
// it is the window object's.
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
// as UTF-8: plain ASCII by hand, the rest by encodeInto. The model keeps no
// copy of the fields' texts: when a command or a paste needs one, it asks
// for it through the module's one import, fieldText.
const encoder = new TextEncoder();
const decoder = new TextDecoder();
let calc = null;  // the module's exports, once started
let notStarted = null;  // or what stopped it, in the page's words
let view = null;
function bytesView() {
  if (!view || view.buffer !== calc.memory.buffer) view = new Uint8Array(calc.memory.buffer);
  return view;
}
// Puts the texts one after the other into the module's buffer; their sizes in bytes.
function put(...texts) {
  // UTF-8 takes at most 3 bytes a UTF-16 unit.
  let at = calc.ruro_buffer(3 * texts.reduce((units, text) => units + text.length, 0));
  const memory = bytesView();
  return texts.map((text) => {
    let n = 0;
    for (; n < text.length && text.charCodeAt(n) < 0x80; ++n) memory[at + n] = text.charCodeAt(n);
    if (n < text.length) n += encoder.encodeInto(text.slice(n), memory.subarray(at + n)).written;
    at += n;
    return n;
  });
}
const fieldText = (row) => put($(names[row])?.value ?? '')[0];
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
// The option the user selected reaches the model before it is next asked
// (the fields' texts it reads from the page itself).
let selectionChanged = false;
form1.addEventListener('change', (e) => { if (e.target.type === 'radio') selectionChanged = true; });
function handOver() {
  if (selectionChanged) calc.ruro_select(row((radios.find((r) => r.checked) ?? radios[0]).id));
  selectionChanged = false;
}
const windowModel = {
  start: () => answered(calc.ruro_start()),
  press: (name) => answered(calc.ruro_press(row(name), ...put(decimalSeparator()))),
  tab: (name, forward) => answered(calc.ruro_tab(row(name), forward ? 1 : 0)),
  key: (name, arrow) => answered(calc.ruro_key(row(name), arrow)),
  paste: (name, replaced, inserted) => answered(calc.ruro_paste(row(name), ...put(replaced, inserted))),
};

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

// ---- Showing an answer, each text from its first character.
function show(answer) {
  for (const [name, text] of answer.writes) $(name).value = text;
  // After all the writes: the page is laid out once, not once a field.
  for (const [name] of answer.writes) $(name).scrollLeft = 0;
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
  selectionChanged = false;
  show(windowModel.start());
});

// Where the calculation could not start, every command says why.
for (const button of form1.querySelectorAll('button.command')) {
  button.addEventListener('click', () => {
    if (!calc) return inform(notStarted.box);
    handOver();
    show(windowModel.press(button.id));
  });
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
  if (keyOf(e) !== 'Tab' || e.altKey || e.ctrlKey || e.metaKey || box.open || form1.hidden || !calc) return;
  handOver();
  const answer = windowModel.tab(controlOf(document.activeElement), !e.shiftKey);
  if (answer.leave) {
    letTheBrowserMoveOn();
    return;
  }
  e.preventDefault();
  show(answer);
});

// ---- The arrow keys in the option group, as the window has them (a browser
// would wrap round at the group's ends); the model numbers them.
for (const radio of radios) {
  radio.addEventListener('keydown', (e) => {
    const arrow = RURO.arrowKeys[keyOf(e)];
    if (arrow === undefined || e.altKey || e.ctrlKey || e.metaKey || e.shiftKey || !calc) return;
    e.preventDefault();
    handOver();
    show(windowModel.key(radio.id, arrow));
  });
}

// ---- Text arriving in one piece (a paste, a drop, a keyboard's suggestion,
// dictation, or a key's one character), which every browser announces by a
// cancellable `beforeinput`: the model takes it or refuses it with its box,
// the field staying exactly as it was. It decides from the field's text, the
// selection the text replaces and the text, which the page hands over from
// its start in pieces twice as long each time: a text whose start is refused
// is refused, so for one of megabytes the model reads only a little more than
// it needs. What the browser leaves out of a line (its breaks) the model
// leaves out too.
const isHighSurrogate = (unit) => (unit & 0xfc00) === 0xd800;
function pasteAnswer(name, replaced, text) {
  for (let end = Math.min(text.length, 4096); ; end = Math.min(text.length, 2 * end)) {
    const piece = end < text.length && isHighSurrogate(text.charCodeAt(end - 1)) ? end - 1 : end;
    const answer = windowModel.paste(name, replaced, text.slice(0, piece));
    if (answer.box || end === text.length) return answer;
  }
}
const isField = (e) => e instanceof HTMLInputElement && e.type === 'text' && rows.has(e.id);
const selected = (field) => field.value.slice(field.selectionStart ?? 0, field.selectionEnd ?? 0);
// Every insertion of text the page may still refuse: typed, replaced (a
// suggestion), pasted, dropped, yanked, or composed where the browser lets
// it be cancelled. A page that cannot calculate still takes a key's or an
// input method's text (there is nothing to judge it with) and says why it
// takes no other.
const inserting = /^insert(Text|ReplacementText|CompositionText|From)/;
const typing = /^insert(Text|CompositionText)$/;
form1.addEventListener('beforeinput', (e) => {
  const field = e.target;
  if (!isField(field) || !e.cancelable || !inserting.test(e.inputType) || (!calc && typing.test(e.inputType))) return;
  if (!calc) {
    e.preventDefault();
    inform(notStarted.box);
    return;
  }
  handOver();
  const text = e.data ?? e.dataTransfer?.getData('text/plain') ?? '';
  const answer = pasteAnswer(field.id, e.inputType === 'insertFromDrop' ? '' : selected(field), text);
  if (!answer.box) return;
  e.preventDefault();
  show(answer);
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
    } else {
      combo.setAttribute('aria-activedescendant', entries[i].id);
      entries[i].scrollIntoView({ block: 'nearest' });
    }
  };
  // Opened, the list comes into view whole and marks the entry the field holds.
  const setOpen = (open) => {
    list.hidden = !open;
    if (open) list.scrollIntoView({ block: 'nearest' });
    combo.setAttribute('aria-expanded', String(open));
    button.setAttribute('aria-expanded', String(open));
    mark(open ? entries.findIndex((entry) => entry.textContent === combo.value) : -1);
  };
  const close = () => setOpen(false);
  const pick = (i) => {
    combo.value = entries[i].textContent;
    close();
    combo.focus();
  };
  combo.addEventListener('keydown', (e) => {
    const key = keyOf(e);
    if (key === 'F4' || (e.altKey && (key === 'ArrowDown' || key === 'ArrowUp'))) {
      e.preventDefault();
      setOpen(list.hidden && key !== 'ArrowUp');
      return;
    }
    if (list.hidden) {
      if (key === 'ArrowDown' && !e.ctrlKey && !e.metaKey) {
        e.preventDefault();
        setOpen(true);
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
    setOpen(list.hidden);
    combo.focus();
  });
  entries.forEach((entry, i) => entry.addEventListener('click', () => pick(i)));
}

// ---- What the tab shows (the fields' and the list's texts, the selected
// system) is kept in the tab's own session storage, so that the same tab
// shows it again when it loads the page again: after the browser discarded
// the tab or the system ended it for its memory, and after a reload. A tab
// taken back for its memory hears nothing after it was hidden: the state is
// written when the page is hidden or left, and soon after every event that
// may change it (once for a run of keys, a field may hold megabytes). It
// goes with the tab; after Salir nothing is kept. Where the storage cannot
// be used, nothing is.
const keptKey = 'rurorovirora';
const fields = [...form1.querySelectorAll('input[type="text"]')];
let keeping = 0;
function keep() {
  clearTimeout(keeping);
  keeping = 0;
  try {
    sessionStorage.removeItem(keptKey);  // a state that cannot be written is not left outdated
    if (!form1.hidden) {
      const texts = Object.fromEntries(fields.map((f) => [f.id, f.value]));
      sessionStorage.setItem(keptKey, JSON.stringify({ option: radios.find((r) => r.checked)?.id, texts }));
    }
  } catch { /* not kept */ }
}
for (const type of ['input', 'click', 'keydown']) document.addEventListener(type, () => { keeping ||= setTimeout(keep, 200); }, true);
document.addEventListener('visibilitychange', () => { if (document.hidden) keep(); });
addEventListener('pagehide', keep);
// Put back as the user made it: the texts as written, the option as a click
// chooses it, so the model hears of it as of the user's choice.
function restore() {
  let kept = null;
  try {
    kept = JSON.parse(sessionStorage.getItem(keptKey));
  } catch { /* nothing kept */ }
  const option = radios.find((r) => r.id === kept?.option);
  if (!option || !fields.every((f) => typeof kept.texts?.[f.id] === 'string')) return;
  show({ writes: fields.map((f) => [f.id, kept.texts[f.id]]) });
  if (option.checked) return;
  option.click();
  option.focus();
}

// ---- Start: the model's start state (from the page's description) and
// what the tab kept, then the calculation, started before the window takes
// its first event (loader.js); where it cannot start, the page says why. The
// two User Timing marks are bench/web_page.mjs's, which times the start by
// them.
show(named(RURO.start));
restore();
performance.mark('ruro-input');
calculation({ page: { field_text: fieldText } }).then((exports) => {
  calc = exports;
  performance.mark('ruro-ready');
}, (failure) => {
  notStarted = RURO.notStarted[failure.cause] ?? RURO.notStarted.damaged;
  $('notStarted').textContent = notStarted.line;
  $('notStarted').hidden = false;
});
