// Figures of the web page (a report, not a timed test):
// - its size as one file, and gzip-packed;
// - navigation start to the window taking input and to the calculation
//   ready (the page's User Timing marks "ruro-input" and "ruro-ready") in the
//   engine RURO_ENGINE names (chromium, the default, firefox or webkit:
//   tools/browser.mjs), median of N runs, against an empty page loaded in
//   the same runs;
// - one calculation as a user makes it: an option, five fields, Calcular.
//
//   [RURO_ENGINE=firefox] node bench/web_page.mjs build/web/rurorovirora.html [runs]
// (needs `npm ci` at the top of the repository, which tools/test.sh runs)

import { readFileSync, writeFileSync, mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';
import { launch, load, versionOf } from '../tools/browser.mjs';

const pagePath = resolve(process.argv[2] ?? 'build/web/rurorovirora.html');
const runs = Number(process.argv[3] ?? 15);
const median = (xs) => [...xs].sort((a, b) => a - b)[Math.floor(xs.length / 2)];

const bytes = readFileSync(pagePath);
console.log(`page size: ${(bytes.length / 1024).toFixed(1)} KiB, gzip -9 ${(gzipSync(bytes, { level: 9 }).length / 1024).toFixed(1)} KiB`);

// The empty page makes both marks as soon as its one script runs.
const folder = mkdtempSync(join(tmpdir(), 'ruro-bench-'));
const emptyPath = join(folder, 'empty.html');
writeFileSync(emptyPath, '<!DOCTYPE html><html lang="es"><title>x</title><script>performance.mark("ruro-input");' +
  'performance.mark("ruro-ready")</script>');

const browser = await launch();
console.log(`engine: ${await versionOf(browser)}`);
// Milliseconds from navigation start to the controls taking input (focus
// in place) and to the calculation compiled and ready.
async function timeToReady(url) {
  const page = await browser.newPage();
  await page.goto(url);
  await page.waitForFunction(() => performance.getEntriesByName('ruro-ready').length > 0);
  const ms = await page.evaluate(() => ['ruro-input', 'ruro-ready'].map((m) => performance.getEntriesByName(m)[0].startTime));
  await page.close();
  return ms;
}
const pageTimes = [];
const emptyTimes = [];
for (let i = 0; i < runs; ++i) {
  emptyTimes.push(await timeToReady(pathToFileURL(emptyPath).href));
  pageTimes.push(await timeToReady(pathToFileURL(pagePath).href));
}
const e = median(emptyTimes.map((t) => t[1]));
for (const [what, i] of [['window taking input', 0], ['calculation ready', 1]]) {
  const p = median(pageTimes.map((t) => t[i]));
  console.log(`navigation start to ${what}, median of ${runs}: ${p.toFixed(1)} ms; empty page ${e.toFixed(1)} ms; ` +
    `difference ${(p - e).toFixed(1)} ms`);
}

const page = await browser.newPage();
await load(page, pathToFileURL(pagePath).href);
const perCall = await page.evaluate(() => {
  // The option clicked, the five texts in their fields, Calcular clicked: the
  // model reads them and the page writes the six results.
  const rows = [['Option1', '10', '7', '', '', '3'], ['Option2', '2.5', '', '12', '12', '19'], ['Option3', '10', '7', '', '', '7.5']];
  const fields = ['Text1', 'Text8', 'Text9', 'Text10', 'Combo1'].map((id) => document.getElementById(id));
  const calculate = document.getElementById('Command2');
  const round = (n) => {
    const start = performance.now();
    for (let i = 0; i < n; ++i) {
      const [option, ...texts] = rows[i % 3];
      document.getElementById(option).click();
      texts.forEach((text, k) => { fields[k].value = text; });
      calculate.click();
    }
    return (performance.now() - start) / n;
  };
  round(200);  // warm up
  return [round(2000), round(2000), round(2000)];
});
console.log(`one calculation as a user makes it (option clicked, five texts, Calcular clicked, six results ` +
  `written): ${(median(perCall) * 1000).toFixed(0)} us (median of 3 rounds of 2000)`);
await browser.close();
rmSync(folder, { recursive: true, force: true });
