// The published site (build/site) from a web server on 127.0.0.1, in the
// engine RURO_ENGINE names (tools/browser.mjs): the same page as the single file,
// installable (where the engine says), its manifest and icons, offline after
// one visit, and a rebuilt site with another version replacing the stored one.

import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { engine, lacks, launch, openPage, servedPage, started } from '../../tools/browser.mjs';

const siteDir = process.env.RURO_SITE;
const version = process.env.RURO_VERSION;
const formPath = process.env.RURO_FORM;
const form = { ...JSON.parse(readFileSync(formPath, 'utf8')), ...JSON.parse(readFileSync(process.env.RURO_TEST_VIEW, 'utf8')) };
const builder = fileURLToPath(new URL('../../web/build_page.mjs', import.meta.url));
const siteFiles = ['apple-touch-icon.png', 'icon-192.png', 'icon-512.png', 'icon-maskable-512.png', 'index.html',
  'manifest.webmanifest', 'sw.js'];
const cacheOf = (dir) => JSON.parse(readFileSync(join(dir, 'sw.js'), 'utf8').match(/^const CACHE = (.*);$/m)[1]);

// A static host for one folder at a time; "down" drops every connection,
// as a phone without a network would see it.
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };
const host = { root: siteDir, down: false };
const server = createServer((request, response) => {
  if (host.down) {
    request.socket.destroy();
    return;
  }
  const name = decodeURIComponent(new URL(request.url, 'http://x').pathname.slice(1)) || 'index.html';
  if (!siteFiles.includes(name)) {
    response.writeHead(404).end();
    return;
  }
  response.writeHead(200, { 'Content-Type': types[extname(name)], 'Cache-Control': 'no-cache' });
  const file = readFileSync(join(host.root, name));
  // The page as the driver needs it to see the page's errors.
  response.end(name.endsWith('.html') ? servedPage(file.toString('utf8')) : file);
});
let origin;
let browser;
let rebuilt;
before(async () => {
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  origin = `http://127.0.0.1:${server.address().port}/`;
  browser = await launch();
});
after(async () => {
  await browser?.close();
  server.closeAllConnections();
  await new Promise((resolve) => server.close(resolve));
  if (rebuilt) rmSync(rebuilt, { recursive: true, force: true });
});

// Offline: the host drops every connection, and Chromium is told it has no
// network as well.
async function setOffline(page, offline) {
  host.down = offline;
  if (lacks.devtools) return { detach: async () => {} };
  const cdp = await page.createCDPSession();
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', { offline, latency: 0, downloadThroughput: -1, uploadThroughput: -1 });
  return cdp;
}
// The manifest the page names, as the page fetches it.
const manifestOf = (page) => page.evaluate(async () => (await fetch(document.querySelector('link[rel="manifest"]').href)).json());

// Waits until the service worker controls the page and its cache is the
// only one: the state a visit leaves behind.
async function settled(page, cache) {
  await page.waitForFunction(async (name) => navigator.serviceWorker.controller !== null &&
    JSON.stringify(await caches.keys()) === JSON.stringify([name]), { timeout: 30000, polling: 100 }, cache);
}

async function calculateWorkedExample(page) {
  for (const [id, text] of [['Text1', '10'], ['Text8', '7']]) {
    await page.click(`#${id}`, { count: 3 });
    await page.keyboard.type(text);
  }
  await page.click('#Command2');
  return page.$$eval('#Text2, #Text3, #Text4, #Text5, #Text6, #Text7', (fields) => fields.map((f) => f.value));
}
const workedResults = ['204.082', '2040.82', '0.48', '979.59', '4778.5', '96'];

describe('the site folder', () => {
  test('holds the page, its manifest, its icons and the service worker, and nothing else', () => {
    assert.deepEqual(readdirSync(siteDir).sort(), siteFiles);
  });

  test('index.html is the single page: only its head differs', () => {
    const body = (html) => html.slice(html.indexOf('</head>'));
    const single = readFileSync(process.env.RURO_PAGE, 'utf8');
    assert.equal(body(readFileSync(join(siteDir, 'index.html'), 'utf8')), body(single));
  });

  test('the service worker keeps every other file, under a name with the version', () => {
    const worker = readFileSync(join(siteDir, 'sw.js'), 'utf8');
    const kept = JSON.parse(worker.match(/^const FILES = (.*);$/m)[1]);
    assert.deepEqual([...kept].sort(), siteFiles.filter((name) => name !== 'sw.js'));
    assert.match(cacheOf(siteDir), new RegExp(`^rurorovirora-${version.replace('.', '\\.')}-[0-9a-f]{12}$`));
  });
});

describe(`the site in ${engine}`, () => {
  let page;
  before(async () => {
    page = await openPage(browser, { width: 360, height: 740, mobile: true });
  });

  test('after one visit the service worker controls the page and keeps it', async () => {
    const response = await page.goto(origin);
    if (!lacks.responses) assert.equal(response.status(), 200);
    await started(page);
    await settled(page, cacheOf(siteDir));
    const kept = await page.evaluate(async (name) => (await (await caches.open(name)).keys())
      .map((r) => new URL(r.url).pathname.slice(1)).sort(), cacheOf(siteDir));
    assert.deepEqual(kept, siteFiles.filter((name) => name !== 'sw.js'));
    assert.deepEqual(page.errors, []);
  });

  test('Chromium finds nothing that stops its installation', { skip: lacks.devtools }, async () => {
    const cdp = await page.createCDPSession();
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepEqual(installabilityErrors, []);
  });

  test('the manifest reads back with its names, language, start, display and the window\'s colour', { skip: lacks.devtools }, async () => {
    const cdp = await page.createCDPSession();
    const { url, errors, data } = await cdp.send('Page.getAppManifest');
    assert.equal(url, `${origin}manifest.webmanifest`);
    assert.deepEqual(errors, []);
    const manifest = JSON.parse(data);
    const face = await page.$eval('main', (e) => getComputedStyle(e).backgroundColor);
    const hex = (rgb) => `#${rgb.match(/\d+/g).slice(0, 3).map((n) => Number(n).toString(16).padStart(2, '0')).join('')}`;
    assert.equal(manifest.background_color, hex(face));
    assert.equal(manifest.theme_color, hex(face));
    assert.deepEqual({ name: manifest.name, short_name: manifest.short_name, lang: manifest.lang,
      start_url: new URL(manifest.start_url, url).href, display: manifest.display },
    { name: form.title, short_name: 'Rurorovirora', lang: 'es', start_url: origin, display: 'standalone' });
    assert.ok(manifest.short_name.length <= 12, 'a home screen cuts longer names');
    assert.deepEqual(manifest.icons.map((i) => `${i.sizes} ${i.purpose}`),
      ['192x192 any', '512x512 any', '512x512 maskable']);
  });

  // Each icon as the browser decodes it, against the calculator picture:
  // "any" icons are the picture at a whole scale; the maskable one is the
  // picture at a whole scale on the face colour, wholly inside the circle
  // of 80 % that every mask keeps.
  test('the icons are the program\'s picture scaled by whole pixels; the maskable one inside the safe circle', async () => {
    const manifest = await manifestOf(page);
    for (const icon of manifest.icons) {
      const found = await page.evaluate(async (src, picture, purpose, face) => {
        const bitmap = await createImageBitmap(await (await fetch(src)).blob());
        const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
        const context = canvas.getContext('2d');
        context.drawImage(bitmap, 0, 0);
        const { data, width, height } = context.getImageData(0, 0, bitmap.width, bitmap.height);
        const faceArgb = (0xff000000 | parseInt(face.slice(1), 16)) >>> 0;
        // The icon against the picture at `scale` from (left, top), with
        // `fill` where the picture is transparent (null: left transparent).
        const differences = (scale, left, top, fill) => {
          let count = 0;
          for (let y = 0; y < height; ++y) {
            for (let x = 0; x < width; ++x) {
              const px = Math.floor((x - left) / scale);
              const py = Math.floor((y - top) / scale);
              const inside = x >= left && y >= top && px < picture.width && py < picture.height;
              let want = inside ? picture.argb[py * picture.width + px] >>> 0 : fill;
              if (want >>> 24 === 0) want = fill;
              const i = 4 * (y * width + x);
              const got = ((data[i + 3] << 24) | (data[i] << 16) | (data[i + 1] << 8) | data[i + 2]) >>> 0;
              if (want === null ? data[i + 3] !== 0 : got !== want) ++count;
            }
          }
          return count;
        };
        if (purpose === 'any') return { width, height, scale: width / picture.width, wrong: differences(width / picture.width, 0, 0, null) };
        for (let scale = 1; scale * picture.width <= width; ++scale) {
          const left = Math.floor((width - scale * picture.width) / 2);
          const top = Math.floor((height - scale * picture.height) / 2);
          if (differences(scale, left, top, faceArgb) !== 0) continue;
          let outside = 0;
          for (let y = 0; y < height; ++y) {
            for (let x = 0; x < width; ++x) {
              const i = 4 * (y * width + x);
              const isFace = ((data[i] << 16) | (data[i + 1] << 8) | data[i + 2]) === (faceArgb & 0xffffff);
              if (!isFace && Math.hypot(x + 0.5 - width / 2, y + 0.5 - height / 2) > 0.4 * width) ++outside;
            }
          }
          return { width, height, scale, wrong: 0, outside };
        }
        return { width, height, scale: null };
      }, icon.src, form.calculator, icon.purpose, manifest.background_color);
      const [width, height] = icon.sizes.split('x').map(Number);
      assert.equal(found.width, width, icon.src);
      assert.equal(found.height, height, icon.src);
      assert.ok(Number.isInteger(found.scale), `${icon.src}: no whole scale of the picture`);
      assert.equal(found.wrong, 0, `${icon.src}: pixels differ from the picture at ${found.scale} x`);
      if (icon.purpose === 'maskable') {
        assert.equal(found.outside, 0, `${icon.src}: the picture reaches out of the safe circle`);
        assert.ok(found.scale * form.calculator.width >= 0.5 * width, `${icon.src}: the picture is drawn small`);
      }
    }
  });

  // Every way back to the page works without a network: the folder, the
  // file by name, and a link with a query.
  for (const path of ['', 'index.html', '?desde=inicio']) {
    test(`offline, "${path || '/'}" shows the window and calculates the worked example`, async () => {
      const cdp = await setOffline(page, true);
      try {
        const response = await page.goto(`${origin}${path}`);
        // With the host down only the service worker can answer.
        if (!lacks.responses) assert.ok(response.fromServiceWorker(), 'not answered by the service worker');
        assert.equal(await page.evaluate(() => navigator.serviceWorker.controller !== null), true, 'no service worker');
        await started(page);
        assert.equal(await page.$eval('#Form1', (e) => !e.hidden && e.getBoundingClientRect().height > 0), true);
        assert.deepEqual(await calculateWorkedExample(page), workedResults);
        assert.equal(await page.$eval('meta[name="rurorovirora-version"]', (e) => e.content), version);
      } finally {
        await setOffline(page, false);
        await cdp.detach();
      }
    });
  }

  test('a rebuilt site with another version replaces the stored page, then works offline', async () => {
    rebuilt = mkdtempSync(join(tmpdir(), 'ruro-site-'));
    const otherVersion = `${version}.1`;
    execFileSync(process.execPath, [builder, formPath, process.env.RURO_WASM, join(rebuilt, 'page.html'),
      join(rebuilt, 'site'), otherVersion]);
    const newCache = cacheOf(join(rebuilt, 'site'));
    assert.notEqual(newCache, cacheOf(siteDir));
    host.root = join(rebuilt, 'site');
    // The next visit still opens at once from the old cache, and the browser
    // finds the new worker, which takes over and removes the old cache.
    await page.goto(origin);
    await started(page);
    await settled(page, newCache);
    const cdp = await setOffline(page, true);
    try {
      await page.reload();
      await started(page);
      assert.equal(await page.$eval('meta[name="rurorovirora-version"]', (e) => e.content), otherVersion);
      assert.deepEqual(await calculateWorkedExample(page), workedResults);
    } finally {
      await setOffline(page, false);
      await cdp.detach();
    }
  });
});

describe('what the page says of itself', () => {
  test('the single page, the site\'s page and their manifests all give the Help box\'s words', () => {
    const meta = (html) => html.match(/<meta name="description" content="([^"]*)">/)?.[1];
    const single = readFileSync(process.env.RURO_PAGE, 'utf8');
    const inPage = JSON.parse(Buffer.from(single.match(/rel="manifest" href="data:[^,]*;base64,([^"]+)"/)[1], 'base64'));
    const inSite = JSON.parse(readFileSync(join(siteDir, 'manifest.webmanifest'), 'utf8'));
    assert.deepEqual([meta(single), meta(readFileSync(join(siteDir, 'index.html'), 'utf8')), inPage.description,
      inSite.description], Array(4).fill(form.boxes.help.message));
  });
});
