// The editor's window, carried out with GLUT: frames, the idle step, timers,
// the pointer callbacks, the canvas pictures and the end of the program.
#ifndef QUOVADRIN_APP_GL_WINDOW_H
#define QUOVADRIN_APP_GL_WINDOW_H

#include "editor/window.h"

class Application;

class GlWindow final : public Window {
public:
  explicit GlWindow(Application &GivenApp) : App(GivenApp) {}

  void postRedisplay() override;
  void drawNow() override;
  void setIdleStepping(bool On) override;
  void armTimer(int Milliseconds, unsigned Generation) override;
  void setPassiveMotion(bool On) override;
  void setMotion(bool On) override;
  void waitBetweenSteps(int Length) override;
  GrayImage canvasPicture() override;
  bool writeVectorPicture(const TextSink &Sink) override;
  void exit(int Status) override;

private:
  Application &App;
};

#endif
