// Keeps the whole site after the first visit, so that it loads and plays
// without the network (new puzzles and past days too: the generator is part
// of it). The build writes the version and the list of files in; a new
// version caches itself whole, then drops the old cache. The records are in
// IndexedDB, which this never touches.

const worker = self as unknown as ServiceWorkerGlobalScope;
const kVersion = '__VERSION__';
const kFiles = '__FILES__'.split(',');
const kCache = `tsubura-${kVersion}`;

worker.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(kCache)
      .then((cache) => cache.addAll(kFiles.map((file) => new Request(file, { cache: 'reload' }))))
      .then(() => worker.skipWaiting()),
  );
});

worker.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) =>
        Promise.all(names.filter((n) => n.startsWith('tsubura-') && n !== kCache).map((n) => caches.delete(n))),
      )
      .then(() => worker.clients.claim()),
  );
});

worker.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  const key = request.mode === 'navigate' ? new URL('./', location.href).href : request;
  event.respondWith(
    caches
      .open(kCache)
      .then((cache) => cache.match(key, { ignoreSearch: true }))
      .then((kept) => kept ?? fetch(request)),
  );
});
