// Long texts in the web page (a report, not a timed test):
// - pastes of 64 KiB to 50 MB into "Número de Hectáreas", each in a fresh
//   page: taken or refused, the time until the next frame is painted, the
//   longest main-thread task, the browser's peak memory above its start
//   (resident, all its processes), the next keys' time, and
//   whether the field holds what it should;
// - the same texts put into the field with no limit (typed, or a page
//   without one), which is what the page's limit is chosen from;
// - 10 000 typed characters: the time of each key and each Calcular;
// - a damaged page: navigation to its message over the window.
//
//   node bench/web_paste.mjs build/web/rurorovirora.html
// (needs `npm ci` at the top of the repository, which tools/test.sh runs)

import { mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launch, load } from '../tools/browser.mjs';

const pagePath = resolve(process.argv[2] ?? 'build/web/rurorovirora.html');
const url = pathToFileURL(pagePath).href;
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];
const KiB = 1024;
const MiB = 1024 * KiB;
const sizes = [['64 KiB', 64 * KiB], ['128 KiB', 128 * KiB], ['256 KiB', 256 * KiB], ['1 MiB', MiB], ['10 MB', 10e6], ['50 MB', 50e6]];

const browser = await launch();

async function fresh() {
  const page = await browser.newPage();
  await load(page, url);
  // Long tasks from here on.
  await page.evaluate(() => {
    window.longest = 0;
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.longest = Math.max(window.longest, entry.duration);
    }).observe({ type: 'longtask' });
  });
  await page.focus('#Text1');
  await page.$eval('#Text1', (e) => e.select());
  return page;
}
// The resident memory of the browser's processes together (from /proc),
// sampled every 5 ms while `work` runs: the peak above the start.
function processes() {
  const parents = new Map();
  for (const pid of readdirSync('/proc').filter((p) => /^\d+$/.test(p))) {
    try {
      const stat = readFileSync(`/proc/${pid}/stat`, 'utf8');
      parents.set(pid, stat.slice(stat.lastIndexOf(')') + 2).split(' ')[1]);
    } catch { /* ended meanwhile */ }
  }
  const ours = new Set([String(browser.process().pid)]);
  for (let grown = true; grown;) {
    grown = false;
    for (const [pid, parent] of parents) if (ours.has(parent) && !ours.has(pid)) ours.add(pid), grown = true;
  }
  return [...ours];
}
function resident(pids) {
  let kib = 0;
  for (const pid of pids) {
    try {
      kib += Number(readFileSync(`/proc/${pid}/status`, 'utf8').match(/VmRSS:\s+(\d+)/)?.[1] ?? 0);
    } catch { /* ended meanwhile */ }
  }
  return kib * KiB;
}
async function peakMemory(work) {
  const pids = processes();
  const start = resident(pids);
  let peak = start;
  const timer = setInterval(() => { peak = Math.max(peak, resident(pids)); }, 5);
  const result = await work();
  clearInterval(timer);
  peak = Math.max(peak, resident(pids));
  return { result, grown: peak - start };
}
// Milliseconds from a key to the next painted frame, for `count` keys.
async function keyTimes(page, count) {
  const times = [];
  for (let i = 0; i < count; ++i) {
    const start = await page.evaluate(() => performance.now());
    await page.keyboard.press('5');
    times.push(await page.evaluate((start) => new Promise((done) =>
      requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now() - start)))), start));
  }
  return times;
}
// Offers `length` characters to the focused Text1 as a paste does (the
// browser's beforeinput first; where the page takes it, the insertion) or,
// `unlimited`, inserts them as a script does, announced to nobody. Returns the milliseconds to the
// next painted frame and what became of the field.
const offer = (page, length, unlimited) => page.evaluate((length, unlimited) => new Promise((done) => {
  const field = document.getElementById('Text1');
  const before = field.value;
  const text = '7'.repeat(length);
  const start = performance.now();
  let taken = true;
  if (!unlimited) {
    taken = field.dispatchEvent(new InputEvent('beforeinput', { inputType: 'insertFromPaste', data: text, bubbles: true,
      cancelable: true }));
  }
  if (taken) document.execCommand('insertText', false, text);
  void field.scrollWidth;
  requestAnimationFrame(() => requestAnimationFrame(() => {
    const ms = performance.now() - start;
    const box = document.getElementById('box');
    const refusedShown = box.open;
    if (box.open) document.getElementById('boxOk').click();
    done({ ms, taken, refusedShown, kept: taken ? field.value.length === length : field.value === before });
  }));
}), length, unlimited);

async function pastes(unlimited) {
  for (const [name, length] of sizes) {
    if (unlimited && length > 10 * MiB) continue;
    const page = await fresh();
    const { result: got, grown } = await peakMemory(() => offer(page, length, unlimited));
    const keys = await keyTimes(page, 10);
    const longest = await page.evaluate(() => window.longest);
    const crashed = page.isClosed();
    console.log(`${unlimited ? 'put in, no limit' : 'paste'} ${name}: ${got.taken ? 'taken' : 'refused'}` +
      `${got.refusedShown ? ' (box)' : ''}, ${got.ms.toFixed(0)} ms to the next frame, longest task ` +
      `${longest.toFixed(0)} ms, peak memory +${(grown / MiB).toFixed(0)} MiB, next keys median ` +
      `${median(keys).toFixed(1)} ms (most ${Math.max(...keys).toFixed(1)}), field as it should be: ${got.kept}` +
      `${crashed ? ', CRASHED' : ''}`);
    await page.close();
  }
}
await pastes(false);
await pastes(true);

// 10 000 typed characters, then keys and Calcular.
{
  const page = await fresh();
  for (let i = 0; i < 100; ++i) await page.keyboard.sendCharacter('1234567890'.repeat(10));
  const keys = await keyTimes(page, 20);
  const clicks = [];
  for (let i = 0; i < 10; ++i) {
    clicks.push(await page.evaluate(() => new Promise((done) => {
      const start = performance.now();
      document.getElementById('Command2').click();
      requestAnimationFrame(() => requestAnimationFrame(() => done(performance.now() - start)));
    })));
  }
  const length = await page.$eval('#Text1', (e) => e.value.length);
  console.log(`10 000 typed characters (field holds ${length}): keys median ${median(keys).toFixed(1)} ms, most ` +
    `${Math.max(...keys).toFixed(1)} ms; Calcular to the painted results median ${median(clicks).toFixed(1)} ms, ` +
    `most ${Math.max(...clicks).toFixed(1)} ms`);
  await page.close();
}

// A damaged page: navigation to the message over the window.
{
  const folder = mkdtempSync(join(tmpdir(), 'ruro-bench-'));
  const html = readFileSync(pagePath, 'utf8');
  const start = html.indexOf('>', html.indexOf('id="calcModule"')) + 1;
  const damaged = join(folder, 'damaged.html');
  writeFileSync(damaged, html.slice(0, start + 200) + 'QUJD'.repeat(500) + html.slice(start + 2200));
  const times = [];
  for (let i = 0; i < 7; ++i) {
    const page = await browser.newPage();
    await page.goto(pathToFileURL(damaged).href);
    await page.waitForSelector('#notStarted:not([hidden])', { visible: true });
    times.push(await page.evaluate(() => performance.now()));
    await page.close();
  }
  console.log(`damaged page: navigation start to its message shown, median of 7: ${median(times).toFixed(0)} ms ` +
    `(most ${Math.max(...times).toFixed(0)} ms)`);
  rmSync(folder, { recursive: true, force: true });
}
await browser.close();
