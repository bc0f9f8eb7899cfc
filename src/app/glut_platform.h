// The desktop's platform: the host's requests carried out with GLUT and
// OpenGL. Frames are drawn with the window's Screen and swapped at once,
// timers, the idle step and the pointer's motion become GLUT callbacks
// (glut_adapter.cpp), the saved canvas is read back from the window, and
// the end of the program is the end of the process.
#ifndef QUOVADRIN_APP_GLUT_PLATFORM_H
#define QUOVADRIN_APP_GLUT_PLATFORM_H

#include "host/platform.h"

class Host;
class Screen;

class GlutPlatform final : public Platform {
public:
  explicit GlutPlatform(Screen &Resources) : Widgets(Resources) {}

  /// Makes \p Running the host whose frames this platform draws.
  void serve(Host &Running) { Lab = &Running; }
  Host &host() { return *Lab; }

  /// The host's frame, drawn and shown.
  void drawFrame();

  void requestFrame() override;
  void showFrameNow() override { drawFrame(); }
  void setIdleStepping(bool On) override;
  void armTimer(int Milliseconds, unsigned Generation) override;
  void setMotion(bool On) override;
  void setPassiveMotion(bool On) override;
  void waitBetweenSteps(int Length) override;
  GrayImage readCanvas(const DrawList &CanvasPicture) override;
  void exit(int Status) override;

private:
  Screen &Widgets;
  Host *Lab = nullptr;
};

#endif
