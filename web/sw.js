// The page's service worker: keeps every file of the site, so that after one visit Trevisk
// starts and runs with the network gone. A new version of the site (another VERSION) is
// fetched whole in the background and replaces the old files in one go.
const VERSION = '@VERSION@';
const FILES = ['@FILES@'];
const CACHE = `trevisk-${VERSION}`;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(CACHE)
      // Each file as the server has it now: the browser's copy from this very visit when the
      // server says it is unchanged, so that the first visit fetches the site only once.
      .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'no-cache' }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) => Promise.all(keys.filter((k) => k.startsWith('trevisk-') && k !== CACHE).map((k) => caches.delete(k))))
      .then(() => self.clients.claim()),
  );
});

// The kept copy first; what is not kept (nothing, in a complete site) from the network.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches.open(CACHE).then(async (cache) => (await cache.match(request, { ignoreSearch: true })) ?? fetch(request)),
  );
});
