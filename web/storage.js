// The learner's files in the browser (IndexedDB), written per file and never
// by mirroring a folder: a save adds exactly the files it wrote in one
// transaction, so a tab closed halfway leaves all of them or none, and no
// write ever removes what another tab stored. Each tab claims its seed here
// before the program starts, so two tabs never save under the same name.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.storage = (function () {
  var rules = Quovadrin.fileRules;
  var DatabaseName = 'quovadrin';
  var Version = 1;
  // files: path -> { bytes, time }; seeds: seed -> { time }, every seed a tab
  // ever started with; notes: small facts the page keeps (name -> value);
  // drafts: seed -> { bytes, time }, the current algorithm of each tab
  // (draft.js), which is no saved file.
  var Files = 'files';
  var Seeds = 'seeds';
  var Notes = 'notes';
  var Drafts = 'drafts';

  /** The key range of the paths below a folder or with a name prefix. */
  function prefixRange(prefix) {
    return IDBKeyRange.bound(prefix, prefix + '\uffff');
  }

  /** A promise for a transaction's end: its result on complete, its error
   *  (or an AbortError) otherwise. */
  function finished(transaction, result) {
    return new Promise(function (resolve, reject) {
      transaction.oncomplete = function () { resolve(result()); };
      transaction.onabort = function () {
        reject(transaction.error || new DOMException('abgebrochen', 'AbortError'));
      };
    });
  }

  /**
   * Runs a write (a function that opens a transaction, makes its requests
   * and returns finished's promise) so that it always settles: a request
   * the browser refuses at once rejects the promise instead of throwing,
   * which would leave the write pending for good. Firefox refuses the first
   * write after another transaction exceeded the quota (a draft's, say) at
   * once with an InvalidStateError; that write is tried once more, so it
   * is refused for its own reason, or stored.
   */
  function written(write) {
    try {
      return write();
    } catch (error) {
      if (!error || error.name !== 'InvalidStateError') return Promise.reject(error);
    }
    try {
      return write();
    } catch (error) {
      return Promise.reject(error);
    }
  }

  function Store(database) {
    this.database = database;
    // Another version of the page that needs a newer database asks this one
    // to step aside; a tab that held on would keep it from ever opening.
    database.onversionchange = function () { database.close(); };
  }

  /**
   * Claims the first seed from first on that no tab has started with and no
   * stored file is named after (a clock set back, files from another
   * computer), all in one transaction: tabs that start in the same second
   * take turns and get different seeds.
   */
  Store.prototype.claimSeed = function (first) {
    var transaction = this.database.transaction([Seeds, Files], 'readwrite');
    var seeds = transaction.objectStore(Seeds);
    var files = transaction.objectStore(Files);
    var seed = first;
    function tryNext() {
      var claimed = seeds.count(seed);
      claimed.onsuccess = function () {
        if (claimed.result) return bump();
        var named = 0;
        var folders = [rules.Folders.alg, rules.Folders.png];
        var pending = folders.length;
        folders.forEach(function (folder) {
          var count = files.count(prefixRange(folder + '/seed_' + seed + '-'));
          count.onsuccess = function () {
            named += count.result;
            if (--pending) return;
            if (named) return bump();
            seeds.add({ time: Date.now() }, seed);
          };
        });
      };
    }
    function bump() {
      ++seed;
      tryNext();
    }
    tryNext();
    return finished(transaction, function () { return seed; });
  };

  /**
   * Adds the files of one save (path and bytes each) in one transaction.
   * Never replaces a stored file: a name that is taken fails the whole save
   * with a ConstraintError, and nothing of it is stored.
   */
  Store.prototype.storeSave = function (records) {
    var database = this.database;
    return written(function () {
      var transaction = database.transaction([Files], 'readwrite', { durability: 'strict' });
      var files = transaction.objectStore(Files);
      var time = Date.now();
      records.forEach(function (record) {
        files.add({ bytes: record.bytes, time: time }, record.path);
      });
      return finished(transaction, function () { return records.length; });
    });
  };

  /**
   * Adds groups of files from outside (see fileRules.planAdditions) in one
   * transaction: each group under a free name, duplicates skipped. Resolves
   * to the plan, with each added file's path in its entries' path field.
   */
  Store.prototype.addGroups = function (groups) {
    var transaction = this.database.transaction([Files], 'readwrite', { durability: 'strict' });
    var files = transaction.objectStore(Files);
    var plan = [];
    var keys = files.getAllKeys();
    keys.onsuccess = function () {
      var existing = new Set(keys.result);
      var collisions = groups.map(function (group) {
        return rules.groupPaths(group.base, ['alg'])[0];
      }).filter(function (path) { return existing.has(path); });
      var stored = new Map();
      var pending = collisions.length;
      if (!pending) return place();
      collisions.forEach(function (path) {
        var read = files.get(path);
        read.onsuccess = function () {
          stored.set(path, read.result && read.result.bytes);
          if (!--pending) place();
        };
      });
      function place() {
        plan = rules.planAdditions(groups, existing, function (path, bytes) {
          return sameBytes(stored.get(path), bytes);
        });
        var time = Date.now();
        plan.forEach(function (entry) {
          if (entry.duplicate) return;
          entry.paths = entry.group.files.map(function (file) {
            var path = rules.groupPaths(entry.base, [file.kind])[0];
            files.add({ bytes: file.bytes, time: file.time || time }, path);
            return path;
          });
        });
      }
    };
    return finished(transaction, function () { return plan; });
  };

  function sameBytes(a, b) {
    if (!a || !b || a.length !== b.length) return false;
    for (var i = 0; i < a.length; ++i)
      if (a[i] !== b[i]) return false;
    return true;
  }

  /** Every stored path. */
  Store.prototype.paths = function () {
    var transaction = this.database.transaction([Files], 'readonly');
    var keys = transaction.objectStore(Files).getAllKeys();
    return finished(transaction, function () { return keys.result; });
  };

  /** The stored files below folder (or all with no folder), as { path,
   *  bytes, time }, in the order of their paths. */
  Store.prototype.read = function (folder) {
    var transaction = this.database.transaction([Files], 'readonly');
    var files = transaction.objectStore(Files);
    var range = folder ? prefixRange(folder + '/') : undefined;
    var keys = files.getAllKeys(range);
    var values = files.getAll(range);
    return finished(transaction, function () {
      return keys.result.map(function (path, i) {
        return { path: path, bytes: values.result[i].bytes, time: values.result[i].time };
      });
    });
  };

  /** The stored files at these paths ({ path, bytes, time }); missing ones
   *  are left out. */
  Store.prototype.readPaths = function (paths) {
    var transaction = this.database.transaction([Files], 'readonly');
    var files = transaction.objectStore(Files);
    var found = [];
    paths.forEach(function (path) {
      var read = files.get(path);
      read.onsuccess = function () {
        if (read.result) found.push({ path: path, bytes: read.result.bytes, time: read.result.time });
      };
    });
    return finished(transaction, function () { return found; });
  };

  /** A note the page kept, or undefined. */
  Store.prototype.note = function (name) {
    var transaction = this.database.transaction([Notes], 'readonly');
    var read = transaction.objectStore(Notes).get(name);
    return finished(transaction, function () { return read.result; });
  };

  Store.prototype.setNote = function (name, value) {
    var transaction = this.database.transaction([Notes], 'readwrite');
    transaction.objectStore(Notes).put(value, name);
    return finished(transaction, function () { return value; });
  };

  /** Keeps bytes as the draft of the tab with this seed, and keeps no more
   *  than max drafts: the oldest others go. */
  Store.prototype.keepDraft = function (seed, bytes, max) {
    var database = this.database;
    return written(function () {
      var transaction = database.transaction([Drafts], 'readwrite');
      var drafts = transaction.objectStore(Drafts);
      drafts.put({ bytes: bytes, time: Date.now() }, seed);
      var keys = drafts.getAllKeys();
      var values = drafts.getAll();
      values.onsuccess = function () {
        var byAge = keys.result.map(function (key, i) { return { seed: key, time: values.result[i].time }; })
          .sort(function (a, b) { return b.time - a.time; });
        byAge.slice(max).forEach(function (old) { drafts.delete(old.seed); });
      };
      return finished(transaction, function () { return seed; });
    });
  };

  /** The drafts, newest first: { seed, bytes, time } each. */
  Store.prototype.drafts = function () {
    var transaction = this.database.transaction([Drafts], 'readonly');
    var drafts = transaction.objectStore(Drafts);
    var keys = drafts.getAllKeys();
    var values = drafts.getAll();
    return finished(transaction, function () {
      return keys.result.map(function (seed, i) {
        return { seed: seed, bytes: values.result[i].bytes, time: values.result[i].time };
      }).sort(function (a, b) { return b.time - a.time; });
    });
  };

  /** Forgets the draft of the tab with this seed. */
  Store.prototype.dropDraft = function (seed) {
    var transaction = this.database.transaction([Drafts], 'readwrite');
    transaction.objectStore(Drafts).delete(seed);
    return finished(transaction, function () { return seed; });
  };

  /** Opens the page's database, creating its stores on the first visit. */
  function open() {
    return new Promise(function (resolve, reject) {
      if (typeof indexedDB === 'undefined') throw new Error('kein IndexedDB');
      var request = indexedDB.open(DatabaseName, Version);
      request.onupgradeneeded = function () {
        var database = request.result;
        if (!database.objectStoreNames.contains(Files)) database.createObjectStore(Files);
        if (!database.objectStoreNames.contains(Seeds)) database.createObjectStore(Seeds);
        if (!database.objectStoreNames.contains(Notes)) database.createObjectStore(Notes);
        if (!database.objectStoreNames.contains(Drafts)) database.createObjectStore(Drafts);
      };
      request.onsuccess = function () { resolve(new Store(request.result)); };
      request.onerror = function () { reject(request.error); };
      request.onblocked = function () { reject(new Error('von einem anderen Tab blockiert')); };
    });
  }

  return { open: open, Store: Store, sameBytes: sameBytes };
})();
