// The short help on fingers and pens: shown by itself at the first touch on
// the program (once per browser, remembered in local storage), and again
// from the bar's "Hilfe" button. It closes with its own button or a tap
// beside it; the program underneath keeps its state.
var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.help = (function () {
  'use strict';
  const SeenKey = 'quovadrin-gesture-help-seen';
  const panel = document.getElementById('help');
  const opener = document.getElementById('help-open');
  const closer = document.getElementById('help-close');

  function seen() {
    try {
      return localStorage.getItem(SeenKey) === '1';
    } catch (error) {
      return false; // storage refused: shown at each visit's first touch
    }
  }

  function remember() {
    try {
      localStorage.setItem(SeenKey, '1');
    } catch (error) {
      // Without storage the help comes again next visit; nothing is lost.
    }
  }

  function open() {
    if (panel) panel.hidden = false;
  }

  function close() {
    if (panel) panel.hidden = true;
    remember();
  }

  let touched = false;
  /** The first finger on the program this visit: the help, unless seen.
   *  Returns whether it opened, so that this touch does nothing else. */
  function firstTouch() {
    if (touched) return false;
    touched = true;
    if (seen()) return false;
    open();
    return true;
  }

  if (opener) opener.addEventListener('click', open);
  if (closer) closer.addEventListener('click', close);
  if (panel) {
    panel.addEventListener('click', (event) => {
      if (event.target === panel) close();
    });
  }
  return { open, close, firstTouch, isOpen: () => Boolean(panel && !panel.hidden) };
})();
