// The program's parts for the GL tests: the window's Screen, a platform that
// records what the host asks of it but draws frames and reads the canvas
// back for real, as the desktop's does, and the host on it. The desktop's
// platform is GLUT's, so the tests put the same parts together here.
#ifndef QUOVADRIN_TESTS_GL_GL_APP_FIXTURE_H
#define QUOVADRIN_TESTS_GL_GL_APP_FIXTURE_H

#include <cstdint>
#include <memory>
#include <string>

#include "app/screen.h"
#include "gl_test_support.h"
#include "host/host.h"
#include "screen/screen_layout.h"

/// Counts what the host asks of its platform; frames and the canvas picture
/// are drawn for real.
class GlTestPlatform final : public Platform {
public:
  explicit GlTestPlatform(Screen &Resources) : Widgets(Resources) {}
  void serve(Host &Running) { Lab = &Running; }

  /// The host's frame drawn into the back buffer, as the desktop draws it.
  void drawFrame() { Widgets.draw(Lab->frame(), Lab->session().drawing(), Lab->layout()); }

  void requestFrame() override { ++FrameRequests; }
  void showFrameNow() override { drawFrame(); }
  void setIdleStepping(bool) override {}
  void armTimer(int, unsigned) override {}
  void setMotion(bool) override {}
  void setPassiveMotion(bool) override {}
  void waitBetweenSteps(int) override {}
  GrayImage readCanvas(const DrawList &CanvasPicture) override {
    return Widgets.readCanvas(CanvasPicture, Lab->session().drawing(), Lab->layout());
  }
  void exit(int Status) override { ExitStatus = Status; }

  int FrameRequests = 0;
  int ExitStatus = -1;

private:
  Screen &Widgets;
  Host *Lab = nullptr;
};

class GlApp {
public:
  /// Everything at the test window's size; \p Seed names the saved files.
  explicit GlApp(int32_t Seed = 1)
      : Resources(std::make_unique<Screen>()), Surface(*Resources),
        Lab(Seed, Surface, {GlTestWindowWidth, GlTestWindowHeight}), Work(Lab.session()),
        State(Lab.state()) {
    Surface.serve(Lab);
    // The tests build their own algorithms from an empty one.
    Work.clearAlgorithm();
  }

  /// What the program's display does: the host's frame, drawn.
  void frame() { Surface.drawFrame(); }
  /// A left click in the middle of the tool-panel Button or Label \p Name:
  /// the test window's pixels are layout units.
  void clickTool(PickName Name) {
    const LayoutRect &Place = findToolPlace(Name)->Place;
    click(Place.X + Place.Width / 2, Place.Y + Place.Height / 2);
  }
  void click(int X, int Y, MouseButton Button = MouseButton::Left) {
    Lab.pointerButton({Button, ButtonState::Down, X, Y});
    Lab.pointerButton({Button, ButtonState::Up, X, Y});
  }
  /// A message raised as the editor raises one.
  void showMessage(const std::string &Text) {
    State.Popup.replace(Text);
    State.Popup.Visible = true;
  }

  std::unique_ptr<Screen> Resources;
  GlTestPlatform Surface;
  Host Lab;
  Session &Work;
  EditorState &State;
};

#endif
