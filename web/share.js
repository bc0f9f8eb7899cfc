// "Link teilen": the current algorithm as a link (shared_link.js makes it;
// nothing is sent anywhere), shown with a button to copy it and as a QR
// code a class can scan from the projector, drawn from Debian's
// qrcode-generator (qrcode.js) as whole device pixels per module, so a
// projector shows it sharp. A link longer than a QR code holds is still
// offered to copy.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.share = (function () {
  // Pixels of the QR code's side at most, margin included; each module is
  // a whole number of them.
  var QrSide = 360;
  // Modules of white around the code, as readers expect.
  var QrMargin = 4;
  var element = Quovadrin.dialogs.element;
  var dialog = null;
  var parts = {};

  function build() {
    dialog = element('section', { id: 'share-dialog', 'class': 'dialog', hidden: '' });
    dialog.appendChild(element('h2', {}, 'Link teilen'));
    dialog.appendChild(element('p', {}, 'Wer diesen Link öffnet, beginnt mit diesem Algorithmus. ' +
                                        'Der Algorithmus steckt im Link selbst; nichts wird hochgeladen.'));
    parts.link = element('input', { id: 'share-link', type: 'text', readonly: '', spellcheck: 'false' });
    dialog.appendChild(parts.link);
    var buttons = element('p');
    parts.copy = element('button', { type: 'button', id: 'share-copy' }, 'Link kopieren');
    parts.close = element('button', { type: 'button', id: 'share-close' }, 'Schließen');
    buttons.appendChild(parts.copy);
    buttons.appendChild(parts.close);
    dialog.appendChild(buttons);
    parts.told = element('p', { id: 'share-status', role: 'status' });
    dialog.appendChild(parts.told);
    parts.qr = element('canvas', { id: 'share-qr', 'aria-label': 'QR-Code des Links' });
    dialog.appendChild(parts.qr);
    document.body.appendChild(dialog);
    parts.copy.addEventListener('click', copy);
    parts.close.addEventListener('click', close);
  }

  function tell(text, fault) { Quovadrin.dialogs.tell(parts.told, text, fault); }

  function close() { Quovadrin.dialogs.close(dialog); }

  function copy() {
    parts.link.focus();
    parts.link.select();
    var copied = navigator.clipboard && window.isSecureContext
      ? navigator.clipboard.writeText(parts.link.value)
      : Promise.reject(new Error('no clipboard'));
    copied.catch(function () {
      // Without the clipboard's interface (plain HTTP from another
      // machine) the selected text is copied the old way.
      if (!document.execCommand || !document.execCommand('copy')) throw new Error('not copied');
    }).then(function () {
      tell('Der Link ist kopiert.', false);
    }, function () {
      tell('Kopieren ging nicht: bitte den markierten Link mit Strg+C kopieren.', true);
    });
  }

  /** The QR code of text drawn on the canvas; false when text is too long
   *  for one. Error correction M while it fits, else L. */
  function drawQr(text) {
    var code = null;
    ['M', 'L'].some(function (level) {
      try {
        code = qrcode(0, level);
        code.addData(text, 'Byte');
        code.make();
        return true;
      } catch (error) {
        code = null;
        return false;
      }
    });
    parts.qr.hidden = !code;
    if (!code) return false;
    var modules = code.getModuleCount();
    var scale = window.devicePixelRatio || 1;
    var cell = Math.max(1, Math.floor(QrSide * scale / (modules + 2 * QrMargin)));
    var side = cell * (modules + 2 * QrMargin);
    parts.qr.width = side;
    parts.qr.height = side;
    parts.qr.style.width = side / scale + 'px';
    parts.qr.style.height = side / scale + 'px';
    var context = parts.qr.getContext('2d');
    context.fillStyle = '#fff';
    context.fillRect(0, 0, side, side);
    context.fillStyle = '#000';
    for (var row = 0; row < modules; ++row) {
      for (var column = 0; column < modules; ++column) {
        if (code.isDark(row, column))
          context.fillRect((column + QrMargin) * cell, (row + QrMargin) * cell, cell, cell);
      }
    }
    return true;
  }

  function show() {
    if (!dialog) build();
    dialog.hidden = false;
    parts.link.value = '';
    parts.qr.hidden = true;
    parts.copy.disabled = true;
    tell('Der Link wird gemacht …', false);
    return Quovadrin.sharedLink.linkToCurrent().then(function (link) {
      parts.link.value = link;
      parts.copy.disabled = false;
      var fits = drawQr(link);
      tell(link.length + ' Zeichen.' + (fits ? '' : ' Für einen QR-Code ist der Link zu lang; bitte kopieren.'), !fits);
    }, function (error) {
      tell(error.message, true);
    });
  }

  document.getElementById('share').addEventListener('click', show);

  return { show: show };
})();
