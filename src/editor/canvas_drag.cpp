// The pen following the pointer in a canvas edit mode: its place, its
// offsets within the cell, its size or its rotation, shown in the Labels as
// it moves. Leaving the canvas abandons the mode without a commit.
#include "editor/canvas_controller.h"

#include <algorithm>

#include "editor/canvas_edit_mode.h"
#include "editor/editor_host.h"
#include "editor/field_labels.h"
#include "exec/session.h"

namespace {

/// The offsets h and v stay within this many layout units of the cell.
constexpr int OffsetLimit = 10;

// Inside the canvas, its border lines excluded.
bool overCanvas(LayoutPoint InCanvas) {
  return InCanvas.X > 0 && InCanvas.X < CanvasLayoutWidth && InCanvas.Y > 0 &&
         InCanvas.Y < LayoutHeight;
}

} // namespace

void CanvasController::onPassiveMotion(LayoutPoint InCanvas) {
  const InteractionMode Mode = Context.Mode;
  if (!isCanvasEditMode(Mode))
    return;
  Canvas.Pointer = InCanvas;
  if (!overCanvas(InCanvas)) {
    // Leaving the canvas abandons the mode; the values stay where they are.
    Context.Mode = InteractionMode::Idle;
    Context.Host.setPassiveMotion(false);
    showMovedValues(Mode);
    return;
  }
  followPointer(Mode);
  showMovedValues(Mode);
}

void CanvasController::followPointer(InteractionMode Mode) {
  const double Px = Canvas.Pointer.X, Py = Canvas.Pointer.Y;
  const double Cw = CellWidth, Ch = CellHeight;
  VariableSet &V = Context.Work.variables();
  switch (penEditOf(Mode)) {
  case PenEdit::Move:
    V.x().setValue(truncateToInt(Px / Cw));
    V.y().setValue(truncateToInt(Py / Ch));
    break;
  case PenEdit::Offset:
    V.h().setValue(
        std::clamp(truncateToInt((Px - Cw / 2) - V.x().value() * Cw + Canvas.DragOffsetX),
                   -OffsetLimit, OffsetLimit));
    V.v().setValue(
        std::clamp(truncateToInt((Py - Ch / 2) - V.y().value() * Ch + Canvas.DragOffsetY),
                   -OffsetLimit, OffsetLimit));
    break;
  case PenEdit::Size:
    V.dx().setValue(
        truncateToInt((Px - (V.h().value() + V.x().value() * Cw - Canvas.DragOffsetX)) / Cw * 2));
    V.dy().setValue(
        truncateToInt((Py - (V.v().value() + V.y().value() * Ch - Canvas.DragOffsetY)) / Ch * 2));
    break;
  case PenEdit::Rotate:
    V.d().setValue(
        truncateToInt(2.0 * truncateToInt(Px - V.x().value() * Cw + Canvas.DragOffsetX)));
    break;
  case PenEdit::None:
    break;
  }
}

// The Labels of the Variables a mode moves show their values, with constants
// that hold them, so that stepping a Label afterwards goes on from there.
void CanvasController::showMovedValues(InteractionMode Mode) {
  const auto Moved = movedVariables(Mode);
  for (size_t I = 0; I < Moved.Count; ++I)
    Labels.holdValue(Moved.Which[I], Context.Work.variables());
  Context.Host.postRedisplay();
}
