// The indentation walk.
#include "model/indentation.h"

#include "model/algorithm.h"

int Indentation::levelOf(CommandKind Kind) {
  if (Kind == CommandKind::RepeatEnd && Level > 0)
    --Level;
  const int Shown = Level;
  if (Kind == CommandKind::RepeatStart)
    ++Level;
  return Shown;
}

IndentedLines::Iterator::Iterator(const Command *First) {
  Line.Cmd = First;
  if (First)
    Line.Level = Levels.levelOf(First->kind());
}

IndentedLines::Iterator &IndentedLines::Iterator::operator++() {
  Line.Cmd = Line.Cmd->next();
  if (Line.Cmd)
    Line.Level = Levels.levelOf(Line.Cmd->kind());
  return *this;
}

IndentedLines indentedLines(const Algorithm &A, int FromPosition) {
  IndentedLines::Iterator Walk(A.head());
  for (int Position = 1; Position < FromPosition && (*Walk).Cmd; ++Position)
    ++Walk;
  return IndentedLines(Walk);
}

int indentLevel(const Algorithm &A, const Command *Target) {
  for (const IndentedLine &Line : indentedLines(A))
    if (Line.Cmd == Target)
      return Line.Level;
  return 0;
}
