// The page's events to the program. Browser callbacks carry a user pointer,
// but the timers the host arms must find the program again, so the adapter
// keeps the one pointer to the running platform, like the desktop's GLUT
// adapter.
#ifndef QUOVADRIN_WEB_WEB_EVENTS_H
#define QUOVADRIN_WEB_WEB_EVENTS_H

class Host;
class WebPlatform;

/// Makes \p Page the platform the events serve: the pointer on the canvas,
/// the keys, the window's size and one call per animation frame.
void attachWebEvents(WebPlatform &Page);
/// Calls the host's timer with \p Generation after \p Milliseconds.
void armEventTimer(int Milliseconds, unsigned Generation);
/// No more events or frames reach the program.
void stopEvents();
/// The canvas's drawing buffer to its laid-out size; the program follows.
void fitCanvasToPage();

/// The host the page runs, for the functions the page's script calls
/// directly (drafts, links); null before the program has started. After a
/// call that changes what the screen shows, the next animation frame draws
/// it.
Host *runningHost();

#endif
