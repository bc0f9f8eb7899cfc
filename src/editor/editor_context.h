// What the editor's controllers share: the learner's work, the host and the
// picker, and the few parts of the editor's state that belong to no one
// controller (what the editor is in the middle of, the message and the
// grid). Every controller keeps a copy; the references inside point at the
// one Session, host and EditorState of the program.
#ifndef QUOVADRIN_EDITOR_EDITOR_CONTEXT_H
#define QUOVADRIN_EDITOR_EDITOR_CONTEXT_H

#include <string>

#include "editor/interaction_mode.h"
#include "editor/message.h"

class EditorHost;
class Picker;
class Session;

struct EditorContext {
  Session &Work;
  EditorHost &Host;
  Picker &Picks;
  InteractionMode &Mode;
  Message &Popup;
  /// The canvas shows the grid; off after a run, for the clean picture.
  bool &GridVisible;

  /// Raises \p Text in the popup until the next mouse button event.
  void showMessage(const std::string &Text) {
    Popup.replace(Text);
    Popup.Visible = true;
  }
};

#endif
