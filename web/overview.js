// "Übersicht": the class overview that --render makes, made in the page
// from algorithm files chosen or dropped, a folder with its subfolders,
// .zip files of saved work, or every algorithm stored in this browser
// (overview_sources.js finds them). The drawing runs in a worker with the
// overview module (overview_worker.js), loaded only now, so the program
// and the page stay responsive; a progress line counts the cards. The
// finished overview is one self-contained .html page: opened as a page of
// its own (it prints on A4 as --render's does) or downloaded.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.overview = (function () {
  var sources = Quovadrin.overviewSources;
  var element = Quovadrin.dialogs.element;
  var dialog = null;
  var parts = {};
  var worker = null;
  var pageUrl = null;

  /** The dialog, made the first time it is asked for. */
  function build() {
    dialog = element('section', { id: 'overview-dialog', 'class': 'dialog', hidden: '' });
    dialog.appendChild(element('h2', {}, 'Übersicht für die Klasse'));
    parts.drop = element('div', { id: 'overview-drop', 'class': 'drop' },
                         'Algorithmen (.alg), Ordner oder .zip-Sicherungen hierher ziehen – ' +
                         'ein Ordner je Lernender ergibt eine Gruppe je Lernender.');
    dialog.appendChild(parts.drop);
    var choices = element('p', { 'class': 'choices' });
    parts.chooseFiles = element('button', { type: 'button', id: 'overview-choose-files' }, 'Dateien wählen');
    parts.chooseFolder = element('button', { type: 'button', id: 'overview-choose-folder' }, 'Ordner wählen');
    parts.stored = element('button', { type: 'button', id: 'overview-stored' }, 'Alle gespeicherten');
    [parts.chooseFiles, parts.chooseFolder, parts.stored].forEach(function (button) { choices.appendChild(button); });
    dialog.appendChild(choices);
    parts.files = element('input', { type: 'file', id: 'overview-files', multiple: '', accept: '.alg,.zip', hidden: '' });
    parts.folder = element('input', { type: 'file', id: 'overview-folder', webkitdirectory: '', multiple: '', hidden: '' });
    dialog.appendChild(parts.files);
    dialog.appendChild(parts.folder);
    parts.progress = element('p', { id: 'overview-progress', role: 'status' });
    dialog.appendChild(parts.progress);
    parts.result = element('p', { id: 'overview-result', hidden: '' });
    parts.open = element('a', { id: 'overview-open', target: '_blank', rel: 'noopener' }, 'Übersicht öffnen');
    parts.download = element('a', { id: 'overview-download' }, 'Als .html herunterladen');
    parts.result.appendChild(parts.open);
    parts.result.appendChild(parts.download);
    dialog.appendChild(parts.result);
    parts.close = element('button', { type: 'button', id: 'overview-close' }, 'Schließen');
    dialog.appendChild(parts.close);
    document.body.appendChild(dialog);

    parts.chooseFiles.addEventListener('click', function () { parts.files.click(); });
    parts.chooseFolder.addEventListener('click', function () { parts.folder.click(); });
    parts.stored.addEventListener('click', function () { make(sources.fromStorage()); });
    parts.files.addEventListener('change', function () { fromChosen(parts.files); });
    parts.folder.addEventListener('change', function () { fromChosen(parts.folder); });
    parts.close.addEventListener('click', close);
    // Dropped here, files make an overview; the page's own drop (adding
    // files) must not take them too.
    parts.drop.addEventListener('dragover', function (event) {
      event.preventDefault();
      event.stopPropagation();
      parts.drop.classList.add('over');
    });
    parts.drop.addEventListener('dragleave', function () { parts.drop.classList.remove('over'); });
    parts.drop.addEventListener('drop', function (event) {
      event.preventDefault();
      event.stopPropagation();
      parts.drop.classList.remove('over');
      make(sources.fromDrop(event.dataTransfer));
    });
  }

  function fromChosen(input) {
    var files = Array.prototype.slice.call(input.files || []);
    input.value = '';
    if (files.length) make(sources.fromFiles(files));
  }

  function show() {
    if (!dialog) build();
    dialog.hidden = false;
  }

  function close() {
    stop();
    Quovadrin.dialogs.close(dialog);
  }

  function stop() {
    if (worker) worker.terminate();
    worker = null;
  }

  function tell(text, fault) { Quovadrin.dialogs.tell(parts.progress, text, fault); }

  function busy(on) {
    [parts.chooseFiles, parts.chooseFolder, parts.stored].forEach(function (button) { button.disabled = on; });
  }

  function fileName() {
    var day = new Date();
    function two(number) { return (number < 10 ? '0' : '') + number; }
    return 'Quovadrin-Uebersicht-' + day.getFullYear() + '-' + two(day.getMonth() + 1) + '-' +
           two(day.getDate()) + '.html';
  }

  function offer(page) {
    if (pageUrl) URL.revokeObjectURL(pageUrl);
    pageUrl = URL.createObjectURL(page);
    parts.open.href = pageUrl;
    parts.download.href = pageUrl;
    parts.download.download = fileName();
    parts.result.hidden = false;
  }

  function cards(count) { return count + (count === 1 ? ' Karte' : ' Karten'); }

  /** Draws the entries in the worker; resolves when the overview is made
   *  or has failed, with the sentence shown. */
  function draw(found) {
    return new Promise(function (resolve) {
      stop();
      worker = new Worker('overview_worker.js');
      var own = worker;
      var notes = found.sentences.length ? ' ' + found.sentences.join(' ') : '';
      worker.onmessage = function (event) {
        if (own !== worker) return;
        var message = event.data;
        if ('progress' in message) {
          tell('Übersicht: ' + message.progress + ' von ' + cards(message.planned) + ' gezeichnet …');
          return;
        }
        stop();
        if (message.failed) {
          tell('Die Übersicht ließ sich nicht fertigstellen.' + notes, true);
          return resolve();
        }
        var made = message.finished;
        offer(made.page);
        var missing = made.withoutPicture ? ', ' + made.withoutPicture + ' davon ohne Bild' : '';
        tell('Fertig: ' + cards(made.cards) + missing + '.' + notes, made.withoutPicture > 0 || notes !== '');
        resolve();
      };
      worker.onerror = function (event) {
        event.preventDefault();
        if (own !== worker) return;
        stop();
        tell('Die Übersicht ließ sich nicht fertigstellen (' + (event.message || 'Fehler im Worker') + ').' + notes, true);
        resolve();
      };
      worker.postMessage({ entries: found.entries });
    });
  }

  /** Makes the overview of what a source finds (a promise of { entries,
   *  sentences }); resolves when it is done or refused. */
  function make(finding) {
    show();
    busy(true);
    parts.result.hidden = true;
    tell('Die Dateien werden gesucht …');
    return Promise.resolve(finding).then(function (found) {
      if (!found.entries.length) {
        tell(['Keine Algorithmen (.alg) gefunden.'].concat(found.sentences).join(' '), true);
        return;
      }
      return draw(found);
    }, function (error) {
      tell(error instanceof sources.TooMany ? error.sentence : 'Die Dateien ließen sich nicht lesen.', true);
    }).then(function () { busy(false); });
  }

  document.getElementById('overview').addEventListener('click', show);

  return {
    show: show,
    make: make,
    /** Files as a chosen folder or chosen files hand them (each with its
     *  webkitRelativePath, or none). */
    fromFiles: function (files) { return make(sources.fromFiles(files)); },
    pageUrl: function () { return pageUrl; },
  };
})();
