// "Hinzufügen": files from the computer (chosen or dropped) join the saved
// files. Only what the program can load is taken: .alg files of at most the
// reader's limit, and from a .zip of saved work also its pictures. Every
// refused file gets one German sentence and nothing of it is stored; a name
// that is taken stays as it is and the new file gets the next free name.
// All files of one choice are stored in one transaction.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.uploads = (function () {
  var rules = Quovadrin.fileRules;
  var status = Quovadrin.status;
  var busy = false;

  function quoted(name) { return '„' + name + '“'; }

  function refusedSentence(name, why) {
    var reasons = {
      kind: 'ist keine Algorithmus-Datei (.alg) und wurde nicht hinzugefügt.',
      size: 'ist größer als 4 MiB und wurde nicht hinzugefügt.',
      unreadable: 'ließ sich nicht lesen (ein Ordner?) und wurde nicht hinzugefügt.',
      name: 'hat keinen brauchbaren Dateinamen und wurde nicht hinzugefügt.',
    };
    return quoted(name) + ' ' + reasons[why];
  }

  /** One chosen .alg file as a group, or a refusal sentence. */
  function readAlgorithm(file) {
    var name = rules.portableName(file.name);
    if (!name) return Promise.resolve({ sentence: refusedSentence(file.name, 'name') });
    if (rules.kindOf(name) !== 'alg')
      return Promise.resolve({ sentence: refusedSentence(file.name, 'kind') });
    if (file.size > rules.MaxFileBytes)
      return Promise.resolve({ sentence: refusedSentence(file.name, 'size') });
    return file.arrayBuffer().then(function (buffer) {
      // The size can change between the look and the read.
      if (buffer.byteLength > rules.MaxFileBytes) return { sentence: refusedSentence(file.name, 'size') };
      return { group: { base: rules.baseOf(name), from: file.name,
                        files: [{ kind: 'alg', bytes: new Uint8Array(buffer) }] } };
    }, function () { return { sentence: refusedSentence(file.name, 'unreadable') }; });
  }

  /** A chosen file: a .zip goes to the zip reader, anything else is read
   *  as an algorithm. Resolves to { groups, sentences }. */
  function readChosen(file) {
    if (/\.zip$/i.test(file.name)) return Quovadrin.zips.read(file);
    return readAlgorithm(file).then(function (outcome) {
      return { groups: outcome.group ? [outcome.group] : [],
               sentences: outcome.sentence ? [outcome.sentence] : [] };
    });
  }

  function fileCount(count) { return count + (count === 1 ? ' Datei' : ' Dateien'); }

  /** What the learner is told about a stored plan. */
  function planSentences(plan) {
    var sentences = [];
    plan.forEach(function (entry) {
      var from = entry.group.from || entry.group.base + '.alg';
      if (entry.duplicate) sentences.push(quoted(from) + ' ist schon gespeichert, mit gleichem Inhalt.');
      else if (entry.renamed)
        sentences.push(quoted(from) + ' gab es schon: die neue Datei heißt ' +
                       quoted(entry.base + '.' + entry.group.files[0].kind) + '.');
    });
    return sentences;
  }

  function storedFailure(error) {
    if (error && error.name === 'QuotaExceededError')
      return 'Der Speicher des Browsers ist voll: nichts hinzugefügt.';
    return 'Hinzufügen im Browser fehlgeschlagen (' + (error && error.name || error) +
           '): nichts hinzugefügt.';
  }

  /** Adds the chosen files (a FileList or an array of File). */
  function add(chosen) {
    var files = Array.prototype.slice.call(chosen);
    if (!files.length || busy) return Promise.resolve();
    if (files.length > rules.MaxZipEntries) {
      status.tell('Mehr als ' + rules.MaxZipEntries + ' Dateien auf einmal: nichts hinzugefügt.', true);
      return Promise.resolve();
    }
    busy = true;
    var started = performance.now();
    status.tell('Dateien werden gelesen …', false);
    var sentences = [];
    var groups = [];
    return files.reduce(function (previous, file) {
      return previous.then(function () {
        return readChosen(file).then(function (outcome) {
          groups = groups.concat(outcome.groups);
          sentences = sentences.concat(outcome.sentences);
        });
      });
    }, Promise.resolve()).then(function () {
      if (!groups.length) return [];
      return Quovadrin.workspace.add(groups);
    }).then(function (plan) {
      var added = plan.reduce(function (sum, entry) { return sum + (entry.paths || []).length; }, 0);
      var first = added ? fileCount(added) + ' hinzugefügt: im Laden-Menü.' : 'Nichts hinzugefügt.';
      status.report(first, sentences.concat(planSentences(plan)), !added);
    }, function (error) {
      status.report(storedFailure(error), sentences, true);
    }).finally(function () {
      busy = false;
      // How long the page took, for the stories and the benchmark.
      window.quovadrinAddMilliseconds = performance.now() - started;
    });
  }

  return { add: add, refusedSentence: refusedSentence };
})();
