// Unsaved work survives quitting, closing and reloading: the current
// algorithm is kept as this tab's draft in storage whenever it changes (it
// is no saved file and never in the file list). The next start and the
// page shown after quitting offer "Weiterarbeiten", which loads the newest
// draft of another start into the program; without that click the program
// starts as always. Closing or reloading a tab with unsaved changes asks
// first. The program offers (src/web/work_exports.cpp): its work's
// revision, whether the work is unsaved, writing the algorithm to a file,
// and loading one as the file list does.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.draft = (function () {
  var status = Quovadrin.status;
  var Folder = '/entwurf';
  var CurrentPath = Folder + '/aktuell.alg';
  var ContinuePath = Folder + '/weiterarbeiten.alg';
  // The drafts of the last starts; older ones go.
  var MaxDrafts = 20;
  // How often the page looks whether the work changed.
  var PollMilliseconds = 1000;
  // Set by the page after quitting: the next start loads that draft.
  var ContinueKey = 'quovadrinWeiterarbeiten';
  var seenRevision = null;
  var keptBytes = null;
  var offered = null;
  var ended = false;
  var barButton = document.getElementById('continue');
  var endedButton = document.getElementById('continue-ended');

  function warn(error) { console.warn('Quovadrin-Entwurf:', error); }

  function running() { return !ended && typeof Module._quovadrinWorkRevision === 'function'; }

  function store() { return Quovadrin.workspace.store(); }

  /** The current algorithm's .alg bytes, or null. */
  function currentBytes() {
    var FS = Module.FS;
    if (!FS.analyzePath(Folder).exists) FS.mkdir(Folder);
    if (Module._quovadrinWriteDraft() !== 0) return null;
    return FS.readFile(CurrentPath);
  }

  /** Keeps the current algorithm as this tab's draft if it changed. */
  function keep() {
    if (!running() || !store()) return Promise.resolve();
    var revision = Module._quovadrinWorkRevision();
    if (revision === seenRevision) return Promise.resolve();
    seenRevision = revision;
    var bytes = currentBytes();
    if (!bytes || Quovadrin.storage.sameBytes(bytes, keptBytes)) return Promise.resolve();
    keptBytes = bytes;
    return store().keepDraft(Module.quovadrinSeed, bytes, MaxDrafts).catch(warn);
  }

  function when(time) {
    return new Date(time).toLocaleString('de-DE', { dateStyle: 'short', timeStyle: 'short' });
  }

  /** Loads a draft into the program; it becomes this tab's draft. */
  function restore(draft) {
    var FS = Module.FS;
    if (!FS.analyzePath(Folder).exists) FS.mkdir(Folder);
    FS.writeFile(ContinuePath, draft.bytes);
    if (Module._quovadrinContinueDraft() !== 0) {
      status.tell('Der Entwurf vom ' + when(draft.time) + ' ließ sich nicht laden.', true);
      return;
    }
    barButton.hidden = true;
    offered = null;
    status.tell('Weitergearbeitet: der Algorithmus vom ' + when(draft.time) + ' ist geladen.', false);
    keep().then(function () {
      if (draft.seed !== Module.quovadrinSeed) return store().dropDraft(draft.seed);
    }).catch(warn);
  }

  /** After the first frame: the draft to continue with, offered or (after
   *  "Weiterarbeiten" on the page shown after quitting) loaded at once. */
  function started() {
    if (!running() || !store()) return;
    var wanted = null;
    try {
      wanted = sessionStorage.getItem(ContinueKey);
      sessionStorage.removeItem(ContinueKey);
    } catch (error) { warn(error); }
    var start = currentBytes();
    store().drafts().then(function (drafts) {
      var others = drafts.filter(function (draft) {
        return draft.seed !== Module.quovadrinSeed && !Quovadrin.storage.sameBytes(draft.bytes, start);
      });
      var chosen = others.filter(function (draft) { return String(draft.seed) === wanted; })[0];
      if (chosen) return restore(chosen);
      if (!others.length) return;
      offered = others[0];
      barButton.title = 'Den Algorithmus vom ' + when(offered.time) + ' laden';
      barButton.hidden = false;
    }).catch(warn);
    setInterval(keep, PollMilliseconds);
  }

  /** The program ended: its last state is kept, and the page shown after
   *  quitting offers to continue with it. */
  function programEnded() {
    keep();
    ended = true;
    endedButton.hidden = !keptBytes;
  }

  function unsaved() {
    if (Quovadrin.workspace.writing()) return true;
    return running() && typeof Module._quovadrinUnsavedWork === 'function' && Module._quovadrinUnsavedWork() !== 0;
  }

  barButton.addEventListener('click', function () {
    if (offered) restore(offered);
  });
  endedButton.addEventListener('click', function () {
    try {
      sessionStorage.setItem(ContinueKey, String(Module.quovadrinSeed));
    } catch (error) { warn(error); }
    location.reload();
  });
  window.addEventListener('beforeunload', function (event) {
    try {
      keep();
      if (!unsaved()) return;
    } catch (error) {
      // A program that has crashed has nothing more to keep.
      return;
    }
    event.preventDefault();
    event.returnValue = '';
  });
  document.addEventListener('visibilitychange', function () {
    if (document.visibilityState === 'hidden') keep();
  });

  return { started: started, programEnded: programEnded, keep: keep };
})();
