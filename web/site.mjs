// The calculator as a site to publish: the same page as index.html, a web
// app manifest with its icons, and a service worker that keeps them all for
// when there is no network. build_page.mjs calls writeSite when it is given
// a folder for the site; any static host serves the folder as it is.

import { createHash } from 'node:crypto';
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { fileURLToPath } from 'node:url';
import { join } from 'node:path';

// The name a phone shows under the icon on its home screen.
export const shortName = 'Rurorovirora';
// What every cache of the site is called before its version and hash; the
// service worker removes the other caches that start with it.
const cachePrefix = 'rurorovirora-';

// A maskable icon is cut to any shape that holds the central circle of 80 %
// of its width: the largest whole-pixel scale whose corners stay inside it.
function maskableScale(picture, size) {
  const radius = 0.4 * size;
  let scale = 1;
  while (Math.hypot(picture.width * (scale + 1), picture.height * (scale + 1)) / 2 <= radius) ++scale;
  return scale;
}

// `picture` at a whole-pixel `scale`, centred on an opaque square of
// `size` pixels in `background` ("#rrggbb"); the picture's transparent
// pixels show the background.
function centred(picture, scale, size, background) {
  const fill = (0xff000000 | parseInt(background.slice(1), 16)) >>> 0;
  const argb = new Array(size * size).fill(fill);
  const left = Math.floor((size - picture.width * scale) / 2);
  const top = Math.floor((size - picture.height * scale) / 2);
  if (left < 0 || top < 0) throw new Error(`a ${picture.width} px picture at ${scale} x is wider than ${size} px`);
  for (let y = 0; y < picture.height * scale; ++y) {
    for (let x = 0; x < picture.width * scale; ++x) {
      const p = picture.argb[Math.floor(y / scale) * picture.width + Math.floor(x / scale)] >>> 0;
      if (p >>> 24 === 0xff) argb[(top + y) * size + left + x] = p;
      else if (p >>> 24 !== 0) throw new Error('the icon has a partly transparent pixel');
    }
  }
  return { width: size, height: size, argb };
}

// The cache's name: the version, and a hash of every file it keeps, so that
// any change to the page or its icons makes a new service worker.
function cacheName(version, files) {
  const hash = createHash('sha256');
  for (const name of Object.keys(files).sort()) hash.update(`${name}\0${files[name].length}\0`).update(files[name]);
  return `${cachePrefix}${version}-${hash.digest('hex').slice(0, 12)}`;
}

// Writes the site into `dir`: `manifest` is the page's own, which the site's
// extends, and its background the ground of the opaque icons; `page` fills the
// page's template with the site's MANIFEST, TOUCH_ICON and SITE_HEAD.
export function writeSite({ dir, form, version, manifest, png, page }) {
  const picture = form.calculator;
  const colour = manifest.background_color;
  for (const size of [192, 512]) {
    if (size % picture.width) throw new Error(`a ${picture.width} px icon does not scale to ${size} px in whole pixels`);
  }
  const icons = {
    'icon-192.png': png(picture, 192 / picture.width),
    'icon-512.png': png(picture, 512 / picture.width),
    'icon-maskable-512.png': png(centred(picture, maskableScale(picture, 512), 512, colour)),
    // iOS puts its own corners on this one and shows transparency as black.
    'apple-touch-icon.png': png(centred(picture, Math.floor(160 / picture.width), 180, colour)),
  };
  const siteManifest = {
    ...manifest,
    id: './',
    start_url: './',
    scope: './',
    icons: [
      { src: 'icon-192.png', sizes: '192x192', type: 'image/png', purpose: 'any' },
      { src: 'icon-512.png', sizes: '512x512', type: 'image/png', purpose: 'any' },
      { src: 'icon-maskable-512.png', sizes: '512x512', type: 'image/png', purpose: 'maskable' },
    ],
  };
  const files = {
    'index.html': Buffer.from(page({
      MANIFEST: 'manifest.webmanifest',
      TOUCH_ICON: 'apple-touch-icon.png',
      SITE_HEAD: `\n<meta name="rurorovirora-version" content="${version}">\n` +
        '<script>if (\'serviceWorker\' in navigator) addEventListener(\'load\', () => ' +
        'navigator.serviceWorker.register(\'sw.js\').catch(() => {}));</script>',
    })),
    'manifest.webmanifest': Buffer.from(`${JSON.stringify(siteManifest, null, 2)}\n`),
    ...icons,
  };
  let worker = readFileSync(fileURLToPath(new URL('sw.js', import.meta.url)), 'utf8');
  const names = { CACHE: cacheName(version, files), PREFIX: cachePrefix, FILES: Object.keys(files) };
  for (const [name, value] of Object.entries(names)) {
    const line = new RegExp(`^const ${name} = .*;$`, 'm');
    if (!line.test(worker)) throw new Error(`sw.js declares no ${name}`);
    worker = worker.replace(line, () => `const ${name} = ${JSON.stringify(value)};`);
  }
  files['sw.js'] = Buffer.from(worker);

  mkdirSync(dir, { recursive: true });
  for (const [name, bytes] of Object.entries(files)) writeFileSync(join(dir, name), bytes);
}
