// The calculator page in headless Chromium: the same display texts as the
// native calculation, the commands, the boxes, the keyboard, the narrow
// layout, no network, no accessibility violations, and the screenshots.

import assert from 'node:assert/strict';
import { readFileSync, mkdirSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import { launch, load, openPage, pageUrl } from './browser.mjs';

const pagePath = process.env.RURO_PAGE;
const form = JSON.parse(readFileSync(process.env.RURO_FORM ?? join(dirname(pagePath), 'form.json'), 'utf8'));
const identity = JSON.parse(readFileSync(process.env.RURO_IDENTITY ?? join(dirname(pagePath), 'identity.json'), 'utf8'));
const axeSource = readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const results = Array.from({ length: form.fields.resultCount }, (_, i) => `Text${form.fields.firstResult + i}`);
const inputs = ['Text1', 'Text8', 'Text9', 'Text10', 'Combo1'];

let browser;
before(async () => { browser = await launch(); });
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

// One calculation through the page's model, as the window makes it: the
// system chosen, the five texts typed, Calcular pressed. Run in the page.
function computeInPage({ options, calculate, inputs, results }) {
  return (system, hectares, distance, length, width, diameter, separator) => {
    const { model } = rurorovirora;
    model.select(options[system]);
    [hectares, distance, length, width, diameter].forEach((text, i) => model.edit(inputs[i], text));
    const answer = model.press(calculate, separator);
    const shown = new Map(answer.writes);
    return { box: answer.box ?? null, texts: results.map((name) => shown.get(name)) };
  };
}
const names = {
  options: Object.fromEntries(form.controls.filter((c) => c.kind === 'option').map((c) => [c.system, c.name])),
  calculate: Object.keys(form.commands).find((name) => form.commands[name] === 'calculate'),
  inputs, results,
};
// Rows of the identity table whose page answer differs from the native one.
async function differingRows(page, rows) {
  return page.evaluate((rows, names, refusals, compute) => {
    const computeRow = eval(`(${compute})`)(names);
    return rows.flatMap((row, index) => {
      const [system, hectares, distance, length, width, diameter, separator, refusal, ...texts] = row;
      const got = computeRow(system, hectares, distance, length, width, diameter, separator);
      const box = refusal ? refusals[refusal] : null;
      return JSON.stringify(got.box) === JSON.stringify(box) && got.texts.join('\n') === texts.join('\n') ? [] : [{ index, row, got }];
    });
  }, rows, names, form.refusals, computeInPage.toString());
}

describe('the calculation in the page gives the native display texts', () => {
  test('every row of the identity table, refusals included, under ".", "," and "٫"', async () => {
    assert.ok(identity.length > 9000, `only ${identity.length} rows`);
    for (const separator of ['.', ',', '٫']) assert.ok(identity.some((r) => r[6] === separator));
    assert.ok(identity.some((r) => r[7] !== 0), 'no refusal in the table');
    assert.ok(identity.some((r) => r.slice(8).some((t) => t.includes('E+'))), 'no exponent form in the table');
    const page = await ready();
    const differences = await differingRows(page, identity);
    assert.deepEqual(differences.slice(0, 10), [], `${differences.length} rows differ`);
    await page.close();
  });

  // The page's own inflate takes over where the browser cannot unpack it.
  const withoutStreams = {
    'without DecompressionStream': () => { delete window.DecompressionStream; },
    'when the browser\'s unpacking fails': () => { window.fetch = () => Promise.reject(new TypeError('refused')); },
  };
  for (const [name, breakStreams] of Object.entries(withoutStreams)) {
    test(`${name} the page unpacks the module with its own inflate`, async () => {
      const page = await openPage(browser);
      await page.evaluateOnNewDocument(breakStreams);
      await load(page);
      assert.deepEqual(await differingRows(page, identity.slice(0, 300)), []);
      await page.close();
    });
  }

  test('the separator is the one of the browser\'s language', async () => {
    for (const [language, separator] of [['en-US', '.'], ['es-ES', ','], ['ar-EG', '٫']]) {
      const page = await ready({ language });
      assert.equal(await page.evaluate(() => rurorovirora.decimalSeparator()), separator, language);
      await page.close();
    }
  });
});

describe('the window', () => {
  test('starts with ten fields "0", diameter "3" and "Marco Real" selected with the focus', async () => {
    const page = await ready();
    const start = Object.fromEntries(form.controls.filter((c) => c.kind === 'text' || c.kind === 'combo').map((c) => [c.name, c.caption]));
    for (const [id, text] of Object.entries(start)) assert.equal(await value(page, id), text, id);
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
    const byName = new Map(form.controls.map((c) => [c.name, c]));
    const origin = await page.$eval('#Form1', (e) => e.getBoundingClientRect().toJSON());
    for (const c of form.controls) {
      let left = c.left;
      let top = c.top;
      for (let p = byName.get(c.container); p; p = byName.get(p.container)) { left += p.left; top += p.top; }
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
    await typeInto(page, 'Text1', '10');
    await typeInto(page, 'Text8', '7');
    await typeInto(page, 'Combo1', '3');
    await page.click('#Command2');
    assert.deepEqual(await values(page, results), ['204,082', '2040,82', '0,48', '979,59', '4778,5', '96']);

    // Rectangular by the arrow keys: from "Marco Real" down past "Tresbolillo".
    await page.focus('#Option1');
    await page.keyboard.press('ArrowDown');
    await page.keyboard.press('ArrowDown');
    assert.equal(await page.$eval('#Option2', (e) => e.checked), true);
    assert.equal(await focused(page), 'Option2');
    await typeInto(page, 'Text9', '10');
    await typeInto(page, 'Text10', '8');
    await page.focus('#Command2');
    await page.keyboard.press('Enter');
    assert.deepEqual(await values(page, results), ['125', '1250', '0,48', '600', '2926,83', '59']);
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
    assert.deepEqual(shown, { open: true, role: 'alertdialog', modal: 'true', title: form.refusals[1].title,
      text: form.refusals[1].message, buttons: [form.okButton] });
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
    for (let n = 1; n <= form.fields.count; ++n) assert.equal(await value(page, `Text${n}`), form.zero);
    assert.equal(await value(page, 'Combo1'), '19');
    assert.equal(await page.$eval('#Option3', (e) => e.checked), true);
    await page.close();
  });

  test('Salir ends the program: the page says so, and starting again shows the start state', async () => {
    const page = await ready();
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

describe('the keyboard', () => {
  // The window's tab order: by tab index, the option group in one place.
  const chain = form.controls.filter((c) => !['frame', 'label'].includes(c.kind))
    .sort((a, b) => a.tabIndex - b.tabIndex).map((c) => (c.kind === 'option' ? 'group' : c.name))
    .filter((name, i, all) => name !== 'group' || all.indexOf('group') === i);

  // Past the chain's ends the browser moves the focus on, out of the page, as
  // from any page: a keyboard user is never caught in the window.
  const outsideWindow = (page) => page.evaluate(() => !document.getElementById('Form1').contains(document.activeElement));
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
        await page.keyboard.press('Tab');
      }
      assert.deepEqual(forward, expected, `forward at ${width} px`);
      assert.equal(await outsideWindow(page), true, `Tab from ${expected.at(-1)} leaves the window at ${width} px`);
      await page.focus(`#${expected.at(-1)}`);
      const backward = [await focused(page)];
      for (let i = 1; i < expected.length; ++i) {
        await shiftTab(page);
        backward.push(await focused(page));
      }
      assert.deepEqual(backward, [...expected].reverse(), `backward at ${width} px`);
      await shiftTab(page);
      assert.equal(await outsideWindow(page), true, `Shift+Tab from ${selected} leaves the window at ${width} px`);
      // The controls are in the chain again for the next time round.
      await page.focus(`#${expected.at(-1)}`);
      await page.keyboard.press('Tab');
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
});

describe('a 360 px phone screen', () => {
  test('one column, no horizontal scroll, no control over another, targets of 44 px', async () => {
    const page = await ready({ width: 360, height: 740, mobile: true });
    const layout = await page.evaluate(() => {
      // An option's target is its whole caption, the label around the button.
      const boxes = [...document.querySelectorAll('.ctl')].map((e) => {
        const r = e.getBoundingClientRect();
        const ancestors = [];
        for (let p = e.parentElement; p; p = p.parentElement) if (p.id) ancestors.push(p.id);
        return { id: e.id || e.querySelector('input').id, interactive: e.matches('button, input, label.option, img'),
          left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height, ancestors };
      });
      return { scrollWidth: document.documentElement.scrollWidth, clientWidth: document.documentElement.clientWidth, boxes };
    });
    assert.ok(layout.scrollWidth <= 360, `scroll width ${layout.scrollWidth}`);
    for (const b of layout.boxes) {
      assert.ok(b.left >= 0 && b.right <= 360, `${b.id} leaves the screen: ${b.left}..${b.right}`);
      if (b.interactive) assert.ok(b.height >= 44 && b.width >= 44, `${b.id} is ${b.width} x ${b.height}`);
    }
    for (const a of layout.boxes) {
      for (const b of layout.boxes) {
        if (a === b || a.ancestors.includes(b.id) || b.ancestors.includes(a.id)) continue;
        const overlap = Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
          Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5;
        assert.ok(!overlap, `${a.id} overlaps ${b.id}`);
      }
    }
    // The column's order: input frame, Calcular, results, the other commands.
    const top = (id) => layout.boxes.find((b) => b.id === id).top;
    assert.ok(top('Frame1') < top('Command2') && top('Command2') < top('Frame4') && top('Frame4') < top('Command5'));
    await page.close();
  });
});

describe('offline and accessible', () => {
  test('no request leaves the page: everything is in the one file', async () => {
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
    await typeInto(page, 'Text1', '10');
    await typeInto(page, 'Text8', '7');
    await page.click('#Command2');
    await page.click('#Command5');
    await page.keyboard.press('Enter');
    assert.equal(await value(page, 'Text7'), '96');
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

  test('screenshots at 1280 and 360 px', async () => {
    const folder = process.env.RURO_SCREENSHOTS ?? join(dirname(pagePath), 'screenshots');
    mkdirSync(folder, { recursive: true });
    for (const [width, height] of [[1280, 560], [360, 740]]) {
      const page = await ready({ width, height, language: 'es-ES' });
      await typeInto(page, 'Text1', '10');
      await typeInto(page, 'Text8', '7');
      await page.click('#Command2');
      await page.focus('#Option1');
      await page.screenshot({ path: join(folder, `web-${width}.png`), fullPage: true });
      await page.close();
    }
  });
});
