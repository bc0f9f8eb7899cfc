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

int indentLevel(const Algorithm &A, const Command *Target) {
  Indentation Walk;
  for (const Command *C = A.head(); C; C = C->next()) {
    const int Level = Walk.levelOf(C->kind());
    if (C == Target)
      return Level;
  }
  return 0;
}
