// The bar's status line: one German message at a time, calm or marked as a
// fault, and for added files one sentence per file (the first few shown,
// the rest counted, so a large .zip never floods the page).
'use strict';

var Quovadrin = typeof Quovadrin === 'object' ? Quovadrin : {};

Quovadrin.status = (function () {
  var MaxSentences = 12;
  var line = document.getElementById('status');

  /** Shows text; a fault is marked as one. */
  function tell(text, fault) {
    line.textContent = text;
    line.classList.toggle('fault', !!fault);
  }

  /** Shows a first sentence and then one sentence per file. */
  function report(first, sentences, fault) {
    var shown = sentences.slice(0, MaxSentences);
    var rest = sentences.length - shown.length;
    if (rest > 0) shown.push('… und ' + rest + ' weitere.');
    tell([first].concat(shown).join('\n'), fault);
  }

  function isFault() { return line.classList.contains('fault'); }

  return { tell: tell, report: report, isFault: isFault };
})();
