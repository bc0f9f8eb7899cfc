// The page around the program: the Module the program is built against,
// with the on* hooks it calls (src/web/page.cpp); the bar's buttons (full
// screen, adding files, the .zip of all work); dropping files onto the page;
// and the page shown after the program has ended. Storage, uploads, zips,
// drafts and the offline page live in their own scripts, loaded before
// this one.
'use strict';

var Module = (function () {
  var canvas = document.getElementById('canvas');
  var status = Quovadrin.status;
  var workspace = Quovadrin.workspace;

  function storageTold(fault, full) {
    if (fault) {
      status.tell('Speichern im Browser nicht möglich (' + (fault && fault.message || fault) +
                  '): Gespeichertes geht beim Schließen verloren – bitte herunterladen.', true);
      return;
    }
    if (full) {
      status.tell('Der Speicher des Browsers nimmt nichts mehr auf (' + full.name + '): Neues bitte ' +
                  'herunterladen. Früher Gespeichertes bleibt erhalten.', true);
      return;
    }
    Quovadrin.offline.askToKeep(workspace.store());
  }

  function saveFailure(name, error) {
    var kept = workspace.persistent() ? ' Früher Gespeichertes bleibt erhalten.' : '';
    if (error.name === 'QuotaExceededError')
      return 'Der Speicher des Browsers ist voll: ' + name + ' ist nicht im Browser gespeichert. ' +
             'Bitte die Dateien jetzt herunterladen.' + kept;
    if (error.name === 'ConstraintError')
      return name + ' gibt es im Browser schon: die neuen Dateien sind nicht gespeichert. ' +
             'Bitte jetzt herunterladen.' + kept;
    return 'Speichern im Browser fehlgeschlagen (' + error.name + '): ' + name +
           ' ist nicht im Browser gespeichert. Bitte die Dateien jetzt herunterladen.' + kept;
  }

  // After each save: the files it wrote (the algorithm first) offered for
  // download at once, to hand the work in (and as the safe copy should
  // storage refuse them), then stored.
  function filesSaved(savedPaths) {
    var paths = savedPaths.filter(workspace.has);
    var algorithmPath = paths[0] || '';
    Quovadrin.downloads.offer(paths.map(function (path) {
      return { path: path, bytes: Module.FS.readFile(workspace.fullPath(path)) };
    }));
    Quovadrin.downloads.urge(false);
    var name = algorithmPath.split('/').pop().replace(/\.alg$/, '');
    workspace.keepSaved(paths).then(function (error) {
      if (!error) return;
      status.tell(saveFailure(name, error), true);
      Quovadrin.downloads.urge(true);
    });
  }

  function programEnded() {
    Quovadrin.draft.programEnded();
    document.getElementById('bar').hidden = true;
    canvas.hidden = true;
    document.getElementById('ended').hidden = false;
    document.getElementById('restart').focus();
  }

  var firstFrameDrawn = false;
  function frameDrawn() {
    window.quovadrinFrames = (window.quovadrinFrames || 0) + 1;
    if (firstFrameDrawn) return;
    firstFrameDrawn = true;
    window.quovadrinFirstFrame = performance.now();
    document.getElementById('loading').hidden = true;
    canvas.focus();
    Quovadrin.sharedLink.programStarted();
    Quovadrin.draft.started();
  }

  canvas.addEventListener('contextmenu', function (event) { event.preventDefault(); });
  ['pointerdown', 'keydown'].forEach(function (type) {
    canvas.addEventListener(type, Quovadrin.offline.noteTouched);
  });
  document.getElementById('fullscreen').addEventListener('click', function () {
    var page = document.documentElement;
    if (document.fullscreenElement) document.exitFullscreen();
    else if (page.requestFullscreen) page.requestFullscreen().catch(function () {});
    canvas.focus();
  });
  var picker = document.getElementById('files');
  document.getElementById('add').addEventListener('click', function () { picker.click(); });
  picker.addEventListener('change', function () {
    Quovadrin.uploads.add(picker.files);
    picker.value = '';
    canvas.focus();
  });
  document.getElementById('save-all').addEventListener('click', function () {
    Quovadrin.zips.saveAll();
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
    if (event.dataTransfer && event.dataTransfer.files.length) Quovadrin.uploads.add(event.dataTransfer.files);
  });
  document.getElementById('restart').addEventListener('click', function () { location.reload(); });
  Quovadrin.offline.register();

  return {
    canvas: canvas,
    preRun: [function () { workspace.prepare(storageTold); }],
    print: function (text) { console.log(text); },
    printErr: function (text) { console.warn(text); },
    onFrameDrawn: frameDrawn,
    onFilesSaved: filesSaved,
    onProgramEnded: programEnded,
    onAbort: function (what) { status.tell('Quovadrin ist abgestürzt: ' + what, true); },
  };
})();
