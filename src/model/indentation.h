// How far a command of the listing and of an .alg file is indented: one step
// per repeat block open at that command. A repeat start stands at the level
// outside the block it opens, its end at the level outside the block it
// closes. One rule for the screen and the file, so both show the same shape.
#ifndef QUOVADRIN_MODEL_INDENTATION_H
#define QUOVADRIN_MODEL_INDENTATION_H

#include "model/command.h"

class Algorithm;

/// Walks the commands in list order and tells each one's level.
class Indentation {
public:
  /// The level a command of \p Kind stands at, given that every command
  /// before it has been passed through here in order. An end without an
  /// open block stays at the left edge and takes nothing from the blocks
  /// that follow it.
  int levelOf(CommandKind Kind);

private:
  int Level = 0;
};

/// The level of \p Target within \p A, counted from the first command; 0 for
/// a command that is not in the list.
int indentLevel(const Algorithm &A, const Command *Target);

#endif
