// The page's events to the program. Browser callbacks carry a user pointer,
// but the timers the host arms must find the program again, so the adapter
// keeps the one pointer to the running platform, like the desktop's GLUT
// adapter.
#ifndef QUOVADRIN_WEB_WEB_EVENTS_H
#define QUOVADRIN_WEB_WEB_EVENTS_H

#include "editor/window_layout.h"

class Host;
class WebPlatform;

/// Makes \p Page the platform the events serve: the pointer on the canvas,
/// the keys, the window's size and one call per animation frame.
void attachWebEvents(WebPlatform &Page);
/// Calls the host's timer with \p Generation after \p Milliseconds.
void armEventTimer(int Milliseconds, unsigned Generation);
/// No more events or frames reach the program.
void stopEvents();
/// Device pixels per CSS pixel that the drawing buffer follows at most:
/// tablets and dense laptop screens have 2; the rare denser screens get a
/// buffer of ratio 2 stretched, as a buffer of ratio 3 costs 2.25 times the
/// pixels of one at 2 for text that is already sharp at 2.
constexpr double MaxBufferScale = 2.0;

/// The canvas's drawing buffer to its laid-out size times the screen's
/// pixel density (at most MaxBufferScale); returns the buffer's size.
ScreenSize sizeCanvasToPage();
/// The same, and the program follows.
void fitCanvasToPage();
/// The canvas's size in CSS pixels, as last sized.
ScreenSize canvasCssSize();
/// Drawing-buffer pixels per CSS pixel, as last sized.
double canvasBufferScale();

/// The host the page runs, for the functions the page's script calls
/// directly (drafts, links); null before the program has started. After a
/// call that changes what the screen shows, the next animation frame draws
/// it.
Host *runningHost();

#endif
