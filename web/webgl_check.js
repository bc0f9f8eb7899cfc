// Without WebGL the program cannot draw a single frame, and the page would
// say "wird geladen" for ever. So the page asks the browser for WebGL before
// the program starts, and the program asks for the same when its context
// cannot be made (quovadrinWebglMissing): either way the learner reads, in
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
  if (!webglWorks()) window.quovadrinWebglMissing();
})();
