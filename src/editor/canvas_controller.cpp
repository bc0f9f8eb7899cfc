// The canvas's button rules, the pen menu's Buttons and the commit of an
// edit mode.
#include "editor/canvas_controller.h"

#include "editor/canvas_edit_mode.h"
#include "editor/editor_host.h"
#include "editor/picker.h"
#include "editor/tool_selection.h"
#include "exec/session.h"
#include "exec/shape_creation.h"

namespace {

// The pointer's place relative to the pen, taken when a mode starts, so the
// moved values begin at their current ones; the pointer is in canvas units.
int offsetXFor(const VariableSet &V, int PointerX) {
  return truncateToInt(V.h().value() + V.x().value() * double(CellWidth) - PointerX +
                       CellWidth / 2);
}

int offsetYFor(const VariableSet &V, int PointerY) {
  return truncateToInt(V.v().value() + V.y().value() * double(CellHeight) - PointerY +
                       CellHeight / 2);
}

int rotationOffsetFor(const VariableSet &V, int PointerX) {
  return truncateToInt(V.d().value() / 2 + (V.x().value() * double(CellWidth) - PointerX));
}

// Values may wrap in the learner's arithmetic, so the difference does too.
int32_t wrapDifference(int32_t A, int32_t B) {
  return static_cast<int32_t>(static_cast<uint32_t>(A) - static_cast<uint32_t>(B));
}

} // namespace

PickRequest CanvasController::onMouse(const PointerEvent &Event, LayoutPoint InCanvas) {
  if (Event.Button == MouseButton::Middle)
    return PickRequest::none();
  Canvas.Pointer = InCanvas;
  InteractionMode &Mode = Context.Mode;
  const bool Editing = isCanvasEditMode(Mode);
  if (Event.isLeft() && Event.isDown()) {
    // The pen-menu Buttons act through the editor, a press beside them too.
    if (Mode == InteractionMode::PenMenuOpen)
      return PickRequest::of(true, Context.Picks.pick(Panel::Canvas, Event.where()));
    if (Editing)
      commitAndLeave();
    else if (Context.Picks.pick(Panel::Canvas, Event.where()).is(PickName::PenMarker))
      openPenMenu();
    Context.Host.postRedisplay();
    return PickRequest::none();
  }
  if (Event.isLeft())
    return PickRequest::none();
  if (Event.isDown()) {
    if (Mode == InteractionMode::Idle)
      Mode = InteractionMode::LeftHeld;
    return PickRequest::none();
  }
  // The pen-menu names have no right-button action: the menu stays open.
  if (Mode == InteractionMode::PenMenuOpen)
    return PickRequest::of(false, Context.Picks.pick(Panel::Canvas, Event.where()));
  if (Editing) {
    commitAndLeave();
    Context.Host.postRedisplay();
    return PickRequest::none();
  }
  Mode = InteractionMode::Idle;
  return PickRequest::none();
}

void CanvasController::afterMenuAction(const PickRequest &Done) {
  if (Done.Action != PickAction::Primary)
    return;
  if (!isCanvasEditMode(Context.Mode))
    Context.Mode = InteractionMode::Idle;
  Context.Host.postRedisplay();
}

void CanvasController::commitAndLeave() {
  commitCanvasEdit();
  Context.Mode = InteractionMode::Idle;
  Context.Host.setPassiveMotion(false);
}

void CanvasController::openPenMenu() {
  Canvas.PenMenu.Corners = penMenuCorners(penCentre(Context.Work.variables()));
  ++Canvas.PenMenu.Revision;
  Context.Mode = InteractionMode::PenMenuOpen;
}

void CanvasController::penMenuAction(PickName Name) {
  if (Name != PickName::Stamp) {
    startEdit(Name);
    return;
  }
  Session &Work = Context.Work;
  Work.algorithm().insertDraw(static_cast<int32_t>(Tools.SelectedTool));
  createShapeForCurrent(Work);
  Context.Mode = InteractionMode::Idle;
}

void CanvasController::enter(InteractionMode Mode) {
  Context.Mode = Mode;
  Context.Host.setPassiveMotion(true);
}

void CanvasController::recordStart(UserVariable Which) {
  Canvas.StartValues[VariableSet::index(Which)] = Context.Work.variables().user(Which).value();
}

// A relative mode remembers where the moved Variables start; the offset
// and size modes keep the pointer's distance to the pen, rotation only its
// horizontal one.
void CanvasController::startEdit(PickName Name) {
  const VariableSet &V = Context.Work.variables();
  const LayoutPoint &Pointer = Canvas.Pointer;
  if (Name == PickName::XyAbs || Name == PickName::XyRel) {
    if (Name == PickName::XyRel) {
      recordStart(UserVariable::X);
      recordStart(UserVariable::Y);
    }
    enter(Name == PickName::XyAbs ? InteractionMode::MoveXyAbsolute
                                  : InteractionMode::MoveXyRelative);
    return;
  }
  if (Name == PickName::DAbs || Name == PickName::DRel) {
    if (Name == PickName::DRel)
      recordStart(UserVariable::D);
    Canvas.DragOffsetX = rotationOffsetFor(V, Pointer.X);
    enter(Name == PickName::DAbs ? InteractionMode::RotateAbsolute
                                 : InteractionMode::RotateRelative);
    return;
  }
  Canvas.DragOffsetX = offsetXFor(V, Pointer.X);
  Canvas.DragOffsetY = offsetYFor(V, Pointer.Y);
  if (Name == PickName::HvRel) {
    recordStart(UserVariable::H);
    recordStart(UserVariable::V);
  } else if (Name == PickName::WhRel) {
    recordStart(UserVariable::Dx);
    recordStart(UserVariable::Dy);
  }
  if (Name == PickName::HvAbs || Name == PickName::HvRel)
    enter(Name == PickName::HvAbs ? InteractionMode::OffsetAbsolute
                                  : InteractionMode::OffsetRelative);
  else
    enter(Name == PickName::WhAbs ? InteractionMode::SizeAbsolute : InteractionMode::SizeRelative);
}

void CanvasController::commitCanvasEdit() {
  const auto Moved = movedVariables(Context.Mode);
  const bool Absolute = isAbsoluteEdit(Context.Mode);
  for (size_t I = 0; I < Moved.Count; ++I) {
    Variable &V = Context.Work.variables().user(Moved.Which[I]);
    if (Absolute)
      Context.Work.algorithm().insertArithmetic(&V, ArithmeticOp::Give, V.value());
    else
      insertDifference(V, Canvas.StartValues[VariableSet::index(Moved.Which[I])]);
  }
}

// Up or down from where the mode started; no change inserts nothing.
void CanvasController::insertDifference(Variable &V, int32_t Start) {
  Algorithm &A = Context.Work.algorithm();
  if (V.value() > Start)
    A.insertArithmetic(&V, ArithmeticOp::Add, wrapDifference(V.value(), Start));
  else if (V.value() < Start)
    A.insertArithmetic(&V, ArithmeticOp::Subtract, wrapDifference(Start, V.value()));
}
