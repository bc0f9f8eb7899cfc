// The program's parts for the GL tests: a Session, the editor's state, the
// Screen built from it and an Editor whose Window records its requests and
// photographs the canvas and makes the vector picture as the program's
// window does, and the file operations the saves are written through. Application's window is
// GLUT's, so the tests put the same parts together here.
#ifndef QUOVADRIN_TESTS_GL_GL_APP_FIXTURE_H
#define QUOVADRIN_TESTS_GL_GL_APP_FIXTURE_H

#include <cstdint>
#include <memory>
#include <string>

#include "app/canvas_picture.h"
#include "app/display.h"
#include "app/screen.h"
#include "editor/editor.h"
#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "editor/window.h"
#include "exec/session.h"
#include "files/file_operations.h"
#include "gl_test_support.h"
#include "screen/geometric_picker.h"
#include "screen/screen_layout.h"
#include "svg/svg_picture.h"

class GlApp;

/// Counts what the editor asks of its window; frames and the canvas picture
/// are drawn for real.
class RecordingWindow final : public Window {
public:
  explicit RecordingWindow(GlApp &GivenApp) : App(GivenApp) {}

  void postRedisplay() override { ++Redisplays; }
  void drawNow() override;
  void setIdleStepping(bool On) override { IdleStepping = On; }
  void armTimer(int, unsigned) override {}
  void setPassiveMotion(bool) override {}
  void setMotion(bool) override {}
  void waitBetweenSteps(int) override {}
  GrayImage canvasPicture() override;
  std::string vectorPicture() override;
  void exit(int Status) override { ExitStatus = Status; }

  int Redisplays = 0;
  bool IdleStepping = false;
  int ExitStatus = -1;

private:
  GlApp &App;
};

class GlApp {
public:
  /// Everything at the test window's size; \p Seed names the saved files.
  explicit GlApp(int32_t Seed = 1)
      : S(Seed), E(S.variables()), Widgets(std::make_unique<Screen>()), Win(*this), Pick(S, E),
        Ed(S, E, Win, Pick, Storage) {
    E.Screen = {GlTestWindowWidth, GlTestWindowHeight};
  }

  /// What the program's frame does: the widgets, the shape layer and the
  /// listing's scroll position brought up to date, the canvas's look
  /// remembered for a save, then the whole display.
  void frame() {
    Widgets->sync(E, S.drawing());
    keepCurrentVisible(E.Listing, S.algorithm());
    Widgets->LastFrameShowedGrid = E.GridVisible;
    display(S, E, *Widgets);
  }
  /// A left click in the middle of the tool-panel Button or Label \p Name:
  /// the test window's pixels are layout units.
  void clickTool(PickName Name) {
    const LayoutRect &Place = findToolPlace(Name)->Place;
    click(Place.X + Place.Width / 2, Place.Y + Place.Height / 2);
  }
  void click(int X, int Y, MouseButton Button = MouseButton::Left) {
    Ed.onMouse({Button, ButtonState::Down, X, Y});
    Ed.onMouse({Button, ButtonState::Up, X, Y});
  }
  /// A message raised as the editor raises one.
  void showMessage(const std::string &Text) {
    E.Popup.replace(Text);
    E.Popup.Visible = true;
  }

  Session S;
  EditorState E;
  FileOperations Storage;
  std::unique_ptr<Screen> Widgets;
  RecordingWindow Win;
  GeometricPicker Pick;
  Editor Ed;
};

inline void RecordingWindow::drawNow() { App.frame(); }

inline GrayImage RecordingWindow::canvasPicture() {
  return takeCanvasPicture(App.S, App.E, *App.Widgets);
}

inline std::string RecordingWindow::vectorPicture() { return drawingSvg(App.S.drawing()); }

#endif
