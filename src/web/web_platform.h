// The web page's platform: the host's requests carried out in the browser.
// The browser owns the main loop, so most requests are remembered and
// carried out at the right moment: a frame asked to be shown at once is
// drawn when the event that asked returns (the browser shows nothing
// before that anyway), one asked for later at the next animation frame, and
// the idle step runs once per animation frame instead of in a busy loop.
// Frames are drawn with WebGL; the page's script hears of saves, frames and
// the end through page.h.
#ifndef QUOVADRIN_WEB_WEB_PLATFORM_H
#define QUOVADRIN_WEB_WEB_PLATFORM_H

#include <string>

#include "host/platform.h"
#include "webgl/frame_renderer.h"

class Host;

class WebPlatform final : public Platform {
public:
  /// Loads the images below \p ImageFolder. Needs a current WebGL context.
  explicit WebPlatform(const std::string &ImageFolder) : Renderer(ImageFolder) {}

  /// Whether WebGL could be set up: without it nothing can be drawn.
  bool ready() const { return Renderer.ready(); }
  /// Makes \p Running the host whose frames this platform draws.
  void serve(Host &Running) { Lab = &Running; }
  Host &host() { return *Lab; }

  /// One complete frame on the canvas.
  void drawFrame();
  /// After each event: the files a save wrote handed to the page, and the
  /// frame asked to be shown at once.
  void afterEvent();
  /// One animation frame of the browser: a step of the animated run, then
  /// the frame asked for.
  void animationFrame();

  void requestFrame() override { RedisplayPending = true; }
  void showFrameNow() override { DrawNowPending = true; }
  // The host remembers what it asked for; the events and the animation
  // frames ask it (web_events.cpp).
  void setIdleStepping(bool) override {}
  void setMotion(bool) override {}
  void setPassiveMotion(bool) override {}
  void armTimer(int Milliseconds, unsigned Generation) override;
  /// The browser paces the animated run, one step per animation frame;
  /// waiting in between would freeze the page.
  void waitBetweenSteps(int) override {}
  GrayImage readCanvas(const DrawList &CanvasPicture) override;
  /// The page cannot close itself: the program stops its frames and
  /// events, and the page puts its work away and offers a new start.
  void exit(int Status) override;

private:
  FrameRenderer Renderer;
  Host *Lab = nullptr;
  bool RedisplayPending = true;
  bool DrawNowPending = false;
};

#endif
