// The one table from a picked name to what it does: for each name of the
// tool panel, the pen menu and the saved-file list, its role, whether it
// acts on the press and repeats while its button is held, and the handler
// of each button. The listing's strips and lines and the pen marker are not
// in it: their panels' controllers answer them by the press itself.
#ifndef QUOVADRIN_EDITOR_PICK_TABLE_H
#define QUOVADRIN_EDITOR_PICK_TABLE_H

#include "editor/pick_result.h"

enum class PickRole : unsigned char {
  None,
  Tool,
  Dice,
  Repeat,
  Undo,
  Go,
  Save,
  Load,
  Field,
  Print,
  PenMenu,
  ControlLabel,
  ValueButton,
  Restart,
  Quit,
  FileEntry,
};

class PickHandlers;

/// What is left to do after a handler: ask for a frame, or nothing more
/// because the handler drew its own frame or ended the program.
enum class AfterPick { Redisplay, Done };

/// A handler: one of PickHandlers' actions, given the handlers and the pick.
using PickHandler = AfterPick (*)(PickHandlers &Handlers, const PickResult &Pick);

struct PickRow {
  PickName Name;
  PickRole Role;
  /// Acts on the press and again and again while the button is held; every
  /// other name acts once, on the release.
  bool RepeatsWhileHeld;
  /// The left button's handler and the right button's; null for none.
  PickHandler Primary;
  PickHandler Secondary;
};

/// The row of \p Pick: by its name, the saved-file list's row for any of its
/// entries, and a row of no role and no handlers for nothing and for the
/// names answered elsewhere.
const PickRow &pickRow(const PickResult &Pick);

/// Whether \p Name acts on the press and repeats while held.
bool repeatsWhileHeld(PickName Name);

#endif
