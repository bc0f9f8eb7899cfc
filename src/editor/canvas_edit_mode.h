// What each canvas edit mode moves: the Variables that follow the pointer,
// in the order a commit inserts their commands, and whether the commit
// gives their values (absolute) or the change since the mode began.
#ifndef QUOVADRIN_EDITOR_CANVAS_EDIT_MODE_H
#define QUOVADRIN_EDITOR_CANVAS_EDIT_MODE_H

#include <cstddef>

#include "editor/interaction_mode.h"
#include "exec/variable_set.h"

/// What the pen does in an edit mode, whether absolute or relative.
enum class PenEdit { None, Move, Offset, Size, Rotate };

inline PenEdit penEditOf(InteractionMode Mode) {
  using M = InteractionMode;
  if (Mode == M::MoveXyAbsolute || Mode == M::MoveXyRelative)
    return PenEdit::Move;
  if (Mode == M::OffsetAbsolute || Mode == M::OffsetRelative)
    return PenEdit::Offset;
  if (Mode == M::SizeAbsolute || Mode == M::SizeRelative)
    return PenEdit::Size;
  if (Mode == M::RotateAbsolute || Mode == M::RotateRelative)
    return PenEdit::Rotate;
  return PenEdit::None;
}

struct MovedVariables {
  UserVariable Which[2];
  size_t Count;
};

inline MovedVariables movedVariables(InteractionMode Mode) {
  using V = UserVariable;
  switch (penEditOf(Mode)) {
  case PenEdit::Move:
    return {{V::X, V::Y}, 2};
  case PenEdit::Offset:
    return {{V::H, V::V}, 2};
  case PenEdit::Size:
    return {{V::Dx, V::Dy}, 2};
  case PenEdit::Rotate:
    return {{V::D, V::D}, 1};
  case PenEdit::None:
    break;
  }
  return {{V::X, V::X}, 0};
}

inline bool isAbsoluteEdit(InteractionMode Mode) {
  return Mode == InteractionMode::MoveXyAbsolute || Mode == InteractionMode::OffsetAbsolute ||
         Mode == InteractionMode::SizeAbsolute || Mode == InteractionMode::RotateAbsolute;
}

#endif
