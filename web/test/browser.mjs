// Debian's Chromium, headless, driven through the DevTools protocol by
// puppeteer-core: shared by the browser test and the start-up benchmark.

import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

export const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';

export function pageUrl(path = process.env.RURO_PAGE) {
  if (!path) throw new Error('RURO_PAGE names the built rurorovirora.html');
  return pathToFileURL(path).href;
}

// A fresh browser with its own profile folder, removed again on close.
export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'ruro-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync', '--disable-dev-shm-usage', `--user-data-dir=${profile}`],
  });
  const close = browser.close.bind(browser);
  browser.close = async () => {
    await close();
    rmSync(profile, { recursive: true, force: true });
  };
  return browser;
}

// A page at the given size and scale (device pixels to a CSS pixel) whose navigator.language is `language`, loaded
// and ready for input (the calculation instantiated).
export async function openPage(browser, { width = 1280, height = 720, language = 'en-US', mobile = false, scale = 1 } = {}) {
  const page = await browser.newPage();
  page.on('pageerror', (error) => { page.errors.push(error.message); });
  page.errors = [];
  await page.setViewport({ width, height, isMobile: mobile, hasTouch: mobile, deviceScaleFactor: scale });
  await page.evaluateOnNewDocument((lang) => {
    Object.defineProperty(Navigator.prototype, 'language', { get: () => lang });
  }, language);
  return page;
}

export async function load(page, url = pageUrl()) {
  await page.goto(url);
  await page.waitForSelector('html[data-ready="true"]');
}
