// What the editor's controllers share: the learner's work, the window and
// the picker, and the few parts of the editor's state that belong to no one
// controller (what the editor is in the middle of, the pointer, the message
// and the grid). Every controller keeps a copy; the references inside point
// at the one Session, Window and EditorState of the program.
#ifndef QUOVADRIN_EDITOR_EDITOR_CONTEXT_H
#define QUOVADRIN_EDITOR_EDITOR_CONTEXT_H

#include <string>

#include "editor/interaction_mode.h"
#include "editor/message.h"
#include "editor/screen_space.h"

class Picker;
class Session;
class Window;

/// The pointer in layout units of the whole screen.
struct PointerPosition {
  int X = 0;
  int Y = 0;
};

struct EditorContext {
  Session &Work;
  Window &Host;
  Picker &Picks;
  const ScreenSize &Screen;
  InteractionMode &Mode;
  PointerPosition &Pointer;
  Message &Popup;
  /// The canvas shows the grid; off after a run, for the clean picture.
  bool &GridVisible;

  /// The pointer at window pixel (\p X, \p Y), in layout units.
  void updatePointer(int X, int Y) {
    Pointer.X = layoutX(Screen, X);
    Pointer.Y = layoutY(Screen, Y);
  }
  /// Raises \p Text in the popup until the next mouse button event.
  void showMessage(const std::string &Text) {
    Popup.replace(Text);
    Popup.Visible = true;
  }
};

#endif
