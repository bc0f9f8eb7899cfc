// Editing on the canvas: the pen menu around the pen marker, the edit modes
// in which the pen follows the pointer (its place, offsets, size or
// rotation), and the commit that inserts the commands describing the change,
// as absolute values or as differences. Stamp inserts and draws at once.
#include "editor/editor.h"

#include <algorithm>
#include <cstdint>

#include "editor/editor_state.h"
#include "editor/window.h"
#include "exec/session.h"
#include "exec/shape_creation.h"

namespace {

constexpr int CanvasLeft = LayoutWidth / 4;
constexpr int CanvasRight = LayoutWidth * 3 / 4;
/// The offsets h and v stay within this many layout units of the cell.
constexpr int OffsetLimit = 10;

// The pointer's place relative to the pen, taken when a mode starts, so the
// moved values begin at their current ones.
int offsetXFor(const VariableSet &V, int PointerX) {
  return truncateToInt(V.h().value() + (V.x().value() * double(CellWidth) + CanvasLeft) - PointerX +
                       CellWidth / 2);
}

int offsetYFor(const VariableSet &V, int PointerY) {
  return truncateToInt(V.v().value() + V.y().value() * double(CellHeight) - PointerY +
                       CellHeight / 2);
}

int rotationOffsetFor(const VariableSet &V, int PointerX) {
  return truncateToInt(V.d().value() / 2 +
                       (V.x().value() * double(CellWidth) + CanvasLeft - PointerX));
}

/// The Variables an edit mode moves, in the order they are committed.
struct MovedVariables {
  UserVariable Which[2];
  size_t Count;
};

MovedVariables movedVariables(InteractionMode Mode) {
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

// Values may wrap in the learner's arithmetic, so the difference does too.
int32_t wrapDifference(int32_t A, int32_t B) {
  return static_cast<int32_t>(static_cast<uint32_t>(A) - static_cast<uint32_t>(B));
}

} // namespace

void Editor::openPenMenu() {
  E.PenMenu.Corners = penMenuCorners(penCentre(S.variables()));
  ++E.PenMenu.Revision;
  E.Mode = InteractionMode::PenMenuOpen;
}

void Editor::penMenuAction(int Pick) {
  VariableSet &V = S.variables();
  UserValues &Start = S.run().SavedValues;
  auto Record = [&](UserVariable Which) {
    Start[VariableSet::index(Which)] = V.user(Which).value();
  };
  auto Enter = [&](InteractionMode Mode) {
    E.Mode = Mode;
    W.setPassiveMotion(true);
  };
  const PickName Name = static_cast<PickName>(Pick);
  if (Name == PickName::Stamp) {
    S.algorithm().insertDraw(E.SelectedTool);
    createShapeForCurrent(S);
    E.Mode = InteractionMode::Idle;
    return;
  }
  if (Name == PickName::XyAbs || Name == PickName::XyRel) {
    if (Name == PickName::XyRel) {
      Record(UserVariable::X);
      Record(UserVariable::Y);
    }
    Enter(Name == PickName::XyAbs ? InteractionMode::MoveXyAbsolute
                                  : InteractionMode::MoveXyRelative);
    return;
  }
  if (Name == PickName::DAbs || Name == PickName::DRel) {
    if (Name == PickName::DRel)
      Record(UserVariable::D);
    E.DragOffsetX = rotationOffsetFor(V, E.PointerX);
    Enter(Name == PickName::DAbs ? InteractionMode::RotateAbsolute
                                 : InteractionMode::RotateRelative);
    return;
  }
  E.DragOffsetX = offsetXFor(V, E.PointerX);
  E.DragOffsetY = offsetYFor(V, E.PointerY);
  if (Name == PickName::HvRel) {
    Record(UserVariable::H);
    Record(UserVariable::V);
  } else if (Name == PickName::WhRel) {
    Record(UserVariable::Dx);
    Record(UserVariable::Dy);
  }
  if (Name == PickName::HvAbs || Name == PickName::HvRel)
    Enter(Name == PickName::HvAbs ? InteractionMode::OffsetAbsolute
                                  : InteractionMode::OffsetRelative);
  else
    Enter(Name == PickName::WhAbs ? InteractionMode::SizeAbsolute : InteractionMode::SizeRelative);
}

void Editor::onPassiveMotion(int X, int Y) {
  const InteractionMode Mode = E.Mode;
  if (!isCanvasEditMode(Mode))
    return;
  updatePointer(X, Y);
  const double Px = E.PointerX, Py = E.PointerY;
  VariableSet &V = S.variables();
  if (!(E.PointerX > CanvasLeft && E.PointerX < CanvasRight && E.PointerY > 0 &&
        E.PointerY < LayoutHeight)) {
    // Leaving the canvas abandons the mode; the values stay where they are.
    E.Mode = InteractionMode::Idle;
    W.setPassiveMotion(false);
    showMovedValues(Mode);
    return;
  }
  const double Cw = CellWidth, Ch = CellHeight;
  switch (Mode) {
  case InteractionMode::MoveXyAbsolute:
  case InteractionMode::MoveXyRelative:
    V.x().setValue(truncateToInt((Px - CanvasLeft) / Cw));
    V.y().setValue(truncateToInt(Py / Ch));
    break;
  case InteractionMode::OffsetAbsolute:
  case InteractionMode::OffsetRelative:
    V.h().setValue(
        std::clamp(truncateToInt((Px - CanvasLeft - Cw / 2) - V.x().value() * Cw + E.DragOffsetX),
                   -OffsetLimit, OffsetLimit));
    V.v().setValue(std::clamp(truncateToInt((Py - Ch / 2) - V.y().value() * Ch + E.DragOffsetY),
                              -OffsetLimit, OffsetLimit));
    break;
  case InteractionMode::SizeAbsolute:
  case InteractionMode::SizeRelative:
    V.dx().setValue(truncateToInt(
        ((Px - CanvasLeft) - (V.h().value() + V.x().value() * Cw - E.DragOffsetX)) / Cw * 2));
    V.dy().setValue(
        truncateToInt((Py - (V.v().value() + V.y().value() * Ch - E.DragOffsetY)) / Ch * 2));
    break;
  case InteractionMode::RotateAbsolute:
  case InteractionMode::RotateRelative:
    V.d().setValue(
        truncateToInt(2.0 * truncateToInt((Px - CanvasLeft) - V.x().value() * Cw + E.DragOffsetX)));
    break;
  case InteractionMode::Idle:
  case InteractionMode::LeftHeld:
  case InteractionMode::RightHeld:
  case InteractionMode::ListingLineHeld:
  case InteractionMode::PenMenuOpen:
    break;
  }
  showMovedValues(Mode);
}

// The Labels of the Variables a mode moves show their values, with constants
// that hold them, so that stepping a Label afterwards goes on from there.
void Editor::showMovedValues(InteractionMode Mode) {
  auto Show = [&](UserVariable Which) {
    for (int Row = 1; Row <= FieldRowCount; ++Row) {
      if (FieldLabels::rowVariable(Row) != Which)
        continue;
      ValueLabel &Label = E.Labels.row(Row);
      Label.setConstantOperand(S.variables().user(Which).value());
      Label.showValue();
    }
  };
  const auto Moved = movedVariables(Mode);
  for (size_t I = 0; I < Moved.Count; ++I)
    Show(Moved.Which[I]);
  W.postRedisplay();
}

void Editor::commitCanvasEdit() {
  const auto Moved = movedVariables(E.Mode);
  const bool Absolute =
      E.Mode == InteractionMode::MoveXyAbsolute || E.Mode == InteractionMode::OffsetAbsolute ||
      E.Mode == InteractionMode::SizeAbsolute || E.Mode == InteractionMode::RotateAbsolute;
  for (size_t I = 0; I < Moved.Count; ++I) {
    Variable &V = S.variables().user(Moved.Which[I]);
    if (Absolute)
      S.algorithm().insertArithmetic(&V, ArithmeticOp::Give, V.value());
    else
      insertDifference(V, S.run().SavedValues[VariableSet::index(Moved.Which[I])]);
  }
}

// Up or down from where the mode started; no change inserts nothing.
void Editor::insertDifference(Variable &V, int32_t Start) {
  if (V.value() > Start)
    S.algorithm().insertArithmetic(&V, ArithmeticOp::Add, wrapDifference(V.value(), Start));
  else if (V.value() < Start)
    S.algorithm().insertArithmetic(&V, ArithmeticOp::Subtract, wrapDifference(Start, V.value()));
}
