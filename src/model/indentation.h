// How far a command of the listing and of an .alg file is indented: one step
// per repeat block open at that command. A repeat start stands at the level
// outside the block it opens, its end at the level outside the block it
// closes. One rule for the screen, the file and the class overview, so all
// of them show the same shape; one walk gives each command with its level.
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

/// One line of an indented listing: a command and the level it stands at.
struct IndentedLine {
  const Command *Cmd = nullptr;
  int Level = 0;
};

/// The commands of an Algorithm in list order, each with its level, for a
/// range-based for. Allocates nothing; the Algorithm must not change while
/// it is walked.
class IndentedLines {
public:
  class Iterator {
  public:
    /// At \p First (the end when null), as the first command of the list.
    explicit Iterator(const Command *First);
    const IndentedLine &operator*() const { return Line; }
    const IndentedLine *operator->() const { return &Line; }
    Iterator &operator++();
    bool operator!=(const Iterator &Other) const { return Line.Cmd != Other.Line.Cmd; }

  private:
    Indentation Levels;
    IndentedLine Line;
  };

  Iterator begin() const { return Start; }
  Iterator end() const { return Iterator(nullptr); }

private:
  friend IndentedLines indentedLines(const Algorithm &A, int FromPosition);
  explicit IndentedLines(Iterator First) : Start(First) {}

  Iterator Start;
};

/// The indented lines of \p A from the command at \p FromPosition (1 for the
/// first); the levels of the commands before it are counted but not given.
IndentedLines indentedLines(const Algorithm &A, int FromPosition = 1);

/// The level of \p Target within \p A, counted from the first command; 0 for
/// a command that is not in the list.
int indentLevel(const Algorithm &A, const Command *Target);

#endif
