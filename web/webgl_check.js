// Without WebGL the program cannot draw a single frame, and the page would
// say "wird geladen" for ever. So the program says so when its context
// cannot be made (quovadrinWebglMissing), and the page asks the browser for
// WebGL itself when no frame came in a few seconds: either way the learner reads, in
// German, what is wrong and what helps, instead of waiting.
'use strict';

(function () {
  var shown = false;

  function show() {
    if (shown) return;
    shown = true;
    ['loading', 'canvas', 'bar'].forEach(function (id) {
      var element = document.getElementById(id);
      if (element) element.hidden = true;
    });
    document.getElementById('webgl-missing').hidden = false;
  }

  // The same kind of context the program makes: WebGL 1.
  function webglWorks() {
    try {
      var probe = document.createElement('canvas');
      return !!(window.WebGLRenderingContext &&
                (probe.getContext('webgl') || probe.getContext('experimental-webgl')));
    } catch (error) {
      return false;
    }
  }

  window.quovadrinWebglMissing = function () {
    if (document.getElementById('webgl-missing')) show();
    else document.addEventListener('DOMContentLoaded', show);
  };
  // Making a WebGL context starts the browser's graphics, half a second and
  // more where it draws in software, and the page's own start would wait
  // for it. The program makes its context first thing and says itself when
  // it cannot; the page asks on its own only when no frame came meanwhile
  // (the program did not load at all, say).
  var AskAfterMilliseconds = 4000;
  setTimeout(function () {
    if (window.quovadrinFirstFrame === undefined && !webglWorks()) window.quovadrinWebglMissing();
  }, AskAfterMilliseconds);
})();
