// The page around the program: the learner's storage (IndexedDB, mounted as
// the program's working directory before it starts), the files of each save
// offered as downloads, .alg files added from the computer, full screen,
// and the page shown after the program has ended. The program calls the
// on* hooks of Module (src/web/page.cpp).
'use strict';

var Module = (function () {
  var Workspace = '/arbeit';
  var Folders = ['vorpAlgorithms', 'vorpImages'];
  var canvas = document.getElementById('canvas');
  var statusLine = document.getElementById('status');
  var downloads = document.getElementById('downloads');
  var storageWorks = false;
  var offered = [];

  function tell(text, fault) {
    statusLine.textContent = text;
    statusLine.classList.toggle('fault', !!fault);
  }

  function storageFault(error) {
    storageWorks = false;
    tell('Speichern im Browser nicht möglich (' + (error && error.message || error) +
         '): Gespeichertes geht beim Schließen verloren – bitte herunterladen.', true);
  }

  // Writes the working directory to IndexedDB; then calls done.
  function persist(done) {
    if (!storageWorks) {
      if (done) done();
      return;
    }
    Module.FS.syncfs(false, function (error) {
      if (error) storageFault(error);
      if (done) done();
    });
  }

  function makeFolders() {
    var FS = Module.FS;
    Folders.forEach(function (folder) {
      var path = Workspace + '/' + folder;
      if (!FS.analyzePath(path).exists) FS.mkdir(path);
    });
    FS.chdir(Workspace);
  }

  // The saved work comes back from IndexedDB before the program starts, so
  // the file list shows it at once. Without IndexedDB (private windows of
  // some browsers, a full quota) the program works on in memory.
  function mountStorage() {
    var FS = Module.FS;
    FS.mkdir(Workspace);
    try {
      if (typeof indexedDB === 'undefined') throw new Error('kein IndexedDB');
      FS.mount(FS.filesystems.IDBFS, {}, Workspace);
    } catch (error) {
      storageFault(error);
      makeFolders();
      return;
    }
    Module.addRunDependency('storage');
    var settled = false;
    function ready(error) {
      if (settled) return;
      settled = true;
      if (error) storageFault(error); else storageWorks = true;
      makeFolders();
      Module.removeRunDependency('storage');
    }
    // A browser that never answers must not keep the program from starting.
    setTimeout(function () { ready(new Error('keine Antwort')); }, 5000);
    FS.syncfs(true, ready);
  }

  function fileLink(path) {
    var name = path.split('/').pop();
    var type = /\.png$/.test(name) ? 'image/png' : 'text/plain';
    var url = URL.createObjectURL(new Blob([Module.FS.readFile(path)], { type: type }));
    offered.push(url);
    var link = document.createElement('a');
    link.href = url;
    link.download = name;
    link.textContent = '⤓ ' + name.split('.').pop();
    link.title = 'Herunterladen: ' + name;
    return link;
  }

  // After each save: both files into IndexedDB and offered for download,
  // to hand the work in.
  function filesSaved(algorithmPath, picturePath) {
    offered.forEach(function (url) { URL.revokeObjectURL(url); });
    offered = [];
    downloads.textContent = '';
    downloads.appendChild(fileLink(algorithmPath));
    downloads.appendChild(fileLink(picturePath));
    persist();
  }

  // .alg files from the computer join the saved-file list.
  function addFiles(files) {
    var chosen = Array.prototype.filter.call(files, function (file) {
      return /\.alg$/i.test(file.name);
    });
    if (!chosen.length) {
      tell('Nur .alg-Dateien können hinzugefügt werden.', true);
      return;
    }
    Promise.all(chosen.map(function (file) {
      return file.arrayBuffer().then(function (bytes) {
        var name = file.name.replace(/[\/\\]/g, '_').replace(/\.alg$/i, '.alg');
        Module.FS.writeFile(Workspace + '/vorpAlgorithms/' + name, new Uint8Array(bytes));
      });
    })).then(function () {
      persist(function () {
        if (storageWorks || !statusLine.classList.contains('fault'))
          tell(chosen.length + (chosen.length === 1 ? ' Datei' : ' Dateien') +
               ' hinzugefügt: im Laden-Menü.', false);
      });
    }, function (error) { tell('Hinzufügen fehlgeschlagen: ' + error, true); });
  }

  function programEnded() {
    persist(function () {
      document.getElementById('bar').hidden = true;
      canvas.hidden = true;
      document.getElementById('ended').hidden = false;
      document.getElementById('restart').focus();
    });
  }

  var firstFrameDrawn = false;
  function frameDrawn() {
    window.quovadrinFrames = (window.quovadrinFrames || 0) + 1;
    if (firstFrameDrawn) return;
    firstFrameDrawn = true;
    window.quovadrinFirstFrame = performance.now();
    document.getElementById('loading').hidden = true;
    canvas.focus();
  }

  canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });
  document.getElementById('fullscreen').addEventListener('click', function () {
    var page = document.documentElement;
    if (document.fullscreenElement) document.exitFullscreen();
    else if (page.requestFullscreen) page.requestFullscreen().catch(function () {});
    canvas.focus();
  });
  var picker = document.getElementById('files');
  document.getElementById('add').addEventListener('click', function () { picker.click(); });
  picker.addEventListener('change', function () {
    addFiles(picker.files);
    picker.value = '';
    canvas.focus();
  });
  document.addEventListener('dragover', function (event) {
    event.preventDefault();
    document.body.classList.add('dropping');
  });
  document.addEventListener('dragleave', function () { document.body.classList.remove('dropping'); });
  document.addEventListener('drop', function (event) {
    event.preventDefault();
    document.body.classList.remove('dropping');
    if (event.dataTransfer && event.dataTransfer.files.length) addFiles(event.dataTransfer.files);
  });
  document.getElementById('restart').addEventListener('click', function () { location.reload(); });

  return {
    canvas: canvas,
    preRun: [mountStorage],
    print: function (text) { console.log(text); },
    printErr: function (text) { console.warn(text); },
    onFrameDrawn: frameDrawn,
    onFilesSaved: function (algorithmPath, picturePath) {
      filesSaved(Workspace + '/' + algorithmPath, Workspace + '/' + picturePath);
    },
    onProgramEnded: programEnded,
    onAbort: function (what) { tell('Quovadrin ist abgestürzt: ' + what, true); },
  };
})();
