// What each canvas edit mode moves: the Variables that follow the pointer,
// in the order a commit inserts their commands, and whether the commit
// gives their values (absolute) or the change since the mode began.
#ifndef QUOVADRIN_EDITOR_CANVAS_EDIT_MODE_H
#define QUOVADRIN_EDITOR_CANVAS_EDIT_MODE_H

#include <cstddef>

#include "editor/interaction_mode.h"
#include "exec/variable_set.h"

struct MovedVariables {
  UserVariable Which[2];
  size_t Count;
};

inline MovedVariables movedVariables(InteractionMode Mode) {
  switch (Mode) {
  case InteractionMode::MoveXyAbsolute:
  case InteractionMode::MoveXyRelative:
    return {{UserVariable::X, UserVariable::Y}, 2};
  case InteractionMode::OffsetAbsolute:
  case InteractionMode::OffsetRelative:
    return {{UserVariable::H, UserVariable::V}, 2};
  case InteractionMode::SizeAbsolute:
  case InteractionMode::SizeRelative:
    return {{UserVariable::Dx, UserVariable::Dy}, 2};
  case InteractionMode::RotateAbsolute:
  case InteractionMode::RotateRelative:
    return {{UserVariable::D, UserVariable::D}, 1};
  case InteractionMode::Idle:
  case InteractionMode::LeftHeld:
  case InteractionMode::RightHeld:
  case InteractionMode::ListingLineHeld:
  case InteractionMode::PenMenuOpen:
    break;
  }
  return {{UserVariable::X, UserVariable::X}, 0};
}

inline bool isAbsoluteEdit(InteractionMode Mode) {
  return Mode == InteractionMode::MoveXyAbsolute || Mode == InteractionMode::OffsetAbsolute ||
         Mode == InteractionMode::SizeAbsolute || Mode == InteractionMode::RotateAbsolute;
}

#endif
