// Reads a .zip of saved work away from the page's thread, so a hostile one
// can stall nothing the learner sees, reads the algorithms of a .zip for the
// class overview, and writes the .zip of all work. The zip library parses and inflates;
// this worker holds it to the limits: no more entries than a learner's
// work has (counted from the directory's own announcement before the
// library parses a single entry), no entry past the file limit (its
// inflating stops at the first chunk beyond it, whatever its header
// claims), and no more in all than the total limit. Names with folders are
// flattened, names that are no file names refused. Replies with the groups
// to add (an algorithm with its pictures) and one sentence per refused file.
'use strict';

importScripts('file_rules.js', 'jszip.min.js');

var rules = Quovadrin.fileRules;
var current = null;

function quoted(name) { return '„' + name + '“'; }

/** A whole .zip refused: nothing of it is added (or shown in an overview). */
function refusal(zipName, why) {
  return { groups: [], algorithms: [], why: why,
           sentences: [quoted(zipName) + ' ' + why + ': nichts daraus hinzugefügt.'] };
}

// The entry count that the zip's end-of-directory record announces (or -1
// when there is none), read before the library parses the directory: a
// directory of 100,000 entries takes the library seconds to parse. The
// record is the last one, 22 bytes plus a comment of up to 65,535.
function announcedEntries(bytes) {
  var last = bytes.length - 22;
  for (var at = last; at >= 0 && at >= last - 65535; --at) {
    if (bytes[at] === 0x50 && bytes[at + 1] === 0x4b && bytes[at + 2] === 0x05 && bytes[at + 3] === 0x06)
      return bytes[at + 10] | (bytes[at + 11] << 8);
  }
  return -1;
}

/** Inflates one entry, stopping once more than limit bytes came out.
 *  Resolves to { bytes } or { tooLarge: true }. */
function inflateWithin(entry, limit) {
  return new Promise(function (resolve, reject) {
    var chunks = [];
    var size = 0;
    var stopped = false;
    var stream = entry.internalStream('uint8array');
    stream.on('data', function (chunk) {
      if (stopped) return;
      size += chunk.length;
      if (size > limit) {
        stopped = true;
        stream.pause();
        resolve({ tooLarge: true });
        return;
      }
      chunks.push(chunk);
    }).on('error', function (error) {
      if (stopped) return;
      stopped = true;
      reject(error);
    }).on('end', function () {
      if (stopped) return;
      stopped = true;
      var bytes = new Uint8Array(size);
      var offset = 0;
      chunks.forEach(function (chunk) {
        bytes.set(chunk, offset);
        offset += chunk.length;
      });
      resolve({ bytes: bytes });
    }).resume();
  });
}

/** Whether the bytes can be stored as a file of this kind. */
function contentFits(kind, bytes) {
  if (kind === 'png') return rules.looksLikePng(bytes);
  if (kind === 'svg') return /^\s*</.test(new TextDecoder().decode(bytes.subarray(0, 64)));
  return true;
}

// Entries a zip program adds of its own (macOS's resource forks, hidden
// files) are no learner's files and pass without a word.
function isSystemEntry(path) {
  return /(^|\/)__MACOSX\//.test(path) || /(^|[\/\\])\./.test(path);
}

/** Opens a .zip within the bounds and hands its file entries to read;
 *  resolves to what read gives, or to a refusal. */
function openZip(zipName, buffer, read) {
  var bytes = new Uint8Array(buffer);
  if (announcedEntries(bytes) > rules.MaxZipEntries)
    return Promise.resolve(refusal(zipName, 'hat mehr als ' + rules.MaxZipEntries + ' Einträge'));
  return JSZip.loadAsync(buffer).then(function (zip) {
    var entries = [];
    zip.forEach(function (path, entry) { if (!entry.dir) entries.push(entry); });
    if (entries.length > rules.MaxZipEntries)
      return refusal(zipName, 'hat mehr als ' + rules.MaxZipEntries + ' Einträge');
    // What the headers announce is checked before anything is inflated;
    // what they hide is caught while inflating.
    var announced = entries.reduce(function (sum, entry) { return sum + declaredSize(entry); }, 0);
    if (announced > rules.MaxZipTotalBytes) return tooLargeInAll(zipName);
    return read(zipName, entries);
  }, function () { return refusal(zipName, 'ist keine lesbare ZIP-Datei'); });
}

function readZip(zipName, buffer) {
  return openZip(zipName, buffer, readEntries);
}

/** The size an entry's header announces (0 when the library has none). */
function declaredSize(entry) {
  var size = entry._data && entry._data.uncompressedSize;
  return typeof size === 'number' && size > 0 ? size : 0;
}

function tooLargeInAll(zipName) {
  return refusal(zipName, 'ist entpackt größer als ' + (rules.MaxZipTotalBytes >> 20) + ' MiB');
}

function readEntries(zipName, entries) {
  var groups = new Map();
  var sentences = [];
  var total = 0;
  var refused = null;
  return entries.reduce(function (previous, entry) {
    return previous.then(function () {
      if (refused || isSystemEntry(entry.name)) return;
      var shown = entry.name.split('/').pop();
      var name = rules.portableName(entry.name);
      if (!name) return sentences.push(quoted(shown) + ' hat keinen brauchbaren Dateinamen und wurde nicht hinzugefügt.');
      var kind = rules.kindOf(name);
      if (!kind) return sentences.push(quoted(shown) + ' ist weder Algorithmus (.alg) noch Bild (.png, .svg) und wurde nicht hinzugefügt.');
      if (declaredSize(entry) > rules.MaxFileBytes)
        return sentences.push(quoted(shown) + ' ist größer als 4 MiB und wurde nicht hinzugefügt.');
      return inflateWithin(entry, Math.min(rules.MaxFileBytes, rules.MaxZipTotalBytes - total)).then(function (outcome) {
        if (outcome.tooLarge) {
          // Its header claimed less: the zip lies, and none of it is trusted.
          refused = overflowRefusal(zipName, total);
          return;
        }
        total += outcome.bytes.length;
        if (!contentFits(kind, outcome.bytes))
          return sentences.push(quoted(shown) + ' ist kein gültiges Bild und wurde nicht hinzugefügt.');
        var base = rules.baseOf(name);
        if (!groups.has(base)) groups.set(base, { base: base, from: shown, files: [] });
        var group = groups.get(base);
        var time = entry.date instanceof Date ? entry.date.getTime() : 0;
        var file = { kind: kind, bytes: outcome.bytes, time: time };
        if (group.files.some(function (other) { return other.kind === kind; })) {
          // The same name from another folder: a group of its own.
          var again = { base: base, from: shown, files: [file] };
          groups.set(base + '\u0000' + groups.size, again);
        } else if (kind === 'alg') {
          group.from = shown;
          group.files.unshift(file);
        } else {
          group.files.push(file);
        }
      }, function () {
        sentences.push(quoted(shown) + ' ließ sich nicht entpacken und wurde nicht hinzugefügt.');
      });
    });
  }, Promise.resolve()).then(function () {
    return refused || { groups: Array.from(groups.values()), sentences: sentences };
  });
}

/** Why an inflated entry passed its limit: the zip as a whole is refused. */
function overflowRefusal(zipName, total) {
  return total + rules.MaxFileBytes > rules.MaxZipTotalBytes
    ? tooLargeInAll(zipName)
    : refusal(zipName, 'ist beschädigt (ein Eintrag ist größer, als er angibt)');
}

/**
 * The algorithm files of a .zip for the class overview, with the same
 * bounds as adding: each .alg entry as { path (inside the zip), bytes }, or
 * { path, tooLarge } when its header announces more than the file limit (its
 * card then says so); other entries pass quietly, as a folder's other files
 * do. An entry that inflates past what its header announced refuses the
 * whole .zip.
 */
function readAlgorithmEntries(zipName, entries) {
  var algorithms = [];
  var total = 0;
  var refused = null;
  return entries.reduce(function (previous, entry) {
    return previous.then(function () {
      if (refused || isSystemEntry(entry.name) || rules.kindOf(entry.name) !== 'alg') return;
      if (declaredSize(entry) > rules.MaxFileBytes) return algorithms.push({ path: entry.name, tooLarge: true });
      return inflateWithin(entry, Math.min(rules.MaxFileBytes, rules.MaxZipTotalBytes - total)).then(function (outcome) {
        if (outcome.tooLarge) {
          refused = overflowRefusal(zipName, total);
          return;
        }
        total += outcome.bytes.length;
        algorithms.push({ path: entry.name, bytes: outcome.bytes });
      }, function () {
        algorithms.push({ path: entry.name, unreadable: true });
      });
    });
  }, Promise.resolve()).then(function () {
    return refused || { groups: [], algorithms: algorithms, sentences: [] };
  });
}

function reply(job, result) {
  if (current !== job) return;
  current = null;
  if (job.algorithms) {
    postMessage({ id: job.id, algorithms: result.algorithms, refused: result.why || null },
                result.algorithms.filter(function (file) { return file.bytes; })
                  .map(function (file) { return file.bytes.buffer; }));
    return;
  }
  var transfer = [];
  result.groups.forEach(function (group) {
    group.files.forEach(function (file) { transfer.push(file.bytes.buffer); });
  });
  postMessage({ id: job.id, groups: result.groups, sentences: result.sentences }, transfer);
}

// An error the library throws outside its promises (a damaged entry found
// at its end) refuses the zip at hand instead of leaving it unanswered.
self.addEventListener('error', function (event) {
  if (!current) return;
  event.preventDefault();
  if (current.files) {
    postMessage({ id: current.id, failure: String(event.message) });
    current = null;
    return;
  }
  reply(current, refusal(current.name, 'ist beschädigt'));
});

/** The .zip of all work: the stored paths keep their folders, so the zip
 *  unpacked in the desktop program's working folder gives it the files. A
 *  PNG is compressed already and goes in as it is. */
function writeZip(job) {
  var zip = new JSZip();
  job.files.forEach(function (file) {
    zip.file(file.path, file.bytes, {
      date: new Date(file.time || Date.now()),
      compression: rules.kindOf(file.path) === 'png' ? 'STORE' : 'DEFLATE',
    });
  });
  return zip.generateAsync({ type: 'blob', compression: 'DEFLATE' }).then(function (blob) {
    current = null;
    postMessage({ id: job.id, blob: blob });
  });
}

self.onmessage = function (event) {
  var job = event.data;
  current = job;
  if (job.files) {
    writeZip(job).catch(function (error) {
      current = null;
      postMessage({ id: job.id, failure: String(error && error.message || error) });
    });
    return;
  }
  var read = job.algorithms ? openZip(job.name, job.buffer, readAlgorithmEntries) : readZip(job.name, job.buffer);
  read.then(function (result) { reply(job, result); }, function () {
    reply(job, refusal(job.name, 'ist beschädigt'));
  });
};
