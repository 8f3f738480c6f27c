// Registers the service worker that keeps the page working offline and
// makes it installable. Pages opened from a file or an insecure origin have
// no service workers; they work as before, online only.
if ("serviceWorker" in navigator && window.isSecureContext) {
  window.addEventListener("load", () => {
    navigator.serviceWorker.register("sw.js").catch((e) => console.warn("offline cache unavailable:", e));
  });
}
