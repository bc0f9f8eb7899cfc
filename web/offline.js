// The page without network and without eviction: registers the service
// worker that keeps the page's files (service_worker.js), lets a newer
// version that has arrived take over while the learner has not yet done
// anything in this tab (the page then reloads once, whole, into it), and
// asks the browser to keep the stored work (navigator.storage.persist).
// Where the browser declines, the page says once, calmly, that the
// downloads are the safe copy. Needs a secure context (HTTPS or this
// machine); elsewhere the page works as before, online only.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.offline = (function () {
  var status = Quovadrin.status;
  var touched = false;
  var takingOver = false;
  // Whether this page started from a kept version (a worker served it).
  var startedKept = false;
  var PersistNote = 'persistDeclinedTold';

  function warn(error) { console.warn('Quovadrin offline:', error); }

  /** Asks a waiting version to take over; the page reloads into it. */
  function takeOver(waiting) {
    if (touched || takingOver || Quovadrin.workspace.writing()) return false;
    takingOver = true;
    waiting.postMessage('activate');
    return true;
  }

  /** A newer version that has been fetched whole takes over, or waits. */
  function installed(worker) {
    // A page that came from the network runs one version whole, and the
    // first version needs no reload: it only starts keeping. Asked at the
    // start: once the first version has claimed the page, the page has a
    // controller too, and the news of the installation may come after.
    if (!startedKept) return;
    if (!takeOver(worker))
      status.tell('Eine neue Version von Quovadrin ist geladen: sie gilt ab dem nächsten Start.', false);
  }

  function follow(worker) {
    if (!worker) return;
    worker.addEventListener('statechange', function () {
      if (worker.state === 'installed') installed(worker);
    });
  }

  function watch(registration) {
    if (registration.waiting) installed(registration.waiting);
    follow(registration.installing);
    registration.addEventListener('updatefound', function () { follow(registration.installing); });
  }

  function register() {
    if (!navigator.serviceWorker || !window.isSecureContext) return;
    startedKept = !!navigator.serviceWorker.controller;
    navigator.serviceWorker.addEventListener('controllerchange', function () {
      if (takingOver) location.reload();
    });
    navigator.serviceWorker.register('service_worker.js', { updateViaCache: 'none' })
      .then(watch).catch(warn);
  }

  /** The learner has begun to work in this tab: no reload from now on. */
  function noteTouched() { touched = true; }

  /** Whether the browser keeps the stored work for good, asked for it.
   *  A browser that cannot be asked (no navigator.storage) keeps it on its
   *  own terms, which is no promise either. */
  function keptForGood() {
    if (!navigator.storage || !navigator.storage.persist) return Promise.resolve(false);
    return navigator.storage.persisted().then(function (kept) {
      return kept || navigator.storage.persist();
    });
  }

  /** Asks the browser to keep the stored work; says once if it declines. */
  function askToKeep(store) {
    if (!store) return Promise.resolve();
    return keptForGood().then(function (kept) {
      if (kept) return;
      return store.note(PersistNote).then(function (told) {
        if (told || status.isFault()) return;
        status.tell('Hinweis: Der Browser kann hier Gespeichertes löschen, wenn ihm der Platz ' +
                    'ausgeht. Die sichere Kopie sind die Downloads und „Alles sichern“.', false);
        return store.setNote(PersistNote, Date.now());
      });
    }).catch(warn);
  }

  return { register: register, noteTouched: noteTouched, askToKeep: askToKeep,
           takingOver: function () { return takingOver; } };
})();
