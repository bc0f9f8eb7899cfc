// Where the class overview's files come from: algorithm files chosen or
// dropped, a folder with its subfolders (chosen, or dropped), the .zip files
// among them, and every algorithm stored in this browser. Each file becomes
// an entry { path, folder, file | bytes | unread } for the overview worker,
// which reads a chosen file only when its card is due.
//
// The rules are --render's: inside a folder only names ending in ".alg" are
// algorithms and hidden names (a dot first: a copying system's leftovers)
// are passed over, both quietly; a file given by itself that is neither an
// algorithm nor a .zip gets a sentence. A .zip stands for a folder named
// after it, without ".zip", where it lies: a class folder of learners'
// folders and learners' .zip files (Ben/ and Ben.zip alike) gives one group
// per learner. Inside a .zip, the folder vorpAlgorithms/ that "Alles
// sichern" writes is no folder of its own; other folders are subfolders.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.overviewSources = (function () {
  var rules = Quovadrin.fileRules;
  // A class's work for a school year fits many times; a folder with more
  // algorithms is not a class's (a whole disk dropped by mistake, say).
  var MaxFiles = 3000;
  // Entries looked at in a dropped folder before the walk gives up, so a
  // folder of a whole disk ends at once instead of walking for minutes.
  var MaxWalkedEntries = 30000;
  // Bytes of algorithms read out of .zip files for one overview: what one
  // .zip may unpack to.
  var MaxZipBytes = rules.MaxZipTotalBytes;
  var WorkspaceFolder = rules.Folders.alg;

  function quoted(name) { return '„' + name + '“'; }

  function join(folder, name) { return folder ? folder + '/' + name : name; }

  function folderOf(path) {
    var at = path.lastIndexOf('/');
    return at < 0 ? '' : path.slice(0, at);
  }

  function nameOf(path) { return path.slice(path.lastIndexOf('/') + 1); }

  function isAlgorithm(name) { return /.\.alg$/.test(name); }

  function isZip(name) { return /.\.zip$/i.test(name); }

  function isHidden(path) {
    return path.split('/').some(function (part) { return part.charAt(0) === '.'; });
  }

  /** Too many files for one overview: nothing is drawn. */
  function TooMany(sentence) { this.sentence = sentence; }

  var tooManyFiles = 'Mehr als ' + MaxFiles + ' Algorithmen auf einmal: bitte einen kleineren Ordner wählen.';

  /**
   * Found files [{ path, file, inFolder }] made into entries; a .zip is read
   * through the page's zip worker, with its bounds. Resolves to { entries,
   * sentences } or rejects with TooMany.
   */
  function entriesOf(found) {
    var entries = [];
    var sentences = [];
    var zipBytes = 0;
    function add(entry) {
      if (entries.length >= MaxFiles) throw new TooMany(tooManyFiles);
      entries.push(entry);
    }
    function addZip(item) {
      var zipName = nameOf(item.path);
      var folder = join(folderOf(item.path), zipName.replace(/\.zip$/i, ''));
      return Quovadrin.zips.readAlgorithms(item.file).then(function (answer) {
        if (answer.refused)
          return sentences.push(quoted(zipName) + ' ' + answer.refused + ': nicht in der Übersicht.');
        answer.algorithms.forEach(function (algorithm) {
          var parts = algorithm.path.split('/').filter(function (part) { return part; });
          var name = parts.pop();
          if (isHidden(algorithm.path)) return;
          var inner = parts.filter(function (part) { return part !== WorkspaceFolder; }).join('/');
          var entryFolder = join(folder, inner);
          // The path names the .zip, to tell its files from a folder's
          // files of the same name.
          var entry = { path: join(entryFolder, zipName + '/' + name), folder: entryFolder };
          if (algorithm.tooLarge) entry.unread = 'large';
          else if (algorithm.unreadable) entry.unread = 'unreadable';
          else entry.bytes = algorithm.bytes;
          zipBytes += entry.bytes ? entry.bytes.length : 0;
          if (zipBytes > MaxZipBytes)
            throw new TooMany('Die .zip-Dateien enthalten zusammen mehr als ' + (MaxZipBytes >> 20) +
                              ' MiB Algorithmen: bitte weniger auf einmal wählen.');
          add(entry);
        });
      });
    }
    return found.reduce(function (previous, item) {
      return previous.then(function () {
        var name = nameOf(item.path);
        if (item.inFolder && isHidden(item.path)) return;
        if (isAlgorithm(name)) {
          var entry = { path: item.path, folder: folderOf(item.path) };
          if (item.unreadable) entry.unread = 'unreadable';
          else if (item.file.size > rules.MaxFileBytes) entry.unread = 'large';
          else entry.file = item.file;
          return add(entry);
        }
        if (isZip(name) && !item.unreadable) return addZip(item);
        if (!item.inFolder)
          sentences.push(quoted(name) + ' ist weder Algorithmus (.alg) noch .zip-Datei: nicht in der Übersicht.');
      });
    }, Promise.resolve()).then(function () {
      return { entries: entries, sentences: sentences };
    });
  }

  /** Chosen files: a folder's (with their paths below it) or single ones. */
  function fromFiles(fileList) {
    var found = Array.prototype.map.call(fileList, function (file) {
      var path = file.webkitRelativePath || file.name;
      return { path: path, file: file, inFolder: path.indexOf('/') >= 0 };
    });
    return entriesOf(found);
  }

  /** All entries of a dropped folder, walked in turn; the browser gives
   *  them some hundred at a time. */
  function walk(entry, found, counter) {
    if (++counter.walked > MaxWalkedEntries)
      return Promise.reject(new TooMany('Der Ordner hat mehr als ' + MaxWalkedEntries +
                                        ' Einträge: bitte einen kleineren Ordner wählen.'));
    var path = entry.fullPath.replace(/^\//, '');
    if (entry.isFile) {
      return new Promise(function (resolve) {
        entry.file(function (file) {
          found.push({ path: path, file: file, inFolder: counter.depth > 0 });
          resolve();
        }, function () {
          found.push({ path: path, unreadable: true, inFolder: counter.depth > 0 });
          resolve();
        });
      });
    }
    if (!entry.isDirectory || (counter.depth > 0 && entry.name.charAt(0) === '.')) return Promise.resolve();
    var reader = entry.createReader();
    function more() {
      return new Promise(function (resolve, reject) { reader.readEntries(resolve, reject); })
        .then(function (children) {
          if (!children.length) return;
          var inner = { walked: counter.walked, depth: counter.depth + 1 };
          return children.reduce(function (previous, child) {
            return previous.then(function () {
              inner.walked = counter.walked;
              return walk(child, found, inner).then(function () { counter.walked = inner.walked; });
            });
          }, Promise.resolve()).then(more);
        }, function () {
          found.push({ path: path, unreadable: true, inFolder: true });
        });
    }
    return more();
  }

  /**
   * What was dropped: folders are walked with their subfolders. The items
   * must be taken during the drop event itself, so this is called there.
   */
  function fromDrop(dataTransfer) {
    var roots = [];
    var loose = [];
    Array.prototype.forEach.call(dataTransfer.items || [], function (item) {
      if (item.kind !== 'file') return;
      var entry = item.webkitGetAsEntry ? item.webkitGetAsEntry() : null;
      if (entry) roots.push(entry);
      else if (item.getAsFile()) loose.push(item.getAsFile());
    });
    if (!roots.length && !loose.length) loose = Array.prototype.slice.call(dataTransfer.files || []);
    var found = loose.map(function (file) { return { path: file.name, file: file, inFolder: false }; });
    var counter = { walked: 0, depth: 0 };
    return roots.reduce(function (previous, root) {
      return previous.then(function () { return walk(root, found, counter); });
    }, Promise.resolve()).then(function () {
      if (found.length > MaxWalkedEntries) throw new TooMany(tooManyFiles);
      return entriesOf(found);
    });
  }

  /** Every algorithm stored in this browser, without groups. */
  function fromStorage() {
    var store = Quovadrin.workspace.store();
    if (!store) return Promise.resolve({ entries: [], sentences: [] });
    return store.read(rules.Folders.alg).then(function (files) {
      if (files.length > MaxFiles) throw new TooMany(tooManyFiles);
      return {
        entries: files.map(function (file) {
          return { path: nameOf(file.path), folder: '', bytes: file.bytes };
        }),
        sentences: [],
      };
    });
  }

  return {
    MaxFiles: MaxFiles,
    MaxWalkedEntries: MaxWalkedEntries,
    TooMany: TooMany,
    fromFiles: fromFiles,
    fromDrop: fromDrop,
    fromStorage: fromStorage,
  };
})();
