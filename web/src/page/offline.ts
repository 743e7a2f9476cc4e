// The service worker keeps the whole site for visits without the network.
if ('serviceWorker' in navigator) {
  void navigator.serviceWorker.register('sw.js').catch(() => undefined);
}
