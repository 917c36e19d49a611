// The calculator page in the engine RURO_ENGINE names (tools/browser.mjs): the
// same display texts as the native calculation, the commands, the boxes, what
// the same tab shows again, the keyboard with real key events, the narrow
// layout, the printed sheet, no network, no accessibility violations, and the
// screenshots.

import assert from 'node:assert/strict';
import { readFileSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { inflateSync } from 'node:zlib';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { decodePng, engine, lacks, launch, load, openPage, pageUrl, started, versionOf } from '../../tools/browser.mjs';
import { plantation } from './cases.mjs';
import { fileURLToPath, pathToFileURL } from 'node:url';

const pagePath = process.env.RURO_PAGE;
// The page's description and the tests' view of the window (names, boxes, the paste limit).
const readJson = (path, inBuild) => JSON.parse(readFileSync(path ?? join(dirname(pagePath), inBuild), 'utf8'));
const form = { ...readJson(process.env.RURO_FORM, 'web/page_description.json'), ...readJson(process.env.RURO_TEST_VIEW, 'tests/form.json') };
const identity = JSON.parse(readFileSync(process.env.RURO_IDENTITY ?? join(dirname(pagePath), 'identity.json'), 'utf8'));
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const results = form.resultFields;
const inputs = [...Object.values(form.inputFields), 'Combo1'];
const button = (command) => Object.keys(form.commands).find((name) => form.commands[name] === command);

let browser;
before(async () => {
  browser = await launch({ extensions: true });  // in Chromium, for a tab discarded by an extension
  console.log(`engine: ${await versionOf(browser)}`);
});
after(async () => { await browser?.close(); });

async function ready(options) {
  const page = await openPage(browser, options);
  await load(page);
  return page;
}
const value = (page, id) => page.$eval(`#${id}`, (e) => e.value);
const values = (page, ids) => Promise.all(ids.map((id) => value(page, id)));
const focused = (page) => page.evaluate(() => document.activeElement?.id ?? '');
async function typeInto(page, id, text) {
  await page.click(`#${id}`);
  await page.$eval(`#${id}`, (e) => e.select());
  if (text === '') await page.keyboard.press('Delete');
  else await page.keyboard.type(text);
}
async function box(page) {
  return page.evaluate(() => {
    const d = document.getElementById('box');
    return { open: d.open, role: d.getAttribute('role'), modal: d.getAttribute('aria-modal'),
      title: document.getElementById('boxTitle').textContent, text: document.getElementById('boxText').textContent,
      buttons: [...d.querySelectorAll('button')].map((b) => b.textContent) };
  });
}
async function axeViolations(page) {
  await page.evaluate(axeSource);
  const found = await page.evaluate(async () => (await axe.run(document)).violations
    .map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`));
  return found;
}

// Calculations as the user makes them, row after row in the page: the
// system's option clicked, the five texts in their fields, Calcular clicked;
// what the six result fields and the box then show.
function calculateInPage(rows, { options, calculate, inputs, results }) {
  const $ = (id) => document.getElementById(id);
  return rows.map(([system, ...texts]) => {
    $(options[system]).click();
    texts.forEach((text, i) => { $(inputs[i]).value = text; });
    $(calculate).click();
    const box = $('box').open ? { title: $('boxTitle').textContent, message: $('boxText').textContent } : null;
    if (box) $('boxOk').click();
    return { box, texts: results.map((id) => $(id).value) };
  });
}
const names = {
  options: Object.fromEntries(form.controls.filter((c) => c.kind === 'option').map((c) => [c.system, c.name])),
  calculate: button('calculate'), inputs, results,
};
// The refusals' boxes by the number the identity table gives them.
const refusalsByNumber = Object.fromEntries(Object.values(form.refusals).map(({ number, title, message }) => [number, { title, message }]));

describe('the calculation in the page gives the native display texts', () => {
  // Each decimal separator in a page whose browser's language uses it.
  const languages = { '.': 'en-US', ',': 'es-ES', '٫': 'ar-EG' };
  test('every row of the identity table, refusals included, under ".", "," and "٫" in a language that writes it', async () => {
    assert.ok(identity.length > 9000, `only ${identity.length} rows`);
    assert.ok(identity.some((r) => r[7] !== 0), 'no refusal in the table');
    assert.ok(identity.some((r) => r.slice(8).some((t) => t.includes('E+'))), 'no exponent form in the table');
    for (const [separator, language] of Object.entries(languages)) {
      const rows = identity.filter((r) => r[6] === separator);
      assert.ok(rows.length > 3000, `only ${rows.length} rows under "${separator}"`);
      const page = await ready({ language });
      const shown = await page.evaluate(calculateInPage, rows.map((r) => r.slice(0, 6)), names);
      const differences = rows.flatMap((row, i) => {
        const [refusal, ...texts] = row.slice(7);
        const expected = { box: refusal ? refusalsByNumber[refusal] : null, texts };
        return JSON.stringify(shown[i]) === JSON.stringify(expected) ? [] : [{ row, shown: shown[i] }];
      });
      assert.deepEqual(differences.slice(0, 10), [], `${differences.length} rows differ under "${separator}" (${language})`);
      await page.close();
    }
  });
});

describe('the window', () => {
  // Every field holds a number: it asks a phone for the decimal keypad, whose
  // Enter says "done", and stays a text field.
  test('starts with ten fields "0", diameter "3" and "Marco Real" selected with the focus; every field asks for the decimal keypad', async () => {
    const page = await ready();
    const start = Object.fromEntries(form.controls.filter((c) => c.kind === 'text' || c.kind === 'combo').map((c) => [c.name, c.caption]));
    for (const [id, text] of Object.entries(start)) assert.equal(await value(page, id), text, id);
    const fields = await page.$$eval('#Form1 input:not([type="radio"])', (all) => all.map((e) =>
      [e.id, e.type, e.getAttribute('inputmode'), e.getAttribute('enterkeyhint')]).sort());
    assert.deepEqual(fields, Object.keys(start).sort().map((id) => [id, 'text', 'decimal', 'done']));
    assert.equal(await focused(page), 'Option1');
    assert.equal(await page.$eval('#Option1', (e) => e.checked), true);
    assert.equal(await page.title(), form.title);
    assert.equal(await page.$eval('html', (e) => e.lang), 'es');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  for (const width of [1280, 735]) test(`at ${width} px every control stands at its place, 15 twips to a pixel`, async () => {
    const page = await ready({ width, height: 720 });
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth) <= width, 'scrolls sideways');
    const origin = await page.$eval('#Form1', (e) => e.getBoundingClientRect().toJSON());
    for (const c of form.controls) {
      const [left, top] = c.inWindow;
      const selector = c.kind === 'option' ? `label:has(#${c.name})` : `#${c.name}`;
      const r = await page.$eval(selector, (e) => e.getBoundingClientRect().toJSON());
      const expected = [left, top, c.width, c.height].map((t) => t / form.twipsPerPixel);
      const got = [r.x - origin.x, r.y - origin.y, r.width, r.height];
      if (c.kind === 'picture') got.splice(2, 2, expected[2], expected[3]);  // drawn at its own size
      got.forEach((g, i) => assert.ok(Math.abs(g - expected[i]) < 0.5, `${c.name}: ${got} not ${expected}`));
    }
    // No caption runs out of its control.
    const cut = await page.evaluate(() => [...document.querySelectorAll('.label, .command, .option, legend')].filter((e) => {
      const range = document.createRange();
      range.selectNodeContents(e);
      const text = range.getBoundingClientRect();
      const box = (e.tagName === 'LEGEND' ? e.parentElement : e).getBoundingClientRect();
      return text.left < box.left - 0.5 || text.right > box.right + 0.5;
    }).map((e) => e.textContent));
    assert.deepEqual(cut, []);
    await page.close();
  });

  test('typing and clicking through two calculations, in the language\'s separator', async () => {
    const page = await ready({ language: 'es-ES' });
    const square = plantation('worked_square', ',');
    const option = (system) => form.options[system];
    assert.equal(option(square.system), 'Option1');
    await typeInto(page, form.inputFields.hectares, square.hectares);
    await typeInto(page, form.inputFields.distance, square.distance);
    await typeInto(page, 'Combo1', square.diameter);
    await page.click(`#${button('calculate')}`);
    assert.deepEqual(await values(page, results), square.results);

    // Rectangular by the arrow keys: from "Marco Real" down past "Tresbolillo".
    const rectangular = plantation('worked_rectangular', ',');
    await page.focus('#Option1');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    const chosen = option(rectangular.system);
    assert.equal(await page.$eval(`#${chosen}`, (e) => e.checked), true);
    assert.equal(await focused(page), chosen);
    await typeInto(page, form.inputFields.hectares, rectangular.hectares);
    await typeInto(page, form.inputFields.length, rectangular.length);
    await typeInto(page, form.inputFields.width, rectangular.width);
    await page.focus(`#${button('calculate')}`);
    await page.keyboard.press('Enter');
    assert.deepEqual(await values(page, results), rectangular.results);
    assert.equal((await box(page)).open, false);
    await page.close();
  });

  test('a refusal keeps every input as typed, empties the results and says why in a modal box', async () => {
    const page = await ready();
    await typeInto(page, 'Text1', '10 ha');
    await typeInto(page, 'Text8', '7');
    await page.click('#Command2');
    await typeInto(page, 'Text4', 'algo escrito');
    await typeInto(page, 'Text8', ' 0,5');  // a comma ends the number: 0
    await typeInto(page, 'Combo1', '12 pulg');
    const typed = await values(page, inputs);
    await page.click('#Command2');
    const shown = await box(page);
    assert.deepEqual(shown, { open: true, role: 'alertdialog', modal: 'true', title: form.refusals.ZeroDistance.title,
      text: form.refusals.ZeroDistance.message, buttons: [form.okButton] });
    assert.deepEqual(await values(page, inputs), typed);
    assert.deepEqual(await values(page, results), results.map(() => ''));
    assert.equal(await focused(page), 'boxOk');
    await page.keyboard.press('Enter');
    assert.equal((await box(page)).open, false);
    assert.equal(await focused(page), 'Command2');
    await page.close();
  });

  test('the three boxes show their texts; Esc and Enter close them and the focus returns', async () => {
    const page = await ready();
    for (const [button, name] of [['Command4', 'about'], ['Command5', 'help'], ['Command6', 'varieties']]) {
      for (const key of ['Escape', 'Enter']) {
        await page.focus(`#${button}`);
        await page.keyboard.press('Space');
        const shown = await box(page);
        assert.equal(shown.open, true, button);
        assert.equal(shown.title, form.boxes[name].title);
        assert.equal(shown.text, form.boxes[name].message);
        // Modal: a click beside the box reaches nothing behind it.
        await page.mouse.click(5, 5);
        assert.equal((await box(page)).open, true);
        await page.keyboard.press(key);
        assert.equal((await box(page)).open, false, `${key} closes`);
        assert.equal(await focused(page), button);
      }
    }
    await page.close();
  });

  test('Reset writes "0" into the ten fields and keeps the diameter and the system', async () => {
    const page = await ready();
    await page.click('label:has(#Option3)');
    await typeInto(page, 'Combo1', '19');
    for (const id of ['Text1', 'Text3', 'Text8', 'Text10']) await typeInto(page, id, 'x1');
    await page.click('#Command3');
    for (const id of [...Object.values(form.inputFields), ...results]) assert.equal(await value(page, id), form.zero);
    assert.equal(await value(page, 'Combo1'), '19');
    assert.equal(await page.$eval('#Option3', (e) => e.checked), true);
    await page.close();
  });

  test('Salir ends the program: the page says so, and starting again shows the start state', async () => {
    // A tab with a page to go back to, which no script may close (Firefox
    // closes a tab whose page it opened alone, as the page asks).
    const page = await openPage(browser);
    await page.goto('data:text/html,<title>before</title>');
    await load(page);
    await typeInto(page, 'Text1', '25');
    await page.click('label:has(#Option2)');
    await page.click('#Command1');
    assert.equal(await page.$eval('#Form1', (e) => e.hidden), true);
    assert.equal(await page.$eval('#ended', (e) => e.hidden), false);
    assert.match(await page.$eval('#ended', (e) => e.textContent), new RegExp(form.pageEnded.replace(/[.]/g, '\\.')));
    assert.equal(await focused(page), 'startAgain');
    await page.keyboard.press('Enter');
    assert.equal(await page.$eval('#Form1', (e) => e.hidden), false);
    assert.equal(await value(page, 'Text1'), '0');
    assert.equal(await page.$eval('#Option1', (e) => e.checked), true);
    assert.equal(await focused(page), 'Option1');
    await page.close();
  });
});

// What the tab shows, kept for the same tab. Where it is to be kept, the user
// calculated, then typed one more text (the distance, which the rectangular
// system leaves out); where the start state is expected, chose a system.
describe('the same tab loading the page again', () => {
  const typed = plantation('rectangular_typed_diameter');
  const option = form.options[typed.system];
  const texts = [...inputs, ...results];
  const shown = async (page) => [...await values(page, texts), await page.$eval('[name="system"]:checked', (e) => e.id)];
  const start = [...texts.map((id) => form.controls.find((c) => c.name === id).caption), 'Option1'];
  async function calculate(page) {
    await page.click(`label:has(#${option})`);
    for (const what of ['hectares', 'length', 'width']) await typeInto(page, form.inputFields[what], typed[what]);
    await typeInto(page, 'Combo1', typed.diameter);
    await page.click(`#${button('calculate')}`);
    assert.deepEqual(await values(page, results), typed.results);
    await typeInto(page, form.inputFields.distance, '7');
  }
  async function reload(page) {
    await page.reload();
    await started(page);
    return page;
  }
  // Discarded in the background by the browser's own means (a small
  // extension, tests/web/discard), then shown again.
  async function discard() {
    const id = await browser.installExtension(fileURLToPath(new URL('discard', import.meta.url)));
    const worker = await (await browser.waitForTarget((t) => t.type() === 'service_worker' && t.url().includes(id))).worker();
    const other = await browser.newPage();
    await other.bringToFront();
    assert.equal(await worker.evaluate((url) => self.discardAndShow(url), pageUrl()), true, 'discarded');
    const back = await (await browser.waitForTarget((t) => t.type() === 'page' && t.url() === pageUrl())).page();
    await started(back);
    assert.equal(await back.evaluate(() => document.wasDiscarded), true);
    await Promise.all([other.close(), browser.uninstallExtension(id)]);
    return back;
  }
  // The page's process ends half a second after the last key, with no
  // event, as when the system ends it; the tab loads the page again.
  async function crash(page) {
    await new Promise((resolve) => setTimeout(resolve, 500));
    const session = await page.createCDPSession();
    await new Promise((resolve) => {
      page.once('error', resolve);
      session.send('Page.crash').catch(() => {});
    });
    return reload(page);
  }
  const rows = [
    { name: 'a reload shows the texts, the system and the results again; Calcular uses that system', back: reload, kept: true },
    { name: 'a tab the browser discarded shows them again', skip: lacks.extensions, back: discard, kept: true },
    { name: 'a tab whose page ended without an event shows them again', skip: lacks.devtools, back: crash, kept: true },
    { name: 'after Reset, a reload shows what Reset left', leave: (page) => page.click('#Command3'), back: reload, kept: true },
    { name: 'after Salir, a reload shows the start state', history: true, leave: (page) => page.click('#Command1'), back: reload },
    { name: 'another tab shows the start state', skip: lacks.tabs, back: () => ready() },
    { name: 'a session storage that cannot be used: the start state, no error', back: reload,
      prepare: () => Object.defineProperty(window, 'sessionStorage', { get: () => { throw new DOMException('no', 'SecurityError'); } }) },
    { name: 'a kept state the page cannot read: the start state', back: reload, prepare: () => {
      if (location.protocol === 'file:') sessionStorage.setItem('rurorovirora', '{"option":"Option2","texts":{"Text1":"5"}}');
    } },
  ];
  for (const { name, skip, history, prepare, leave, back, kept } of rows) test(name, { skip }, async () => {
    const page = await openPage(browser);
    if (prepare) await page.evaluateOnNewDocument(prepare);
    if (history) await page.goto('data:text/html,<title>before</title>');  // Salir then leaves the tab open
    await load(page);
    await (kept ? calculate(page) : page.click(`label:has(#${option})`));
    await leave?.(page);
    const expected = kept ? await shown(page) : start;
    const again = await back(page);
    assert.deepEqual(await shown(again), expected);
    assert.deepEqual(again.errors ?? page.errors, []);  // a page back from a discard keeps no log
    if (kept && !leave) {
      await again.click(`#${button('calculate')}`);
      assert.deepEqual(await values(again, results), typed.results);
    }
    for (const p of new Set([page, again])) if (!p.isClosed?.()) await p.close();
  });
});

describe('the keyboard', () => {
  // The window's tab order: by tab index, the option group in one place.
  const chain = form.controls.filter((c) => !['frame', 'label'].includes(c.kind))
    .sort((a, b) => form.tabIndices[a.name] - form.tabIndices[b.name]).map((c) => (c.kind === 'option' ? 'group' : c.name))
    .filter((name, i, all) => name !== 'group' || all.indexOf('group') === i);

  // Past the chain's ends the browser moves the focus on, out of the page, as
  // from any page: a keyboard user is never caught in the window.
  // Where the focus went first after `press`: "outside" when the window let
  // it go to the browser (headless Chromium, having no bar of its own to
  // take it, may then give it back to the page).
  // An engine with nowhere outside the page to put the focus (MiniBrowser
  // under WebKitWebDriver, headless Firefox) may leave it where it was: a
  // Tab the page did not take (not default-prevented) that moved nothing
  // counts as let go to the browser too.
  const firstMove = async (page, press) => {
    await page.evaluate(() => {
      window.moves = [];
      window.tabTaken = null;
      document.addEventListener('focusout', (e) => window.moves.push(e.relatedTarget?.id ?? 'outside'), true);
      // On the window, after the page's own listener on the document.
      window.addEventListener('keydown', (e) => {
        if (e.key === 'Tab' || e.code === 'Tab') window.tabTaken ??= e.defaultPrevented;
      });
    });
    await press(page);
    return page.evaluate(() => (window.moves.length === 0 && window.tabTaken === false ? 'outside' : window.moves[0]));
  };
  const shiftTab = async (page) => {
    await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    await page.keyboard.up('Shift');
  };
  test('Tab and Shift+Tab follow the tab indices, the group entered at its selected button, and leave at the ends', async () => {
    for (const [width, selected] of [[1280, 'Option1'], [360, 'Option3']]) {
      const page = await ready({ width, height: 740 });
      await page.click(`label:has(#${selected})`);
      await page.focus(`#${selected}`);
      const expected = chain.map((name) => (name === 'group' ? selected : name));
      const forward = [];
      for (let i = 0; i < expected.length; ++i) {
        forward.push(await focused(page));
        if (i + 1 < expected.length) await page.keyboard.press('Tab');
      }
      assert.deepEqual(forward, expected, `forward at ${width} px`);
      assert.equal(await firstMove(page, (p) => p.keyboard.press('Tab')), 'outside',
        `Tab from ${expected.at(-1)} leaves the window at ${width} px`);
      await page.focus(`#${expected.at(-1)}`);
      const backward = [await focused(page)];
      for (let i = 1; i < expected.length; ++i) {
        await shiftTab(page);
        backward.push(await focused(page));
      }
      assert.deepEqual(backward, [...expected].reverse(), `backward at ${width} px`);
      assert.equal(await firstMove(page, shiftTab), 'outside', `Shift+Tab from ${selected} leaves the window at ${width} px`);
      // The controls are in the chain again for the next time round, and Tab
      // from outside the window enters it at the first stop.
      await page.evaluate(() => new Promise((done) => setTimeout(done, 50)));
      assert.deepEqual(await page.$$eval('#Form1 [tabindex="-1"]', (all) => all.map((e) => e.dataset.for ?? e.id)), ['Combo1']);
      await page.evaluate(() => document.activeElement?.blur());
      await page.keyboard.press('Tab');
      assert.equal(await focused(page), selected, 'Tab from outside enters at the first stop');
      await page.close();
    }
  });

  test('the arrow keys move through the option group top to bottom and stop at its ends', async () => {
    for (const width of [1280, 360]) {
      const page = await ready({ width, height: 740 });
      const seen = [];
      for (const key of ['ArrowUp', 'ArrowLeft', 'ArrowDown', 'ArrowDown', 'ArrowDown', 'ArrowRight', 'ArrowUp', 'ArrowUp']) {
        await page.keyboard.press(key);
        seen.push(await page.evaluate(() => `${document.activeElement.id}:${document.querySelector('[name="system"]:checked').id}`));
      }
      assert.deepEqual(seen, ['Option1:Option1', 'Option1:Option1', 'Option3:Option3', 'Option2:Option2',
        'Option2:Option2', 'Option2:Option2', 'Option3:Option3', 'Option1:Option1'], `at ${width} px`);
      await page.close();
    }
  });
  // Tab and Shift+Tab into a field or the list's text select its whole
  // text, as in the desktop windows: the next key typed replaces it. The
  // field is left with its caret after a typed "7"; the control Tab starts
  // from is clicked where a click does nothing else, or else focused.
  const stop = (name, step) => {
    const next = chain[(chain.indexOf(name) + step + chain.length) % chain.length];
    return next === 'group' ? 'Option1' : next;
  };
  for (const [field, forward] of [[form.inputFields.distance, true], [form.inputFields.distance, false],
    ['Combo1', true], ['Combo1', false]]) {
    const key = forward ? 'Tab' : 'Shift+Tab';
    test(`${key} into ${field} selects its text: "7" typed, the focus away and back, "8" leaves "8"`, async () => {
      const page = await ready();
      await page.click(`#${field}`);
      await page.keyboard.type('7');
      const from = stop(field, forward ? -1 : 1);
      if (/^Text/.test(from)) await page.click(`#${from}`);
      else await page.focus(`#${from}`);
      if (forward) await page.keyboard.press('Tab');
      else await shiftTab(page);
      assert.equal(await focused(page), field, `${key} from ${from}`);
      await page.keyboard.type('8');
      assert.equal(await value(page, field), '8');
      await page.close();
    });
  }

  // The focus ring on a control the keyboard reached, though the page moved
  // the focus there; none on a button clicked.
  const ring = (page, id) => page.$eval(`#${id}`, (e) => {
    const style = getComputedStyle(e);
    return style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) > 0;
  });
  test('a field clicked, then Tab to Calcular, Reset and Acerca: each shows the focus ring; a clicked button none', async () => {
    const page = await ready();
    await page.click(`#${form.inputFields.distance}`);
    const seen = [];
    for (let i = 0; i < 3; ++i) {
      await page.keyboard.press('Tab');
      const id = await focused(page);
      seen.push([id, await ring(page, id)]);
    }
    assert.deepEqual(seen, ['calculate', 'reset', 'about'].map((command) => [button(command), true]));
    await page.click(`#${button('reset')}`);
    assert.equal(await ring(page, button('reset')), false, 'a click shows no ring');
    await page.close();
  });
});

// A phone or a tablet, upright or on its side: Chromium emulates its touch
// screen (the main pointer coarse) and viewport; the other engines lay out
// only the 360 px one the same, by its width. Calcular and the last result end
// within `reach` screen heights from the top.
const screens = [['a phone upright', 360, 740, 1], ['a phone on its side', 740, 360, 2],
  ['a wide phone on its side', 844, 390, 2], ['a tablet upright', 768, 1024, 2], ['a tablet on its side', 1024, 768, 2]];
const reach = 1.75;
describe('a touch screen', () => {
  for (const [name, width, height, columns] of screens) test(`${name}, ${width} x ${height}: ${columns} column(s), ` +
    `nothing sideways or overlapping, targets of 44 px with 16 px text, Calcular and the results within ${reach} ` +
    'screens, the diameter list\'s 44 px entries on the screen', { skip: width !== 360 && lacks.mobile }, async () => {
    const page = await ready({ width, height, mobile: true });
    const layout = await page.evaluate(() => {
      // An option's target is its whole caption, the label around the button.
      const boxes = [...document.querySelectorAll('.ctl')].map((e) => {
        const r = e.getBoundingClientRect();
        const ancestors = [];
        for (let p = e.parentElement; p; p = p.parentElement) if (p.id) ancestors.push(p.id);
        return { id: e.id || e.querySelector('input').id, interactive: e.matches('button, input, label.option, img, .combobox'),
          left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height, ancestors,
          text: e.matches('img') ? null : parseFloat(getComputedStyle(e.querySelector('.combo') ?? e).fontSize),
          reach: (r.bottom + scrollY) / innerHeight };
      });
      return { scrollWidth: document.documentElement.scrollWidth, clientWidth: document.documentElement.clientWidth, boxes };
    });
    assert.ok(layout.scrollWidth <= width, `scroll width ${layout.scrollWidth}`);
    for (const b of layout.boxes) {
      assert.ok(b.left >= 0 && b.right <= width, `${b.id} leaves the screen: ${b.left}..${b.right}`);
      if (b.interactive) assert.ok(b.height >= 44 && b.width >= 44 && (b.text ?? 16) >= 16, `${b.id}: ${b.width} x ${b.height}, ${b.text} px`);
    }
    for (const a of layout.boxes) {
      for (const b of layout.boxes) {
        if (a === b || a.ancestors.includes(b.id) || b.ancestors.includes(a.id)) continue;
        const overlap = Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
          Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5;
        assert.ok(!overlap, `${a.id} overlaps ${b.id}`);
      }
    }
    // One column: input frame, Calcular, results, the other commands; two:
    // the results beside the inputs, Calcular and the other commands below.
    const at = (id) => layout.boxes.find((b) => b.id === id);
    const top = (id) => at(id).top;
    assert.ok(columns === 1 ? top('Frame1') < top('Command2') && top('Command2') < top('Frame4') && top('Frame4') < top('Command5')
      : top('Frame1') === top('Frame4') && top('Frame4') < top('Command2') && top('Command2') < top('Command5'));
    const last = Math.max(...results.map((id) => at(id).reach));
    assert.ok(at('Command2').reach <= reach && last <= reach, `Calcular ends at ${at('Command2').reach}, the results at ${last} screens`);

    await page.click('[data-for="Combo1"]');
    const list = await page.$eval('#Combo1List', (e) => ({ shown: !e.hidden, field: e.parentElement.getBoundingClientRect().top,
      ...e.getBoundingClientRect().toJSON(), entries: [...e.children].map((entry) => entry.getBoundingClientRect().height) }));
    assert.deepEqual([list.shown, list.entries.length, list.entries.filter((h) => h < 44)], [true, form.diameters.length, []]);
    assert.ok(list.field >= 0 && list.top >= list.field && list.bottom <= height + 0.5 && list.left >= 0 && list.right <= width,
      `the list at ${JSON.stringify(list)} leaves the ${width} x ${height} screen`);
    await page.close();
  });
});

describe('offline and accessible', () => {
  test('no request leaves the page: everything is in the one file', { skip: lacks.requests }, async () => {
    const page = await openPage(browser);
    const requests = [];
    await page.setRequestInterception(true);
    page.on('request', (request) => {
      requests.push(request.url());
      if (request.url().startsWith('file:') || request.url().startsWith('data:')) request.continue();
      else request.abort();
    });
    await page.setOfflineMode(true);
    await load(page);
    const worked = plantation('worked_square');
    await typeInto(page, form.inputFields.hectares, worked.hectares);
    await typeInto(page, form.inputFields.distance, worked.distance);
    await page.click(`#${button('calculate')}`);
    await page.click(`#${button('help')}`);
    await page.keyboard.press('Enter');
    assert.deepEqual(await values(page, results), worked.results);
    assert.deepEqual(requests.filter((url) => url !== pageUrl() && !url.startsWith('data:')), []);
    await page.close();
  });

  test('axe-core finds no violation: wide, narrow and with a box open', async () => {
    for (const [width, height] of [[1280, 720], [360, 740]]) {
      const page = await ready({ width, height });
      assert.deepEqual(await axeViolations(page), [], `at ${width} px`);
      await page.click('#Command2');  // the distance is 0: the refusal box
      assert.equal((await box(page)).open, true);
      assert.deepEqual(await axeViolations(page), [], `box at ${width} px`);
      await page.close();
    }
  });

  // The worked example calculated, as the pictures in docs/web.md show it;
  // each picture shows the six results drawn (WebKit's, of the viewport
  // alone, those it reaches).
  test('screenshots at 1280 and 360 px show the worked example\'s results', async () => {
    const folder = process.env.RURO_SCREENSHOTS ?? join(dirname(pagePath), 'screenshots');
    mkdirSync(folder, { recursive: true });
    const worked = plantation('worked_square', ',');
    for (const [width, height] of [[1280, 560], [360, 740]]) {
      const page = await ready({ width, height, language: 'es-ES' });
      await typeInto(page, form.inputFields.hectares, worked.hectares);
      await typeInto(page, form.inputFields.distance, worked.distance);
      await page.click(`#${button('calculate')}`);
      await page.focus('#Option1');
      assert.deepEqual(await values(page, results), worked.results);
      // Chromium's named as before; the other engines' after the engine.
      const name = engine === 'chromium' ? `web-${width}.png` : `web-${width}-${engine}.png`;
      const shot = decodePng(await page.screenshot({ path: join(folder, name), fullPage: true }));
      // The window's width, less a scroll bar where the engine draws one.
      assert.ok([width, await page.evaluate(() => document.documentElement.clientWidth)].includes(shot.width), `${shot.width} px wide`);
      // The fields' places in the document, less two pixels of their frame.
      const places = await page.evaluate((ids) => ids.map((id) => {
        const r = document.getElementById(id).getBoundingClientRect();
        return [r.left + scrollX + 2, r.top + scrollY + 2, r.right + scrollX - 2, r.bottom + scrollY - 2].map(Math.round);
      }), results);
      const drawn = places.filter(([, , , bottom]) => bottom < shot.height).map(([left, top, right, bottom]) => {
        const colours = new Set();
        for (let y = top; y < bottom; ++y) {
          for (let x = left; x < right; ++x) colours.add(shot.rgba.readUInt32BE(4 * (y * shot.width + x)));
        }
        return colours.size;
      });
      assert.ok(drawn.length >= (width > 735 ? 6 : 1) && drawn.every((n) => n > 2), `colours in the result fields: ${drawn}`);
      await page.close();
    }
  });
});

describe('the diameter list', () => {
  // The entries the list shows, in order; none while it is closed.
  const listed = (page) => page.evaluate(() => {
    const list = document.getElementById(document.getElementById('Combo1').getAttribute('aria-controls'));
    if (!list || list.hidden) return [];
    return [...list.querySelectorAll('[role="option"]')].filter((o) => o.getClientRects().length).map((o) => o.textContent);
  });
  const expanded = (page) => page.$eval('#Combo1', (e) => e.getAttribute('aria-expanded'));
  const opening = {
    'its button': (page) => page.click('[data-for="Combo1"]'),
    'Alt+Down': async (page) => {
      await page.keyboard.down('Alt');
      await page.keyboard.press('ArrowDown');
      await page.keyboard.up('Alt');
    },
    F4: (page) => page.keyboard.press('F4'),
  };

  for (const [way, open] of Object.entries(opening)) {
    test(`with "3" in it, ${way} lists all ${form.diameters.length} entries; Esc closes and keeps the text`, async () => {
      const page = await ready();
      await typeInto(page, 'Combo1', '3');
      await open(page);
      assert.equal(await expanded(page), 'true');
      assert.deepEqual(await listed(page), form.diameters);
      assert.equal(await focused(page), 'Combo1');
      await page.keyboard.press('Escape');
      assert.equal(await expanded(page), 'false');
      assert.deepEqual(await listed(page), []);
      assert.equal(await value(page, 'Combo1'), '3');
      assert.equal((await box(page)).open, false);
      await page.close();
    });
  }

  test('a click on "12" or Down to it and Enter picks it; typed text stays as typed and is calculated with', async () => {
    const page = await ready();
    await page.click('[data-for="Combo1"]');
    await page.click(`#Combo1List > [role="option"]:nth-child(${form.diameters.indexOf('12') + 1})`);
    assert.equal(await value(page, 'Combo1'), '12');
    assert.equal(await expanded(page), 'false');
    assert.equal(await focused(page), 'Combo1');

    await typeInto(page, 'Combo1', '5');
    await page.keyboard.press('F4');
    const active = () => page.$eval('#Combo1', (e) => document.getElementById(e.getAttribute('aria-activedescendant'))?.textContent);
    assert.equal(await active(), '5', 'the list opens on the entry of the text');
    for (let i = 0; i < 7; ++i) await page.keyboard.press('ArrowDown');
    assert.equal(await active(), '12');
    await page.keyboard.press('ArrowUp');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('Enter');
    assert.equal(await value(page, 'Combo1'), '12');
    assert.equal(await expanded(page), 'false');

    const typed = plantation('typed_diameter_is_used_as_it_reads');
    await typeInto(page, 'Combo1', typed.diameter);
    await typeInto(page, form.inputFields.hectares, typed.hectares);
    await typeInto(page, form.inputFields.distance, typed.distance);
    assert.equal(await value(page, 'Combo1'), typed.diameter);
    await page.click('#Command2');
    assert.deepEqual(await values(page, results), typed.results);
    assert.equal(await value(page, 'Combo1'), typed.diameter);
    await page.close();
  });

  test('axe-core finds no violation with the list open, wide and narrow', async () => {
    for (const [width, height] of [[1280, 720], [360, 740]]) {
      const page = await ready({ width, height });
      // The button stands inside the field's right end, the list below it.
      const [field, button] = await page.evaluate(() => ['#Combo1', '[data-for="Combo1"]']
        .map((selector) => document.querySelector(selector).getBoundingClientRect().toJSON()));
      assert.ok(button.left > field.left && button.right <= field.right + 0.5 && button.top >= field.top - 0.5 &&
        button.bottom <= field.bottom + 0.5, `button ${JSON.stringify(button)} outside the field ${JSON.stringify(field)}`);
      await page.click('[data-for="Combo1"]');
      await page.keyboard.press('ArrowDown');
      assert.deepEqual(await listed(page), form.diameters);
      // Measured again: the page scrolls, if need be, to show the list whole.
      const [opened, above] = await page.evaluate(() => ['#Combo1List', '#Combo1']
        .map((selector) => document.querySelector(selector).getBoundingClientRect().toJSON()));
      assert.ok(opened.top >= above.bottom - 0.5 && Math.abs(opened.left - above.left) < 0.5, `list at ${JSON.stringify(opened)}`);
      assert.deepEqual(await axeViolations(page), [], `at ${width} px`);
      await page.close();
    }
  });
});

// The screenshot of the picture's place, at `scale` device pixels a CSS
// pixel. Firefox clips its screenshots at whole CSS pixels, which for a
// picture at x.5 shifts it by a device pixel: there the clip starts at the
// whole pixel before and the picture is cut out of it.
async function pictureShot(page, place, scale) {
  const [width, height] = [form.arrow.width, form.arrow.height];
  if (engine !== 'firefox') return decodePng(await page.screenshot({ clip: { x: place.x, y: place.y, width, height } }));
  const [left, top] = [Math.floor(place.x), Math.floor(place.y)];
  const wide = decodePng(await page.screenshot({ clip: { x: left, y: top, width: width + 1, height: height + 1 } }));
  const [dx, dy] = [Math.round((place.x - left) * scale), Math.round((place.y - top) * scale)];
  const rgba = Buffer.alloc(width * scale * height * scale * 4);
  for (let y = 0; y < height * scale; ++y) {
    wide.rgba.copy(rgba, y * width * scale * 4, ((dy + y) * wide.width + dx) * 4, ((dy + y) * wide.width + dx + width * scale) * 4);
  }
  return { width: width * scale, height: height * scale, rgba };
}

describe('the arrow picture', () => {
  for (const scale of [1, 2, 3]) {
    test(`shows its ${form.arrow.width} x ${form.arrow.height} pixels unscaled at its area's top-left corner, at scale ${scale}`,
      { skip: scale !== 1 && lacks.deviceScale }, async () => {
      const page = await ready({ scale });
      const place = await page.$eval('#Picture1', (e) => {
        const r = e.getBoundingClientRect();
        const frame = getComputedStyle(e.parentElement).backgroundColor;
        return { x: r.x, y: r.y, width: r.width, height: r.height, behind: getComputedStyle(document.querySelector('main')).backgroundColor, frame };
      });
      assert.deepEqual([place.width, place.height], [form.arrow.width, form.arrow.height]);
      const shot = await pictureShot(page, place, scale);
      assert.deepEqual([shot.width, shot.height], [form.arrow.width * scale, form.arrow.height * scale]);
      const background = place.behind.match(/\d+/g).map(Number);
      const wrong = [];
      for (let y = 0; y < shot.height; ++y) {
        for (let x = 0; x < shot.width; ++x) {
          const argb = form.arrow.argb[Math.floor(y / scale) * form.arrow.width + Math.floor(x / scale)] >>> 0;
          const alpha = (argb >>> 24) / 255;
          const want = [16, 8, 0].map((shift, c) => Math.round(((argb >>> shift) & 0xff) * alpha + background[c] * (1 - alpha)));
          const got = [...shot.rgba.subarray((y * shot.width + x) * 4, (y * shot.width + x) * 4 + 3)];
          if (want.some((w, c) => Math.abs(w - got[c]) > 2)) wrong.push(`${x},${y}: ${got} not ${want}`);
        }
      }
      assert.deepEqual(wrong.slice(0, 5), [], `${wrong.length} pixels differ`);
      await page.close();
    });
  }
});

describe('the results at 360 px', () => {
  test('the six result fields stand in one column; each unit follows its field', async () => {
    const page = await ready({ width: 360, height: 740, mobile: true });
    const places = await page.evaluate((ids) => ids.map((id) => document.getElementById(id).getBoundingClientRect().toJSON()), results);
    const lefts = places.map((r) => r.left);
    assert.ok(Math.max(...lefts) - Math.min(...lefts) < 0.5, `left edges ${lefts}`);
    const units = await page.evaluate(() => [...document.querySelectorAll('#Frame4 > div.label')].map((unit) => {
      const r = unit.getBoundingClientRect();
      return { text: unit.textContent, left: r.left, top: r.top, bottom: r.bottom };
    }));
    assert.ok(units.length > 0);
    for (const unit of units) {
      const field = places.find((r) => r.top < unit.bottom && unit.top < r.bottom);
      assert.ok(field, `no field beside the unit ${unit.text}`);
      assert.ok(unit.left >= field.right, `the unit ${unit.text} stands at ${unit.left}, the field ends at ${field.right}`);
    }
    await page.close();
  });
});

describe('long texts', () => {
  const tenMB = 10_000_000;
  // A paste, drop or replacement offered to a field in the page as the
  // browser announces it: whether the page refused it (preventDefault) and
  // the field's text after it.
  const offer = (page, id, how, length, unit = '7') => page.evaluate((id, how, length, unit) => {
    const field = document.getElementById(id);
    const text = unit.repeat(length);
    const data = new DataTransfer();
    data.setData('text/plain', text);
    const event = {
      insertFromPaste: () => new InputEvent('beforeinput', { inputType: 'insertFromPaste', data: text, bubbles: true, cancelable: true }),
      insertFromDrop: () => new InputEvent('beforeinput', { inputType: 'insertFromDrop', dataTransfer: data, bubbles: true, cancelable: true }),
      insertReplacementText: () => new InputEvent('beforeinput', { inputType: 'insertReplacementText', dataTransfer: data, bubbles: true, cancelable: true }),
    }[how]();
    field.focus();
    field.select();
    const taken = field.dispatchEvent(event);
    return { refused: !taken, length: field.value.length };
  }, id, how, length, unit);

  // The events are made by script: an engine that leaves out of them the
  // text they carry cannot offer it (a user's paste or drop carries it).
  const dropped = {
    webkit: { insertFromDrop: 'WebKit keeps no dataTransfer in an InputEvent made by script',
      insertReplacementText: 'WebKit keeps no dataTransfer in an InputEvent made by script' },
  }[engine] ?? {};
  for (const how of ['insertFromPaste', 'insertFromDrop', 'insertReplacementText']) {
    test(`10 MB by ${how} into "Número de Hectáreas" is refused in the box; the field stays as it was`, { skip: dropped[how] ?? false }, async () => {
      const page = await ready();
      const typed = plantation('field_texts_read_by_val_rule');
      await typeInto(page, 'Text1', typed.hectares);
      const got = await offer(page, 'Text1', how, tenMB);
      assert.deepEqual(got, { refused: true, length: typed.hectares.length });
      assert.equal(await value(page, 'Text1'), typed.hectares);
      const shown = await box(page);
      assert.equal(shown.open, true);
      assert.deepEqual([shown.title, shown.text], [form.pasteRefusal.title, form.pasteRefusal.message]);
      await page.keyboard.press('Enter');
      assert.equal(await focused(page), 'Text1');
      // What was typed is still what is calculated with.
      await typeInto(page, 'Text8', typed.distance);
      await page.click('#Command2');
      assert.deepEqual(await values(page, results), typed.results);
      await page.close();
    });
  }

  test('a paste up to the limit is taken, one byte more refused, counted as the field would hold it', async (t) => {
    const page = await ready();
    const half = form.longestPaste / 2;
    // [how, unit, count, refused]: the field holds "0", selected, so the text replaces it.
    const cases = [
      ['insertFromPaste', '7', form.longestPaste, false],
      ['insertFromPaste', '7', form.longestPaste + 1, true],
      ['insertFromPaste', 'é', half, false],
      ['insertReplacementText', 'é', half + 1, true],
      // The browser leaves line breaks out of a field, and so does the count.
      ['insertFromPaste', '7\r\n', form.longestPaste, false],
    ];
    for (const [how, unit, count, refused] of cases) {
      const what = `${how} of ${count} × ${JSON.stringify(unit)}`;
      if (dropped[how]) {
        t.diagnostic(`${what} left out: ${dropped[how]}`);
        continue;
      }
      assert.deepEqual(await offer(page, 'Text1', how, count, unit), { refused, length: 1 }, what);
      assert.equal((await box(page)).open, refused, what);
      if (refused) await page.keyboard.press('Enter');
    }
    await page.close();
  });

  test('text typed in one piece is judged as a paste; key by key it is never limited', { skip: lacks.insertText }, async () => {
    const page = await ready();
    // A keyboard's suggestion or dictation: the browser's insertText, in one piece.
    for (const length of [form.longestPaste + 1000, tenMB]) {
      await typeInto(page, 'Text9', '12');
      const started = Date.now();
      await page.keyboard.sendCharacter('8'.repeat(length));
      console.log(`${length} characters typed in one piece: refused in ${Date.now() - started} ms`);
      assert.equal(await value(page, 'Text9'), '12');
      const shown = await box(page);
      assert.deepEqual([shown.open, shown.title], [true, form.pasteRefusal.title]);
      await page.keyboard.press('Enter');
      assert.equal(await focused(page), 'Text9');
    }
    // A field already at the limit still takes a key.
    await page.$eval('#Text9', (e, length) => { e.value = '8'.repeat(length); }, form.longestPaste);
    await page.keyboard.press('End');
    await page.keyboard.type('9');
    assert.equal((await value(page, 'Text9')).length, form.longestPaste + 1);
    assert.equal((await box(page)).open, false);
    await page.close();
  });

  // The module's memory as the browser's own tools find it: every
  // WebAssembly.Memory in the page, of which there is one.
  async function moduleMemory(page) {
    const prototype = await page.evaluateHandle(() => WebAssembly.Memory.prototype);
    const memories = await page.queryObjects(prototype);
    const sizes = await page.evaluate((all) => all.map((memory) => memory.buffer.byteLength), memories);
    await Promise.all([prototype.dispose(), memories.dispose()]);
    assert.equal(sizes.length, 1, `memories ${sizes}`);
    return sizes[0];
  }
  test('the module\'s memory stays bounded, calculation after calculation on long texts', { skip: lacks.devtools }, async () => {
    const page = await ready();
    const sizes = [];
    for (let round = 0; round < 16; ++round) {
      await page.evaluate((ids, round) => {
        for (const id of ids) document.getElementById(id).value = `${round + 1}${' '.repeat(200_000)}${'٫'.repeat(50_000)}`;
        document.getElementById('Command2').click();
        document.getElementById('boxOk').click();
      }, inputs, round);
      sizes.push(await moduleMemory(page));
    }
    // Five fields of 300 000 bytes each: the module reads them for each
    // calculation, gives its buffers back, and grows no more.
    console.log(`module memory over 16 calculations: ${sizes}`);
    assert.ok(sizes.slice(8).every((size) => size === sizes[8]), `memory ${sizes}`);
    assert.ok(sizes[15] <= 2 * sizes[0], `memory ${sizes}`);
    await page.close();
  });
});

describe('a page whose calculation cannot start', () => {
  let folder;
  before(() => { folder = mkdtempSync(join(tmpdir(), 'ruro-broken-')); });
  after(() => rmSync(folder, { recursive: true, force: true }));
  // The built page with its module's data damaged (a run of it overwritten).
  const damaged = () => {
    const html = readFileSync(pagePath, 'utf8');
    const start = html.indexOf('>', html.indexOf('id="calcModule"')) + 1;
    const path = join(folder, 'damaged.html');
    writeFileSync(path, html.slice(0, start + 200) + 'QUJD'.repeat(500) + html.slice(start + 2200));
    return pathToFileURL(path).href;
  };
  // Each way names its cause (form.pageNotStarted), which the page says.
  const ways = {
    'damaged data': { cause: 'damaged', url: damaged },
    'no WebAssembly': { cause: 'webassembly', prepare: () => { delete globalThis.WebAssembly; } },
    // The module is unpacked by the browser alone: where it cannot, the page
    // says that it cannot unpack it.
    'no DecompressionStream': { cause: 'unpacking', prepare: () => { delete globalThis.DecompressionStream; } },
    'a DecompressionStream without raw deflate': {
      cause: 'unpacking',
      prepare: () => {
        const Stream = globalThis.DecompressionStream;
        globalThis.DecompressionStream = class extends Stream {
          constructor(format) {
            if (format === 'deflate-raw') throw new TypeError(`unsupported ${format}`);
            super(format);
          }
        };
      },
    },
    // As the engines refuse an instance whose memory they cannot allocate.
    'no memory for the module': {
      cause: 'memory',
      prepare: () => { WebAssembly.Instance = function () { throw new RangeError('Out of memory: cannot allocate Wasm memory'); }; },
    },
  };
  test('a browser without Uint8Array.fromBase64 starts the calculation all the same', async () => {
    const page = await openPage(browser, { language: 'es-ES' });
    await page.evaluateOnNewDocument(() => { delete Uint8Array.fromBase64; });
    await load(page);
    const worked = plantation('worked_square', ',');
    await typeInto(page, form.inputFields.hectares, worked.hectares);
    await typeInto(page, form.inputFields.distance, worked.distance);
    await page.click(`#${button('calculate')}`);
    assert.deepEqual(await values(page, results), worked.results);
    await page.close();
  });
  test('every cause the page can meet has its own words', () => {
    assert.deepEqual(Object.keys(form.pageNotStarted).sort(), [...new Set(Object.values(ways).map((w) => w.cause))].sort());
    const texts = Object.values(form.pageNotStarted).flatMap((c) => [c.line, c.box.message]);
    assert.equal(new Set(texts).size, texts.length);
  });
  for (const [name, { cause, url, prepare }] of Object.entries(ways)) {
    test(`${name}: the window says so before the page is read to its end, and Calcular explains it in a box`, async () => {
      const { line, box: explained } = form.pageNotStarted[cause];
      const page = await openPage(browser);
      if (prepare) await page.evaluateOnNewDocument(prepare);
      // When the line shows: before the page has been read to its end (the
      // parser done, "interactive"), however slow the machine.
      await page.evaluateOnNewDocument(() => new MutationObserver((changes, observer) => {
        if (document.getElementById('notStarted')?.hidden !== false) return;
        window.lineShown = performance.now();
        observer.disconnect();
      }).observe(document, { subtree: true, attributes: true, attributeFilter: ['hidden'] }));
      await page.goto(url ? url() : pageUrl());
      await page.waitForSelector('#notStarted:not([hidden])', { visible: true });
      assert.equal(await page.$eval('#notStarted', (e) => e.textContent), line);
      const [at, read] = await page.evaluate(() => [window.lineShown, performance.getEntriesByType('navigation')[0].domInteractive]);
      assert.ok(at <= read, `shown at ${at} ms, the page read at ${read} ms`);
      assert.equal(await value(page, 'Text1'), '0', 'the window shows its start state');
      await typeInto(page, 'Text1', '10');
      await page.click('#Command2');
      const shown = await box(page);
      assert.deepEqual([shown.open, shown.title, shown.text], [true, explained.title, explained.message]);
      await page.keyboard.press('Enter');
      assert.equal(await value(page, 'Text1'), '10', 'nothing typed is lost');
      assert.deepEqual(await axeViolations(page), []);
      await page.close();
    });
  }
});

describe('the printed page', () => {
  // The worked example calculated, as a user would print it.
  async function calculated(options) {
    const page = await ready(options);
    const worked = plantation('worked_square');
    await typeInto(page, form.inputFields.hectares, worked.hectares);
    await typeInto(page, form.inputFields.distance, worked.distance);
    await page.click(`#${button('calculate')}`);
    assert.deepEqual(await values(page, results), worked.results);
    return page;
  }
  // Pages in a PDF: its page objects (not the tree of them), some of them
  // packed in object streams (Firefox's).
  const sheets = (pdf) => {
    const bytes = Buffer.from(pdf);
    let text = bytes.toString('latin1');
    for (let at = text.indexOf('stream'); at >= 0; at = text.indexOf('stream', at + 6)) {
      const start = at + 6 + (text[at + 6] === '\r' ? 2 : 1);
      const end = text.indexOf('endstream', start);
      if (end < 0 || text.slice(at - 3, at) === 'end') continue;
      try {
        text += inflateSync(bytes.subarray(start, end)).toString('latin1');
      } catch { /* not packed with deflate */ }
    }
    return text.match(/\/Type\s*\/Page(?![a-zA-Z])/g)?.length ?? 0;
  };

  for (const format of ['A4', 'Letter']) {
    test(`fits one ${format} sheet, portrait, at the browser's margins, from a wide or a narrow window`, { skip: lacks.print }, async () => {
      for (const width of [1280, 360]) {
        const page = await calculated({ width, height: 740 });
        const margin = '0.4in';  // the browsers' default margins
        const pdf = await page.pdf({ format, margin: { top: margin, right: margin, bottom: margin, left: margin } });
        assert.equal(sheets(pdf), 1, `${format} from a ${width} px window`);
        await page.close();
      }
    });
  }

  test('black on white: every label, unit, input and result; no button, list or closing screen', { skip: lacks.printMedia }, async () => {
    const page = await calculated({ width: 718, height: 1000 });
    await page.emulateMediaType('print');
    const seen = await page.evaluate(() => {
      const shown = (e) => e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden';
      const look = (e) => {
        const style = getComputedStyle(e);
        return [e.id || e.textContent.trim(), shown(e), style.color, style.backgroundColor];
      };
      return {
        hidden: [...document.querySelectorAll('button, .comboList, #ended')].filter(shown).map((e) => e.id || e.className),
        texts: [...document.querySelectorAll('main > .titlebar, #Form1 .label, #Form1 legend, #Form1 .text, #Form1 .combo')].map(look),
        sheet: document.documentElement.scrollWidth,
      };
    });
    assert.deepEqual(seen.hidden, []);
    const white = ['rgb(255, 255, 255)', 'rgba(0, 0, 0, 0)'];
    const wrong = seen.texts.filter(([, shown, colour, background]) => !shown || colour !== 'rgb(0, 0, 0)' || !white.includes(background));
    assert.deepEqual(wrong, []);
    assert.ok(seen.texts.length > 2 * results.length, 'labels, units and fields');
    const folder = process.env.RURO_SCREENSHOTS ?? join(dirname(pagePath), 'screenshots');
    mkdirSync(folder, { recursive: true });
    await page.screenshot({ path: join(folder, 'web-print.png'), fullPage: true });
    await page.close();
  });
});
