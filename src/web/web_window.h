// The editor's window in the web page. The browser owns the main loop, so
// most requests are remembered and carried out at the right moment: a frame
// asked for with drawNow is drawn when the event that asked returns (the
// browser shows nothing before that anyway), one asked for with
// postRedisplay at the next animation frame, and the idle step runs once
// per animation frame instead of in a busy loop.
#ifndef QUOVADRIN_WEB_WEB_WINDOW_H
#define QUOVADRIN_WEB_WEB_WINDOW_H

#include "editor/window.h"

class WebApplication;

class WebWindow final : public Window {
public:
  explicit WebWindow(WebApplication &Owner) : App(Owner) {}

  void postRedisplay() override { RedisplayPending = true; }
  void drawNow() override { DrawNowPending = true; }
  void setIdleStepping(bool On) override { IdleStepping = On; }
  void armTimer(int Milliseconds, unsigned Generation) override;
  void setPassiveMotion(bool On) override { PassiveMotion = On; }
  void setMotion(bool On) override { Motion = On; }
  /// The browser paces the animated run, one step per animation frame;
  /// waiting in between would freeze the page.
  void waitBetweenSteps(int) override {}
  GrayImage canvasPicture() override;
  bool writeVectorPicture(const TextSink &Sink) override;
  void exit(int Status) override;

  bool RedisplayPending = true;
  bool DrawNowPending = false;
  bool IdleStepping = false;
  bool PassiveMotion = false;
  bool Motion = false;
  bool Ended = false;

private:
  WebApplication &App;
};

#endif
