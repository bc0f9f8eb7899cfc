// The pointer on the program: every Pointer Event of the mouse, a finger or a
// pen goes to the program as it is (its id, kind, buttons and place in CSS
// pixels of the canvas); the program's gesture rules make clicks, holds and
// drags of it. The browser must not take a finger for its own: no scrolling,
// zooming, text selection, callout or context menu over the program
// (page.css sets touch-action and user-select; the default actions are
// prevented here).
(function () {
  'use strict';
  const Kinds = { mouse: 0, touch: 1, pen: 2 };
  const Actions = { pointerdown: 0, pointermove: 1, pointerup: 2, pointercancel: 3 };
  const canvas = document.getElementById('canvas');
  // Fingers and pens that went down on the program: only their later
  // events are the program's. The mouse's moves always are, as on the
  // desktop, where the pen follows the mouse in an edit mode.
  const active = new Set();

  function send(event) {
    const program = typeof Module !== 'undefined' ? Module : null;
    if (!program || typeof program._quovadrinPointer !== 'function') return;
    const kind = Kinds[event.pointerType] ?? Kinds.mouse;
    const rect = canvas.getBoundingClientRect();
    program._quovadrinPointer(event.pointerId, kind, Actions[event.type], event.buttons,
                              event.clientX - rect.left, event.clientY - rect.top);
  }

  function onDown(event) {
    // A finger's press makes no compatibility mouse events and no focus
    // change. The mouse's and the pen's are left alone (page.css keeps
    // the text unselectable): WebKit's automation holds back a pen's
    // further events after a prevented press.
    if (event.pointerType === 'touch') event.preventDefault();
    // The first finger of a visit opens the gesture help, and only that.
    const help = typeof Quovadrin === 'object' ? Quovadrin.help : null;
    if (event.pointerType === 'touch' && help && help.firstTouch()) return;
    if (event.pointerType !== 'mouse') active.add(event.pointerId);
    send(event);
  }

  function onMove(event) {
    if (event.pointerType !== 'mouse' && !active.has(event.pointerId)) return;
    // Moves that arrive together (coalesced) are sent one by one, so that a
    // fast drag moves a line through every place it passes.
    const moves = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
    if (moves.length > 1) for (const move of moves) send(move);
    else send(event);
    if (active.has(event.pointerId)) event.preventDefault();
  }

  function onEnd(event) {
    if (event.pointerType !== 'mouse' && !active.delete(event.pointerId)) return;
    send(event);
  }

  function listen(target, type, handler, options) {
    target.addEventListener(type, handler, options);
  }

  listen(canvas, 'pointerdown', onDown, { passive: false });
  listen(document, 'pointermove', onMove, { passive: false });
  listen(document, 'pointerup', onEnd);
  listen(document, 'pointercancel', onEnd);
  // The right button and a long press belong to the program.
  listen(canvas, 'contextmenu', (event) => event.preventDefault());
  // Older WebKit zooms on a double tap and scrolls on a drag despite
  // touch-action; its touch events are cancelled over the program.
  listen(canvas, 'touchstart', (event) => event.preventDefault(), { passive: false });
  listen(canvas, 'touchmove', (event) => event.preventDefault(), { passive: false });
  listen(canvas, 'selectstart', (event) => event.preventDefault());
})();
