// Makes the class overview away from the page's thread: the overview
// module (quovadrin_overview.js, --render's cards and page compiled for
// the browser) is loaded here, only when a teacher asks for an overview.
// The page sends the entries (overview_sources.js); the worker names them
// to the module, which plans the cards as --render does, then draws one
// card at a time, reading each chosen file only when its card is due, and
// tells the page after each card how far it is. The finished page comes
// back as one Blob, written in pieces.
'use strict';

importScripts('quovadrin_overview.js');

// Why a file could not be read, as the module counts it
// (src/web/overview_exports.cpp).
var UnreadReasons = { large: 1, irregular: 2, unreadable: 3 };
var ReadLimit = 4 * 1024 * 1024;

var module = null;
var pieces = [];

function loaded() {
  if (module) return Promise.resolve(module);
  return QuovadrinOverview({
    onOverviewPage: function (piece) { pieces.push(piece); },
    print: function () {},
    printErr: function (text) { console.warn(text); },
  }).then(function (instance) {
    module = instance;
    return module;
  });
}

/** Calls the module's function with the bytes in its memory. */
function withBytes(bytes, call) {
  var at = module._malloc(Math.max(bytes.length, 1));
  module.HEAPU8.set(bytes, at);
  try {
    return call(at, bytes.length);
  } finally {
    module._free(at);
  }
}

function withText(text, call) {
  return withBytes(new TextEncoder().encode(text), call);
}

/** The bytes of an entry, or the reason it has none. */
function bytesOf(entry) {
  if (entry.unread) return Promise.resolve({ unread: entry.unread });
  if (entry.bytes) return Promise.resolve({ bytes: new Uint8Array(entry.bytes) });
  // A chosen file may have grown or gone since it was chosen.
  if (entry.file.size > ReadLimit) return Promise.resolve({ unread: 'large' });
  return entry.file.arrayBuffer().then(function (buffer) {
    if (buffer.byteLength > ReadLimit) return { unread: 'large' };
    return { bytes: new Uint8Array(buffer) };
  }, function () {
    return { unread: 'unreadable' };
  });
}

function drawAll(entries) {
  module._quovadrinOverviewBegin();
  entries.forEach(function (entry) {
    withText(entry.path, function (path, pathSize) {
      withText(entry.folder, function (folder, folderSize) {
        module._quovadrinOverviewAdd(path, pathSize, folder, folderSize);
      });
    });
  });
  var planned = module._quovadrinOverviewPlan();
  postMessage({ progress: 0, planned: planned });
  function next() {
    var number = module._quovadrinOverviewNextFile();
    if (number < 0) return Promise.resolve();
    return bytesOf(entries[number]).then(function (read) {
      var done = read.bytes
        ? withBytes(read.bytes, function (at, size) { return module._quovadrinOverviewDraw(at, size); })
        : module._quovadrinOverviewSkip(UnreadReasons[read.unread] || UnreadReasons.unreadable);
      postMessage({ progress: done, planned: planned });
      return next();
    });
  }
  return next().then(function () {
    pieces = [];
    if (module._quovadrinOverviewWrite() !== 0) throw new Error('the page was not written');
    var page = new Blob(pieces, { type: 'text/html;charset=utf-8' });
    pieces = [];
    return {
      page: page,
      cards: module._quovadrinOverviewCards(),
      withoutPicture: module._quovadrinOverviewWithoutPicture(),
    };
  });
}

self.onmessage = function (event) {
  loaded().then(function () {
    return drawAll(event.data.entries);
  }).then(function (result) {
    postMessage({ finished: result });
  }, function (error) {
    postMessage({ failed: String(error && error.message || error) });
  });
};
