// Files that earlier versions of the page kept: they mirrored the whole
// working folder into a database named after it ('/arbeit', one record per
// path with its mode and contents). Its saves and pictures are taken over
// into today's storage under the same rules as files added from outside
// (sizes, portable names, never replacing), and the earlier database is
// left as it is, so nothing a learner saved there is lost. The paths taken
// over are noted, so each start only looks for what is new there.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.earlierFiles = (function () {
  var rules = Quovadrin.fileRules;
  var DatabaseName = '/arbeit';
  var StoreName = 'FILE_DATA';
  var NoteName = 'earlierFilesTaken';
  var RegularFile = 0x8000;
  var FileTypeMask = 0xf000;

  /** The earlier database, or null when this browser never had one: it is
   *  not created by looking. */
  function openEarlier() {
    return new Promise(function (resolve) {
      var request = indexedDB.open(DatabaseName);
      request.onupgradeneeded = function () {
        request.transaction.abort();
      };
      request.onsuccess = function () {
        var database = request.result;
        if (database.objectStoreNames.contains(StoreName)) return resolve(database);
        database.close();
        resolve(null);
      };
      request.onerror = function () { resolve(null); };
      request.onblocked = function () { resolve(null); };
    });
  }

  function readRecords(database, paths) {
    return new Promise(function (resolve, reject) {
      var transaction = database.transaction([StoreName], 'readonly');
      var store = transaction.objectStore(StoreName);
      var records = [];
      paths.forEach(function (path) {
        var read = store.get(path);
        read.onsuccess = function () { records.push({ path: path, value: read.result }); };
      });
      transaction.oncomplete = function () { resolve(records); };
      transaction.onabort = function () { reject(transaction.error); };
    });
  }

  function allPaths(database) {
    return new Promise(function (resolve, reject) {
      var transaction = database.transaction([StoreName], 'readonly');
      var keys = transaction.objectStore(StoreName).getAllKeys();
      transaction.oncomplete = function () { resolve(keys.result); };
      transaction.onabort = function () { reject(transaction.error); };
    });
  }

  /** Whether an earlier record is a learner's file the page can take. */
  function takeable(record) {
    var value = record.value;
    if (!value || (value.mode & FileTypeMask) !== RegularFile || !value.contents) return false;
    var parts = record.path.split('/');
    if (parts.length !== 4 || parts[1] !== 'arbeit') return false;
    var kind = rules.kindOf(parts[3]);
    if (!kind || rules.Folders[kind] !== parts[2]) return false;
    return value.contents.length <= rules.MaxFileBytes;
  }

  /** Groups the takeable records by their portable base name. */
  function groupsOf(records) {
    var groups = new Map();
    records.filter(takeable).forEach(function (record) {
      var name = rules.portableName(record.path.split('/').pop());
      if (!name) return;
      var base = rules.baseOf(name);
      if (!groups.has(base)) groups.set(base, { base: base, files: [] });
      var time = record.value.timestamp instanceof Date ? record.value.timestamp.getTime() : 0;
      groups.get(base).files.push({ kind: rules.kindOf(name), time: time,
                                    bytes: new Uint8Array(record.value.contents) });
    });
    return Array.from(groups.values());
  }

  /**
   * Takes over what the earlier database holds and was not taken before.
   * Resolves to the number of files added (0 when there is nothing).
   */
  function takeOver(store) {
    return openEarlier().then(function (earlier) {
      if (!earlier) return 0;
      return Promise.all([allPaths(earlier), store.note(NoteName)]).then(function (found) {
        var seen = new Set(found[1] || []);
        var fresh = found[0].filter(function (path) { return !seen.has(path); });
        if (!fresh.length) return 0;
        return readRecords(earlier, fresh).then(function (records) {
          return store.addGroups(groupsOf(records));
        }).then(function (plan) {
          return store.setNote(NoteName, found[0]).then(function () {
            return plan.reduce(function (sum, entry) {
              return sum + (entry.paths ? entry.paths.length : 0);
            }, 0);
          });
        });
      }).finally(function () { earlier.close(); });
    });
  }

  return { takeOver: takeOver };
})();
