// The browser behind the host's requests.
#include "web/web_platform.h"

#include <cmath>

#include "host/host.h"
#include "web/page.h"
#include "web/web_events.h"

// On a dense screen the frame is laid out at the drawing buffer's size, so
// text and icons get all its pixels; the Shapes are drawn at the canvas's
// size in CSS pixels and stretched, as every other line is drawn as wide:
// lines keep the width they have at ratio 1, and so does the picture a save
// writes.
void WebPlatform::drawFrame() {
  RedisplayPending = false;
  DrawNowPending = false;
  const DrawList &Frame = Lab->frame();
  Renderer.syncShapes(Lab->session().drawing(), WindowLayout(canvasCssSize()));
  Renderer.setLineScale(static_cast<int>(std::lround(canvasBufferScale())));
  Renderer.draw(Frame, Lab->layout());
  pageFrameDrawn();
}

// The page keeps and offers exactly the files the save wrote, once: a
// second report of one save would be stored again and refused as taken.
void WebPlatform::afterEvent() {
  const std::vector<std::string> Saved = Lab->takeSavedFiles();
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

// The picture is drawn at the canvas's size in CSS pixels, whatever the
// screen's density: the same file as at ratio 1, for the same window.
GrayImage WebPlatform::readCanvas(const DrawList &CanvasPicture) {
  const WindowLayout Layout(canvasCssSize());
  Renderer.syncShapes(Lab->session().drawing(), Layout);
  Renderer.setLineScale(1);
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
