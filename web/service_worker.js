// Keeps the page's files in the browser, so a reload without network starts
// the program with the stored work. The build writes the version and every
// file's SHA-256 in below; a new version on the server changes this file,
// and the browser then installs it: all its files are fetched past the HTTP
// cache, each is checked against its hash (a server half-way through an
// update fails the check and the old version stays), and only then are they
// cached together under the new version's name. The page lets the new
// version take over at a start (offline.js) and the old cache goes, so a
// page never runs a mix of old and new files.
'use strict';

var Version = '@QUOVADRIN_PAGE_VERSION@';
var Files = JSON.parse('@QUOVADRIN_PAGE_FILES@');
var CachePrefix = 'quovadrin-';
var CacheName = CachePrefix + Version;

function hex(buffer) {
  return Array.from(new Uint8Array(buffer), function (byte) {
    return (byte < 16 ? '0' : '') + byte.toString(16);
  }).join('');
}

/** Fetches one file past the HTTP cache and checks it against its hash. */
function fetchChecked(name) {
  return fetch(new Request(name, { cache: 'reload' })).then(function (response) {
    if (!response.ok) throw new Error(name + ': ' + response.status);
    return response.clone().arrayBuffer().then(function (bytes) {
      return crypto.subtle.digest('SHA-256', bytes);
    }).then(function (digest) {
      if (hex(digest) !== Files[name]) throw new Error(name + ': nicht die erwartete Version');
      return response;
    });
  });
}

self.addEventListener('install', function (event) {
  var names = Object.keys(Files);
  event.waitUntil(Promise.all(names.map(fetchChecked)).then(function (responses) {
    return caches.open(CacheName).then(function (cache) {
      return Promise.all(responses.map(function (response, i) { return cache.put(names[i], response); }));
    });
  }).catch(function (error) {
    // Half a version is no version: nothing of it stays.
    return caches.delete(CacheName).then(function () { throw error; });
  }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (name) {
      return name.indexOf(CachePrefix) === 0 && name !== CacheName;
    }).map(function (name) { return caches.delete(name); }));
  }).then(function () { return self.clients.claim(); }));
});

// A page that starts while a newer version waits asks for it (offline.js).
self.addEventListener('message', function (event) {
  if (event.data === 'activate') self.skipWaiting();
});

/** The cached name a request stands for, or null for a file not kept. */
function keptName(request) {
  var url = new URL(request.url);
  var scope = new URL(self.registration.scope);
  if (url.origin !== scope.origin || url.pathname.indexOf(scope.pathname) !== 0) return null;
  var name = url.pathname.slice(scope.pathname.length);
  if (name === '' && request.mode === 'navigate') name = 'index.html';
  return Object.prototype.hasOwnProperty.call(Files, name) ? name : null;
}

self.addEventListener('fetch', function (event) {
  if (event.request.method !== 'GET') return;
  var name = keptName(event.request);
  if (!name) return;
  event.respondWith(caches.open(CacheName).then(function (cache) {
    return cache.match(name).then(function (hit) { return hit || fetch(event.request); });
  }));
});
