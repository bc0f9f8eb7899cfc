// The page's events to the program. Browser callbacks carry a user pointer,
// but the timers the editor arms must find the program again, so the adapter
// keeps the one pointer to the running WebApplication, like the desktop's
// GLUT adapter.
#ifndef QUOVADRIN_WEB_WEB_EVENTS_H
#define QUOVADRIN_WEB_WEB_EVENTS_H

class WebApplication;

/// Makes \p App the program the events serve: the pointer on the canvas,
/// the keys, the window's size and one call per animation frame.
void attachWebEvents(WebApplication &App);
/// Calls the editor's timer with \p Generation after \p Milliseconds.
void armEventTimer(int Milliseconds, unsigned Generation);
/// No more events or frames reach the program.
void stopEvents();
/// The canvas's drawing buffer to its laid-out size; the program follows.
void fitCanvasToPage();

#endif
