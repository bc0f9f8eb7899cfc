// What the teacher's dialogs ("Übersicht", "Link teilen") share: elements
// made from a tag, attributes and text (never HTML, so no name from a file
// can act on the page), and closing a dialog back to the program.
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.dialogs = (function () {
  function element(tag, attributes, text) {
    var made = document.createElement(tag);
    Object.keys(attributes || {}).forEach(function (name) { made.setAttribute(name, attributes[name]); });
    if (text) made.textContent = text;
    return made;
  }

  /** Hides the dialog; the program's canvas takes the keys again. */
  function close(dialog) {
    dialog.hidden = true;
    var canvas = document.getElementById('canvas');
    if (canvas) canvas.focus();
  }

  /** Shows text in a dialog's status line; a fault is marked as one. */
  function tell(line, text, fault) {
    line.textContent = text;
    line.classList.toggle('fault', !!fault);
  }

  return { element: element, close: close, tell: tell };
})();
