// The running program: its Session, the editor's state and the editor, the
// Screen with every widget, and the window the editor talks to. Built after
// game mode is entered or the window opened, since the widgets need the GL
// context.
#ifndef QUOVADRIN_APP_APPLICATION_H
#define QUOVADRIN_APP_APPLICATION_H

#include <memory>
#include <string>

#include "app/gl_window.h"
#include "editor/editor.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "files/file_operations.h"
#include "screen/geometric_picker.h"

class Screen;

class Application {
public:
  /// Builds the screen with the images below \p ImageFolder, sets the fixed
  /// GL state, appends the example algorithm and says on stderr how the
  /// Shapes are drawn. \p Seed seeds the random generator and names the
  /// saved files; \p Size is the pixel size of the game mode or the window.
  Application(int ArgCount, char **Args, int32_t Seed, const std::string &ImageFolder,
              ScreenSize Size);
  ~Application();
  Application(const Application &) = delete;
  Application &operator=(const Application &) = delete;

  /// Brings the widgets, the shape layer and the listing's scroll position
  /// up to date.
  void prepareFrame();
  /// prepareFrame, then one complete frame, shown at once.
  void drawFrame();
  /// The window now has \p Size pixels: the layout is scaled to it, and
  /// pointer positions are converted by it.
  void resize(ScreenSize Size);
  /// The canvas as the last frame showed it, drawn into the back buffer and
  /// read back from there in grey.
  GrayImage canvasPicture();

  Session &session() { return Work; }
  EditorState &state() { return State; }
  Editor &editor() { return Editing; }
  Screen &screen() { return *Resources; }

private:
  Session Work;
  EditorState State;
  /// The learner's files are written through here: the real disk.
  FileOperations Storage;
  std::unique_ptr<Screen> Resources;
  GlWindow Host;
  GeometricPicker Picks;
  Editor Editing;
};

/// Fixed GL state: smooth shading, nothing of the 3D pipeline, blending with
/// source alpha, a white clear colour.
void initGraphicsState();

#endif
