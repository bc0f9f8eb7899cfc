// The editor's requests carried out in the browser.
#include "web/web_window.h"

#include "svg/svg_picture.h"
#include "web/page.h"
#include "web/web_application.h"
#include "web/web_events.h"

void WebWindow::armTimer(int Milliseconds, unsigned Generation) {
  armEventTimer(Milliseconds < 0 ? 0 : Milliseconds, Generation);
}

GrayImage WebWindow::canvasPicture() { return App.canvasPicture(); }

// The vector copy goes into the browser's storage with the other two files.
bool WebWindow::writeVectorPicture(const TextSink &Sink) {
  return writeDrawingSvg(App.session().drawing(), Sink);
}

// The page cannot close itself: the program stops its frames and events,
// and the page puts its work away and offers a new start.
void WebWindow::exit(int Status) {
  Ended = true;
  IdleStepping = false;
  stopEvents();
  pageProgramEnded(Status);
}
