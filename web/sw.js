// The site's service worker: keeps the page, its manifest and its icons so
// the calculator opens without a network, and answers from them first, so it
// opens at once on a weak one. A new build is a new worker (site.mjs writes
// the three names below), which fills its own cache, takes over and removes
// the old one.
const CACHE = 'rurorovirora-0';
const PREFIX = 'rurorovirora-';
const FILES = ['index.html'];

self.addEventListener('install', (event) => {
  // Past any HTTP cache: a new worker must never keep an old page.
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((name) => new Request(name, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  const url = new URL(request.url);
  if (request.method !== 'GET' || url.origin !== location.origin) return;
  // A visit to the folder, with or without "index.html", is the page.
  const scope = new URL(self.registration.scope).pathname;
  const isPage = request.mode === 'navigate' && (url.pathname === scope || url.pathname === `${scope}index.html`);
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(isPage ? 'index.html' : request, { ignoreSearch: isPage }))
    .then((stored) => stored ?? fetch(request)));
});
