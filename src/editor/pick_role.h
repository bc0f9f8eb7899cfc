// What a picked name is, for the two buttons' actions: which controller
// answers it and how.
#ifndef QUOVADRIN_EDITOR_PICK_ROLE_H
#define QUOVADRIN_EDITOR_PICK_ROLE_H

class PickResult;

enum class PickRole {
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

/// The role of tool-panel or canvas pick \p Pick.
PickRole roleOf(const PickResult &Pick);

#endif
