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
  bool writeVectorPicture(const TextSink &Sink) override;
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
      : Work(Seed), State(Work.variables()), Resources(std::make_unique<Screen>()), Host(*this),
        Picks(Work, State), Editing(Work, State, Host, Picks, Storage) {
    State.Screen = {GlTestWindowWidth, GlTestWindowHeight};
  }

  /// What the program's frame does: the widgets, the shape layer and the
  /// listing's scroll position brought up to date, the canvas's look
  /// remembered for a save, then the whole display.
  void frame() {
    Resources->sync(State, Work.drawing());
    keepCurrentVisible(State.Listing, Work.algorithm());
    Resources->LastFrameShowedGrid = State.GridVisible;
    display(Work, State, *Resources);
  }
  /// A left click in the middle of the tool-panel Button or Label \p Name:
  /// the test window's pixels are layout units.
  void clickTool(PickName Name) {
    const LayoutRect &Place = findToolPlace(Name)->Place;
    click(Place.X + Place.Width / 2, Place.Y + Place.Height / 2);
  }
  void click(int X, int Y, MouseButton Button = MouseButton::Left) {
    Editing.onMouse({Button, ButtonState::Down, X, Y});
    Editing.onMouse({Button, ButtonState::Up, X, Y});
  }
  /// A message raised as the editor raises one.
  void showMessage(const std::string &Text) {
    State.Popup.replace(Text);
    State.Popup.Visible = true;
  }

  Session Work;
  EditorState State;
  FileOperations Storage;
  std::unique_ptr<Screen> Resources;
  RecordingWindow Host;
  GeometricPicker Picks;
  Editor Editing;
};

inline void RecordingWindow::drawNow() { App.frame(); }

inline GrayImage RecordingWindow::canvasPicture() {
  return takeCanvasPicture(App.Work, App.State, *App.Resources);
}

inline bool RecordingWindow::writeVectorPicture(const TextSink &Sink) {
  return writeDrawingSvg(App.Work.drawing(), Sink);
}

#endif
