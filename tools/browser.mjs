// The browser the page's tests and the start-up benchmark drive, chosen by
// RURO_ENGINE: Debian's Chromium (the default) and Firefox ESR through
// puppeteer-core (the DevTools protocol and WebDriver BiDi), and WebKitGTK's
// MiniBrowser through WebKitWebDriver (classic WebDriver, selenium-webdriver)
// on an Xvfb display started and stopped here. Each gives the scenarios the
// same small page API, puppeteer's: goto, evaluate, $eval, $$eval, click,
// focus, keyboard, mouse, setViewport, screenshot, waitForSelector,
// waitForFunction, title, reload, close; `lacks` names what an engine cannot
// do, for the tests to skip with that reason.

import { spawn } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { deflateSync, inflateSync } from 'node:zlib';
import puppeteer from 'puppeteer-core';

export const engine = process.env.RURO_ENGINE ?? 'chromium';
const executables = {
  chromium: process.env.CHROMIUM ?? '/usr/bin/chromium',
  firefox: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
  webkit: process.env.WEBKIT_WEBDRIVER ?? '/usr/bin/WebKitWebDriver',
};
if (!(engine in executables)) throw new Error(`RURO_ENGINE is chromium, firefox or webkit, not ${engine}`);
export const chromiumPath = executables.chromium;
// Every engine starts in this language; a page may pretend another.
const language = 'en-US';

// What an engine cannot do that a scenario needs: the reason, or false.
const only = (engines, reason) => !engines.includes(engine) && reason;
export const lacks = {
  devtools: only(['chromium'], 'only Chromium answers the DevTools protocol (installability, the manifest as it reads it, ' +
    'network emulation, the objects in a page\'s heap)'),
  deviceScale: only(['chromium', 'firefox'], 'WebDriver classic sets no device pixel ratio'),
  mobile: only(['chromium'], 'only Chromium emulates a phone (touch, the viewport meta tag)'),
  requests: only(['chromium', 'firefox'], 'WebDriver classic sees no request the page makes'),
  print: only(['chromium', 'firefox'], 'WebKitWebDriver has no print command'),
  printMedia: only(['chromium'], 'only Chromium lays a page out for print on the screen (emulated media)'),
  insertText: only(['chromium', 'webkit'], 'puppeteer over WebDriver BiDi types one character at a time, and Firefox\'s ' +
    'execCommand("insertText") fires no beforeinput: nothing gives a text in one piece as an input method does'),
  responses: only(['chromium'], 'only Chromium tells whether the service worker gave a navigation\'s response'),
  extensions: only(['chromium'], 'only Chromium loads an extension through its driver (one that discards a tab)'),
  tabs: only(['chromium', 'firefox'], 'the WebKit driver drives one tab, its pages one after the other'),
};

export function pageUrl(path = process.env.RURO_PAGE) {
  if (!path) throw new Error('RURO_PAGE names the built rurorovirora.html');
  return pathToFileURL(path).href;
}

// A fresh browser with its own profile, removed again on close; in
// Chromium, one that takes unpacked extensions (installExtension) if asked.
export async function launch({ extensions = false } = {}) {
  if (engine === 'webkit') return launchWebKit();
  const profile = mkdtempSync(join(tmpdir(), `ruro-${engine}-`));
  const browser = engine === 'firefox'
    ? await puppeteer.launch({
      browser: 'firefox', executablePath: executables.firefox, headless: true, userDataDir: profile,
      extraPrefsFirefox: { 'intl.accept_languages': language, 'intl.locale.requested': language },
    })
    : await puppeteer.launch({
      executablePath: executables.chromium,
      headless: true,
      args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
        '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage', `--lang=${language}`,
        `--user-data-dir=${profile}`],
      ...(extensions ? { pipe: true, enableExtensions: true } : {}),
    });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page at the given size and scale (device pixels to a CSS pixel) whose
// navigator.language is `language`, not yet loaded.
export async function openPage(browser, { width = 1280, height = 720, language: lang = language, mobile = false,
  scale = 1 } = {}) {
  const page = await browser.newPage();
  if (engine !== 'webkit') {
    page.errors = [];
    page.on('pageerror', (error) => { page.errors.push(error.message); });
  }
  if (engine === 'firefox') {
    // Puppeteer over WebDriver BiDi names the space bar " " only.
    const { keyboard } = page;
    for (const name of ['press', 'down', 'up']) {
      const send = keyboard[name].bind(keyboard);
      keyboard[name] = (key, ...rest) => send(key === 'Space' ? ' ' : key, ...rest);
    }
  }
  const phone = mobile && !lacks.mobile;
  await page.setViewport({ width, height, deviceScaleFactor: scale, ...(phone ? { isMobile: true, hasTouch: true } : {}) });
  if (lang !== language) {
    await page.evaluateOnNewDocument((l) => {
      Object.defineProperty(Navigator.prototype, 'language', { get: () => l });
    }, lang);
  }
  return page;
}

// Opens the page at `url` and waits until it has started, as a user sees
// it: the page starts its calculation before it takes its first event, so
// once the document is read the window either calculates or says over it
// why it cannot.
export async function load(page, url = pageUrl()) {
  await page.goto(url);
  await started(page);
}
export async function started(page) {
  await page.waitForFunction(() => document.readyState !== 'loading');
  const line = await page.$eval('#notStarted', (e) => (e.hidden ? '' : e.textContent));
  if (line) throw new Error(`the calculation did not start: ${line}`);
}

// The engine's name and version, as the browser gives it.
export async function versionOf(browser) {
  return browser.version();
}

// ---- WebKitGTK: MiniBrowser under WebKitWebDriver on an Xvfb display of
// its own.

const freePort = () => new Promise((resolve, reject) => {
  const server = createServer();
  server.on('error', reject);
  server.listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Xvfb on the first free display, which it names on a pipe when ready.
function startXvfb() {
  return new Promise((resolve, reject) => {
    const xvfb = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', '1920x1200x24', '-nolisten', 'tcp'],
      { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
    let errors = '';
    xvfb.stderr.on('data', (d) => { errors += d; });
    xvfb.on('error', reject);
    xvfb.on('exit', (code) => reject(new Error(`Xvfb ended (${code}): ${errors}`)));
    let number = '';
    xvfb.stdio[3].on('data', (d) => {
      number += d;
      if (number.includes('\n')) resolve({ display: `:${number.trim()}`, process: xvfb });
    });
  });
}

function stop(child) {
  if (!child || child.exitCode !== null) return Promise.resolve();
  return new Promise((resolve) => {
    child.once('exit', resolve);
    child.kill('SIGTERM');
  });
}

async function launchWebKit() {
  const { Builder } = await import('selenium-webdriver');
  const folder = mkdtempSync(join(tmpdir(), 'ruro-webkit-'));
  const xvfb = await startXvfb();
  // MiniBrowser's toolbar would keep its window 447 px wide at least: here
  // its widgets take no room of their own, so a 360 px viewport fits.
  mkdirSync(join(folder, 'config', 'gtk-3.0'), { recursive: true });
  writeFileSync(join(folder, 'config', 'gtk-3.0', 'gtk.css'),
    '* { min-width: 0; min-height: 0; padding: 0; margin: 0; font-size: 1px; }\n');
  const port = await freePort();
  const env = { ...process.env, DISPLAY: xvfb.display, LANG: 'en_US.UTF-8', LANGUAGE: 'en_US', LC_ALL: 'en_US.UTF-8',
    GDK_BACKEND: 'x11', XDG_RUNTIME_DIR: folder, HOME: folder, XDG_CONFIG_HOME: join(folder, 'config') };
  delete env.WAYLAND_DISPLAY;
  const driverProcess = spawn(executables.webkit, [`--port=${port}`], { env, stdio: 'ignore' });
  const server = `http://127.0.0.1:${port}`;
  for (let tries = 0; ; ++tries) {
    try {
      if ((await fetch(`${server}/status`)).ok) break;
    } catch {
      if (tries > 100) throw new Error('WebKitWebDriver did not start');
    }
    await pause(50);
  }
  const minibrowser = process.env.MINIBROWSER ?? findMiniBrowser();
  const driver = await new Builder().usingServer(server).withCapabilities({
    browserName: 'MiniBrowser',
    'webkitgtk:browserOptions': { binary: minibrowser, args: ['--automation'] },
  }).build();
  const version = (await driver.getCapabilities()).get('browserVersion');
  const page = new WebKitPage(driver, folder);
  return {
    newPage: async () => {
      await page.reset();
      return page;
    },
    version: async () => `WebKitGTK/${version} (MiniBrowser)`,
    close: async () => {
      try {
        await driver.quit();
      } finally {
        await stop(driverProcess);
        await stop(xvfb.process);
        rmSync(folder, { recursive: true, force: true });
      }
    },
  };
}

function findMiniBrowser() {
  for (const api of ['4.1', '6.0', '4.0']) {
    const path = `/usr/lib/x86_64-linux-gnu/webkit2gtk-${api}/MiniBrowser`;
    try {
      readFileSync(path, { flag: 'r' }).subarray(0, 1);
      return path;
    } catch { /* the next */ }
  }
  throw new Error('no MiniBrowser: install webkit2gtk-driver');
}

// Runs `source` (a function's text, called with `args`, or an expression)
// in the page and hands back its value, awaited, and the page's errors so far
// (null where the page keeps no log of them).
const RUN = `const [source, isFunction, args] = arguments;
const done = arguments[arguments.length - 1];
const errors = () => window.__ruroErrors ?? null;
const failed = (e) => done({ error: String((e && e.stack) || e), errors: errors() });
try {
  const value = isFunction ? (0, eval)('(' + source + ')')(...args) : (0, eval)(source);
  Promise.resolve(value).then((v) => done({ value: v === undefined ? null : v, errors: errors() }), failed);
} catch (e) { failed(e); }`;

// Before the page's own scripts: what it throws is kept for `errors`.
const ERRORS = 'window.__ruroErrors=[];addEventListener("error",(e)=>__ruroErrors.push(e.message));' +
  'addEventListener("unhandledrejection",(e)=>__ruroErrors.push(String(e.reason&&e.reason.message||e.reason)));';
const withScripts = (html, scripts) => {
  const at = html.indexOf('<head>');
  return at < 0 ? `<script>${scripts}</script>${html}` : `${html.slice(0, at + 6)}<script>${scripts}</script>${html.slice(at + 6)}`;
};
// A page a test serves, as the engine's driver needs it: in WebKit with the
// log of its errors first in its head, which WebDriver classic cannot put
// there itself.
export const servedPage = (html) => (engine === 'webkit' ? withScripts(html, ERRORS) : html);

// The one page of a WebKit session. WebDriver classic runs no script before
// a page's own: a file page is loaded as a copy with those scripts first in
// its head; a served page keeps the log only if its server put it there
// (servedPage), else its `errors` is null.
class WebKitPage {
  constructor(driver, folder) {
    this.driver = driver;
    this.folder = folder;
    this.copies = 0;
    this.errors = null;
    this.preload = [];
    this.held = new Set();
    this.keyboard = {
      press: (key) => this.keys((a) => a.keyDown(keyCode(key)).keyUp(keyCode(key))),
      down: async (key) => {
        this.held.add(key);
        await this.keys((a) => a.keyDown(keyCode(key)));
      },
      up: async (key) => {
        this.held.delete(key);
        await this.keys((a) => a.keyUp(keyCode(key)));
      },
      type: (text) => this.keys((a) => a.sendKeys(text)),
      // As an input method inserts a text: in one piece.
      sendCharacter: (text) => this.evaluate((t) => { document.execCommand('insertText', false, t); }, text),
    };
    this.mouse = {
      click: async (x, y) => {
        const { Origin } = await import('selenium-webdriver');
        await this.driver.actions({ async: true })
          .move({ x: Math.round(x), y: Math.round(y), origin: Origin.VIEWPORT }).press().release().perform();
      },
    };
  }

  // The next page is in a new tab, whose session storage is empty: the one
  // tab here empties the file pages' (they share one origin) once the last
  // page has left it, and waits on an empty file page.
  async reset() {
    const blank = join(this.folder, 'blank.html');
    writeFileSync(blank, '');
    await this.driver.get(pathToFileURL(blank).href);
    await this.driver.executeScript('sessionStorage.clear();');
    this.preload = [];
    this.errors = null;
  }

  // A key action, with the modifiers held down (keyboard.down) pressed
  // around it: WebKitWebDriver forgets them between actions.
  async keys(build) {
    const held = [...this.held].map(keyCode);
    let actions = this.driver.actions({ async: true });
    for (const k of held) actions = actions.keyDown(k);
    actions = build(actions);
    for (const k of held.reverse()) actions = actions.keyUp(k);
    await actions.perform();
  }

  async run(source, isFunction, args) {
    const got = await this.driver.executeAsyncScript(RUN, source, isFunction, args);
    this.errors = got.errors;
    if ('error' in got) throw new Error(got.error);
    return got.value;
  }

  evaluate(fn, ...args) {
    return typeof fn === 'function' ? this.run(fn.toString(), true, args) : this.run(fn, false, []);
  }

  $eval(selector, fn, ...args) {
    return this.run(`function (selector, ...rest) {
      const e = document.querySelector(selector);
      if (!e) throw new Error('no element matches ' + selector);
      return (${fn})(e, ...rest);
    }`, true, [selector, ...args]);
  }

  $$eval(selector, fn, ...args) {
    return this.run(`function (selector, ...rest) { return (${fn})([...document.querySelectorAll(selector)], ...rest); }`,
      true, [selector, ...args]);
  }

  async evaluateOnNewDocument(fn, ...args) {
    this.preload.push(`(${fn})(...${JSON.stringify(args)});`);
  }

  async goto(url) {
    if (url.startsWith('file:')) {
      const copy = join(this.folder, `page${++this.copies}.html`);
      writeFileSync(copy, withScripts(readFileSync(fileURLToPath(url), 'utf8'), ERRORS + this.preload.join('\n')));
      url = pathToFileURL(copy).href;
    } else if (this.preload.length) {
      throw new Error('WebKit: no script can run before a served page\'s own');
    }
    await this.driver.get(url);
    return null;
  }

  async reload() {
    await this.driver.navigate().refresh();
  }

  async title() {
    return this.driver.getTitle();
  }

  async focus(selector) {
    await this.$eval(selector, (e) => e.focus());
  }

  // A real click at the element's centre, scrolled into view first.
  async click(selector, { count = 1 } = {}) {
    const { By } = await import('selenium-webdriver');
    await this.$eval(selector, (e) => e.scrollIntoView({ block: 'nearest', inline: 'nearest' }));
    const element = await this.driver.findElement(By.css(selector));
    let actions = this.driver.actions({ async: true }).move({ origin: element });
    for (let i = 0; i < count; ++i) actions = actions.press().release();
    await actions.perform();
  }

  async setViewport({ width, height, deviceScaleFactor = 1 }) {
    if (deviceScaleFactor !== 1) throw new Error(lacks.deviceScale);
    // The window's size less what its frame takes is the viewport.
    // The window takes its size a moment after it is asked to.
    let [w, h] = [width, height];
    for (let round = 0; round < 5; ++round) {
      await this.driver.manage().window().setRect({ width: w, height: h });
      let [iw, ih] = [0, 0];
      for (let wait = 0; wait < 10; ++wait) {
        [iw, ih] = await this.evaluate(() => [innerWidth, innerHeight]);
        if (iw === width && ih === height) return;
        await pause(20);
      }
      [w, h] = [w + width - iw, h + height - ih];
    }
    throw new Error(`WebKit: the viewport is not ${width} x ${height}`);
  }

  async screenshot({ path, clip } = {}) {
    let png = Buffer.from(await this.driver.takeScreenshot(), 'base64');
    if (clip) png = encodePng(crop(decodePng(png), clip));
    if (path) writeFileSync(path, png);
    return png;
  }

  async waitForFunction(fn, { timeout = 30000, polling = 50 } = {}, ...args) {
    const end = Date.now() + timeout;
    for (;;) {
      const value = await this.evaluate(fn, ...args);
      if (value) return value;
      if (Date.now() > end) throw new Error(`WebKit: waited ${timeout} ms for ${fn}`);
      await pause(polling);
    }
  }

  waitForSelector(selector, { visible = false, timeout = 30000 } = {}) {
    return this.waitForFunction((s, v) => {
      const e = document.querySelector(s);
      return !!e && (!v || (e.getClientRects().length > 0 && getComputedStyle(e).visibility !== 'hidden'));
    }, { timeout }, selector, visible);
  }

  async close() {
    await this.reset();
  }
}

const KEYS = {
  Tab: '\uE004', Enter: '\uE007', Escape: '\uE00C', Space: ' ', Shift: '\uE008', Control: '\uE009', Alt: '\uE00A',
  Meta: '\uE03D', Backspace: '\uE003', Delete: '\uE017', Home: '\uE011', End: '\uE010', ArrowLeft: '\uE012',
  ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', F4: '\uE034',
};
function keyCode(key) {
  if (key in KEYS) return KEYS[key];
  if ([...key].length === 1) return key;
  throw new Error(`WebKit: no key ${key}`);
}

// ---- PNG as the engines' screenshots write it (8 bits, RGB or RGBA, not
// interlaced): decoded to RGBA, and written back.

export function decodePng(png) {
  const chunks = [];
  let width = 0;
  let height = 0;
  let channels = 4;
  for (let at = 8; at < png.length;) {
    const length = png.readUInt32BE(at);
    const type = png.toString('ascii', at + 4, at + 8);
    const data = png.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      [width, height] = [data.readUInt32BE(0), data.readUInt32BE(4)];
      if (data[8] !== 8) throw new Error(`PNG bit depth ${data[8]}`);
      channels = { 2: 3, 6: 4 }[data[9]];
      if (!channels || data[12] !== 0) throw new Error(`PNG colour type ${data[9]}, interlace ${data[12]}`);
    }
    if (type === 'IDAT') chunks.push(data);
    at += 12 + length;
  }
  const raw = inflateSync(Buffer.concat(chunks));
  const stride = width * channels;
  const pixels = Buffer.alloc(stride * height);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const left = x >= channels ? pixels[y * stride + x - channels] : 0;
      const up = y ? pixels[(y - 1) * stride + x] : 0;
      const corner = x >= channels && y ? pixels[(y - 1) * stride + x - channels] : 0;
      const p = left + up - corner;
      const paeth = Math.abs(p - left) <= Math.abs(p - up) && Math.abs(p - left) <= Math.abs(p - corner) ? left
        : Math.abs(p - up) <= Math.abs(p - corner) ? up : corner;
      const predicted = [0, left, up, (left + up) >> 1, paeth][filter];
      pixels[y * stride + x] = (raw[y * (stride + 1) + 1 + x] + predicted) & 0xff;
    }
  }
  const rgba = Buffer.alloc(width * height * 4);
  for (let i = 0; i < width * height; ++i) {
    for (let c = 0; c < 3; ++c) rgba[i * 4 + c] = pixels[i * channels + c];
    rgba[i * 4 + 3] = channels === 4 ? pixels[i * channels + 3] : 255;
  }
  return { width, height, rgba };
}

function crop({ width, rgba }, { x, y, width: w, height: h }) {
  const [left, top] = [Math.round(x), Math.round(y)];
  const out = Buffer.alloc(w * h * 4);
  for (let row = 0; row < h; ++row) rgba.copy(out, row * w * 4, ((top + row) * width + left) * 4, ((top + row) * width + left + w) * 4);
  return { width: w, height: h, rgba: out };
}

const crcTable = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});
function chunk(type, data) {
  const head = Buffer.alloc(8);
  head.writeUInt32BE(data.length, 0);
  head.write(type, 4, 'ascii');
  let c = 0xffffffff;
  for (const b of Buffer.concat([head.subarray(4), data])) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  const crc = Buffer.alloc(4);
  crc.writeUInt32BE((c ^ 0xffffffff) >>> 0, 0);
  return Buffer.concat([head, data, crc]);
}
function encodePng({ width, height, rgba }) {
  const raw = Buffer.alloc(height * (1 + 4 * width));
  for (let y = 0; y < height; ++y) rgba.copy(raw, y * (1 + 4 * width) + 1, y * width * 4, (y + 1) * width * 4);
  const header = Buffer.alloc(13);
  header.writeUInt32BE(width, 0);
  header.writeUInt32BE(height, 4);
  header.set([8, 6, 0, 0, 0], 8);
  return Buffer.concat([Buffer.from([137, 80, 78, 71, 13, 10, 26, 10]), chunk('IHDR', header),
    chunk('IDAT', deflateSync(raw)), chunk('IEND', Buffer.alloc(0))]);
}
