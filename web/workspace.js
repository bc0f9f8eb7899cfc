// The program's working folder in memory and the storage behind it. Before
// the program starts, this tab claims its seed and the stored algorithms are
// written into the folder, so the file list shows what every tab has saved.
// After a save, exactly the files it wrote go to storage in one transaction;
// other tabs hear of them (BroadcastChannel, and a look at storage whenever
// the tab comes back into view) and put the algorithms into their folders.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.workspace = (function () {
  var rules = Quovadrin.fileRules;
  var Workspace = '/arbeit';
  // A browser whose storage never answers must not keep the program from
  // starting; it then works on in memory.
  var StartTimeout = 5000;
  var store = null;
  var persistent = false;
  var channel = null;
  var writesPending = 0;

  function fs() { return Module.FS; }

  function fullPath(path) { return Workspace + '/' + path; }

  /** Whether the in-memory folder has the file at path (relative). */
  function has(path) { return fs().analyzePath(fullPath(path)).exists; }

  /** Puts a file into the in-memory folder. Only algorithms are needed
   *  there: the file list shows them and a click loads them. */
  function put(path, bytes) {
    if (rules.kindOf(path) === 'alg') fs().writeFile(fullPath(path), bytes);
  }

  function makeFolders() {
    var FS = fs();
    if (!FS.analyzePath(Workspace).exists) FS.mkdir(Workspace);
    Object.keys(rules.Folders).forEach(function (kind) {
      var path = fullPath(rules.Folders[kind]);
      if (!FS.analyzePath(path).exists) FS.mkdir(path);
    });
    FS.chdir(Workspace);
  }

  function startSeed() { return Math.floor(Date.now() / 1000); }

  /** Brings algorithms other tabs stored into this tab's folder. */
  function bringIn(paths) {
    var missing = paths.filter(function (path) { return rules.kindOf(path) === 'alg' && !has(path); });
    if (!missing.length || !store) return Promise.resolve(0);
    return store.readPaths(missing).then(function (files) {
      files.forEach(function (file) { put(file.path, file.bytes); });
      return files.length;
    });
  }

  /** Tells the other tabs which files were stored. */
  function announce(paths) {
    if (channel) channel.postMessage({ paths: paths });
  }

  function listen() {
    if (typeof BroadcastChannel === 'function') {
      channel = new BroadcastChannel('quovadrin-dateien');
      channel.onmessage = function (event) {
        if (event.data && Array.isArray(event.data.paths)) bringIn(event.data.paths).catch(warn);
      };
    }
    // A tab that slept (or a browser without BroadcastChannel) catches up
    // when the learner comes back to it.
    document.addEventListener('visibilitychange', function () {
      if (document.visibilityState === 'visible') store.paths().then(bringIn).catch(warn);
    });
  }

  function warn(error) { console.warn('Quovadrin-Speicher:', error); }

  /**
   * Before the program starts (Module.preRun): the folder, the storage, the
   * seed and the stored algorithms. Calls told(fault, full) once storage is
   * ready (fault is null) or has failed (the page then tells the learner);
   * full is the error of a storage that could be read but took no seed.
   */
  function prepare(told) {
    makeFolders();
    Module.addRunDependency('storage');
    var settled = false;
    function start(fault) {
      if (settled) return;
      settled = true;
      clearTimeout(timer);
      if (fault) {
        store = new Quovadrin.MemoryStore();
        Module.quovadrinSeed = startSeed();
      }
      told(fault, claimFailure);
      Module.removeRunDependency('storage');
    }
    var timer = setTimeout(function () { start(new Error('keine Antwort')); }, StartTimeout);
    var opened;
    var claimFailure = null;
    Promise.resolve().then(Quovadrin.storage.open).then(function (database) {
      opened = database;
      // Earlier files that cannot be taken over must not stop the start.
      return Quovadrin.earlierFiles.takeOver(opened).catch(warn);
    }).then(function () {
      // A storage that takes nothing more (full, say) still shows what it
      // holds; each save then tells that it was not stored.
      return opened.claimSeed(startSeed()).catch(function (error) {
        claimFailure = error;
        return startSeed();
      });
    }).then(function (seed) {
      Module.quovadrinSeed = seed;
      return opened.read(rules.Folders.alg);
    }).then(function (files) {
      if (settled) return;
      files.forEach(function (file) { put(file.path, file.bytes); });
      store = opened;
      persistent = true;
      listen();
      start(null);
    }).catch(start);
  }

  /**
   * A save wrote these files (paths relative to the folder): they go to
   * storage in one transaction. Resolves to null, or to the error that
   * kept them out of storage (the files stay in this tab's folder).
   */
  function keepSaved(paths) {
    var records = paths.filter(has).map(function (path) {
      return { path: path, bytes: fs().readFile(fullPath(path)) };
    });
    ++writesPending;
    var started = performance.now();
    return store.storeSave(records).then(function () {
      window.quovadrinStoreMilliseconds = performance.now() - started;
      announce(paths);
      return null;
    }, function (error) { return error || new Error('unbekannt'); }).finally(function () {
      --writesPending;
    });
  }

  /** Adds groups of files from outside (fileRules.planAdditions) to storage
   *  and to this tab's folder; resolves to the plan. */
  function add(groups) {
    ++writesPending;
    return store.addGroups(groups).then(function (plan) {
      var paths = [];
      plan.forEach(function (entry) {
        (entry.paths || []).forEach(function (path, i) {
          put(path, entry.group.files[i].bytes);
          paths.push(path);
        });
      });
      announce(paths);
      return plan;
    }).finally(function () { --writesPending; });
  }

  return {
    Workspace: Workspace,
    prepare: prepare,
    keepSaved: keepSaved,
    add: add,
    has: has,
    fullPath: fullPath,
    store: function () { return store; },
    persistent: function () { return persistent; },
    writing: function () { return writesPending > 0; },
  };
})();
