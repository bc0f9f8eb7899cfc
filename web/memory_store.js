// Where the files go when the browser keeps nothing (no IndexedDB, as in
// some private windows, or a database that does not answer): the same
// operations as the page's storage, held in memory for this tab only, so
// added files, the .zip of all work and the rules against replacing work
// just the same, and the page says that only downloads keep the work.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.MemoryStore = (function () {
  var rules = Quovadrin.fileRules;

  function MemoryStore() {
    this.files = new Map();
  }

  /** No other tab shares this store: the start time is the seed. */
  MemoryStore.prototype.claimSeed = function (first) {
    return Promise.resolve(first);
  };

  MemoryStore.prototype.storeSave = function (records) {
    var files = this.files;
    if (records.some(function (record) { return files.has(record.path); }))
      return Promise.reject(new DOMException('Name schon vergeben', 'ConstraintError'));
    var time = Date.now();
    records.forEach(function (record) {
      files.set(record.path, { bytes: record.bytes, time: time });
    });
    return Promise.resolve(records.length);
  };

  MemoryStore.prototype.addGroups = function (groups) {
    var files = this.files;
    var plan = rules.planAdditions(groups, new Set(files.keys()), function (path, bytes) {
      return Quovadrin.storage.sameBytes(files.get(path).bytes, bytes);
    });
    var time = Date.now();
    plan.forEach(function (entry) {
      if (entry.duplicate) return;
      entry.paths = entry.group.files.map(function (file) {
        var path = rules.groupPaths(entry.base, [file.kind])[0];
        files.set(path, { bytes: file.bytes, time: file.time || time });
        return path;
      });
    });
    return Promise.resolve(plan);
  };

  MemoryStore.prototype.paths = function () {
    return Promise.resolve(Array.from(this.files.keys()).sort());
  };

  MemoryStore.prototype.read = function (folder) {
    var prefix = folder ? folder + '/' : '';
    var found = [];
    this.files.forEach(function (value, path) {
      if (path.indexOf(prefix) === 0) found.push({ path: path, bytes: value.bytes, time: value.time });
    });
    found.sort(function (a, b) { return a.path < b.path ? -1 : a.path > b.path ? 1 : 0; });
    return Promise.resolve(found);
  };

  MemoryStore.prototype.readPaths = function (paths) {
    var files = this.files;
    return Promise.resolve(paths.filter(function (path) { return files.has(path); }).map(function (path) {
      return { path: path, bytes: files.get(path).bytes, time: files.get(path).time };
    }));
  };

  // Drafts outlive the tab only in real storage: here there are none.
  MemoryStore.prototype.keepDraft = function (seed) { return Promise.resolve(seed); };
  MemoryStore.prototype.drafts = function () { return Promise.resolve([]); };
  MemoryStore.prototype.dropDraft = function (seed) { return Promise.resolve(seed); };

  MemoryStore.prototype.note = function () { return Promise.resolve(undefined); };
  MemoryStore.prototype.setNote = function (name, value) { return Promise.resolve(value); };

  return MemoryStore;
})();
