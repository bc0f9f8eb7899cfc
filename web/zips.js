// All work in one file, both ways: "Alles sichern" downloads a .zip of
// every stored .alg, .png and .svg, and a .zip chosen for "Hinzufügen" is
// read back (or, for the class overview, its algorithms are read). The zip library runs in a worker (zip_worker.js), started with
// the page so that it is of the page's own version; a worker that does not
// answer in time is ended, which stops whatever it was inflating.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.zips = (function () {
  var rules = Quovadrin.fileRules;
  var status = Quovadrin.status;
  // Far more than reading or writing the largest allowed .zip takes; a
  // directory that lies about its size can keep the library busy longer.
  var WorkerTimeout = 60000;
  var worker = null;
  var jobs = new Map();
  var nextId = 1;

  function startWorker() {
    if (typeof Worker !== 'function') return;
    worker = new Worker('zip_worker.js');
    worker.onmessage = function (event) {
      var job = jobs.get(event.data.id);
      if (!job) return;
      jobs.delete(event.data.id);
      clearTimeout(job.timer);
      job.resolve(event.data);
    };
  }

  /** Sends a job to the worker; resolves to its answer, or to { timedOut }
   *  after ending a worker that took too long. */
  function ask(message, transfer) {
    if (!worker) return Promise.resolve({ failure: 'keine Worker' });
    return new Promise(function (resolve) {
      var id = nextId++;
      message.id = id;
      var job = { resolve: resolve };
      job.timer = setTimeout(function () {
        jobs.delete(id);
        worker.terminate();
        jobs.forEach(function (other) { other.resolve({ timedOut: true }); });
        jobs.clear();
        startWorker();
        resolve({ timedOut: true });
      }, WorkerTimeout);
      jobs.set(id, job);
      worker.postMessage(message, transfer || []);
    });
  }

  function quoted(name) { return '„' + name + '“'; }

  function refused(name, why) {
    return { groups: [], sentences: [quoted(name) + ' ' + why + ': nichts daraus hinzugefügt.'] };
  }

  /** Reads a chosen .zip; resolves to { groups, sentences } (see
   *  uploads.js). */
  function read(file) {
    if (file.size > rules.MaxZipBytes)
      return Promise.resolve(refused(file.name, 'ist größer als ' + (rules.MaxZipBytes >> 20) + ' MiB'));
    return file.arrayBuffer().then(function (buffer) {
      return ask({ name: file.name, buffer: buffer }, [buffer]);
    }, function () {
      return { failure: 'unlesbar' };
    }).then(function (answer) {
      if (answer.timedOut) return refused(file.name, 'ließ sich nicht in angemessener Zeit lesen');
      if (answer.failure) return refused(file.name, 'ließ sich nicht lesen');
      return { groups: answer.groups, sentences: answer.sentences };
    });
  }

  /** Reads the algorithm files of a .zip for the class overview; resolves
   *  to { algorithms: [{ path, bytes } or { path, tooLarge } or { path,
   *  unreadable }], refused: why the whole .zip was refused, or null }. */
  function readAlgorithms(file) {
    if (file.size > rules.MaxZipBytes)
      return Promise.resolve({ algorithms: [], refused: 'ist größer als ' + (rules.MaxZipBytes >> 20) + ' MiB' });
    return file.arrayBuffer().then(function (buffer) {
      return ask({ name: file.name, buffer: buffer, algorithms: true }, [buffer]);
    }, function () {
      return { failure: 'unlesbar' };
    }).then(function (answer) {
      if (answer.timedOut) return { algorithms: [], refused: 'ließ sich nicht in angemessener Zeit lesen' };
      if (answer.failure) return { algorithms: [], refused: 'ließ sich nicht lesen' };
      return { algorithms: answer.algorithms, refused: answer.refused };
    });
  }

  function zipName() {
    var day = new Date();
    function two(number) { return (number < 10 ? '0' : '') + number; }
    return 'Quovadrin-Sicherung-' + day.getFullYear() + '-' + two(day.getMonth() + 1) + '-' +
           two(day.getDate()) + '.zip';
  }

  /** "Alles sichern": every stored file in one .zip, downloaded. */
  function saveAll() {
    var store = Quovadrin.workspace.store();
    if (!store) return Promise.resolve();
    status.tell('Die Sicherung wird gepackt …', false);
    return store.read().then(function (files) {
      var kept = files.filter(function (file) { return rules.kindOf(file.path); });
      if (!kept.length) {
        status.tell('Noch nichts gespeichert: es gibt nichts zu sichern.', false);
        return;
      }
      return ask({ files: kept }).then(function (answer) {
        if (!answer.blob) {
          status.tell('Die Sicherung ließ sich nicht packen (' + (answer.failure || 'Zeit') + ').', true);
          return;
        }
        Quovadrin.downloads.save(answer.blob, zipName());
        status.tell(kept.length + ' Dateien gesichert: ' + zipName() + '.', false);
      });
    }, function (error) {
      status.tell('Die Sicherung ließ sich nicht lesen (' + (error && error.name || error) + ').', true);
    });
  }

  startWorker();
  return { read: read, readAlgorithms: readAlgorithms, saveAll: saveAll };
})();
