// The browser behind the host's requests.
#include "web/web_platform.h"

#include "host/host.h"
#include "web/page.h"
#include "web/web_events.h"

void WebPlatform::drawFrame() {
  RedisplayPending = false;
  DrawNowPending = false;
  const DrawList &Frame = Lab->frame();
  Renderer.syncShapes(Lab->session().drawing(), Lab->layout());
  Renderer.draw(Frame, Lab->layout());
  pageFrameDrawn();
}

// The page keeps and offers exactly the files the save wrote.
void WebPlatform::afterEvent() {
  const std::vector<std::string> &Saved = Lab->savedFiles();
  if (!Saved.empty())
    pageFilesSaved(Saved);
  if (Lab->ended())
    return;
  if (DrawNowPending)
    drawFrame();
}

void WebPlatform::animationFrame() {
  if (Lab->ended())
    return;
  if (Lab->idleStepping())
    Lab->idle();
  if (DrawNowPending || RedisplayPending)
    drawFrame();
}

void WebPlatform::armTimer(int Milliseconds, unsigned Generation) {
  armEventTimer(Milliseconds, Generation);
}

GrayImage WebPlatform::readCanvas(const DrawList &CanvasPicture) {
  const WindowLayout &Layout = Lab->layout();
  Renderer.syncShapes(Lab->session().drawing(), Layout);
  Renderer.draw(CanvasPicture, Layout);
  const PanelRect Canvas = Layout.panel(Panel::Canvas);
  GrayImage Picture{readCanvasGray(Layout), Canvas.Width, Canvas.Height};
  // The drawing buffer now holds the picture alone: the frame comes back
  // before the browser shows it.
  DrawNowPending = true;
  return Picture;
}

void WebPlatform::exit(int Status) {
  stopEvents();
  pageProgramEnded(Status);
}
