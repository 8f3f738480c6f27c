// The page without a network: the site's files are cached when this worker
// installs and served from the cache first. Each build has a cache of its
// own; the old build's cache goes when the new worker takes over.
const BUILD = "source";  // scripts/web writes the build's version here
const FILES = ["./"];    // and the site's files here
const CACHE = "orvane-" + BUILD;

self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith("orvane-") && n !== CACHE)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(request, {ignoreSearch: true}))
    .then((hit) => hit || fetch(request)));
});
