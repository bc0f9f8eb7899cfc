// The keys a tablet has none of, as buttons in the page's bar: "Ende" does
// what Escape does (the program ends, the page offers a new start),
// "Nachricht" what the space bar does (the program's message) and "Neu
// zeichnen" what 'p' does (the picture drawn at once).
var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.keys = (function () {
  'use strict';
  const Buttons = { 'key-escape': 27, 'key-space': 32, 'key-p': 112 };

  function press(character) {
    if (typeof Module === 'undefined' || typeof Module._quovadrinKey !== 'function') return false;
    Module._quovadrinKey(character);
    return true;
  }

  for (const [id, character] of Object.entries(Buttons)) {
    const button = document.getElementById(id);
    if (!button) continue;
    // A button keeps no focus, so the keyboard's keys stay the program's.
    button.addEventListener('pointerdown', (event) => event.preventDefault());
    button.addEventListener('click', () => press(character));
  }
  return { press };
})();
