// The tool panel's actions on the algorithm, the Labels and the selections.
#include "editor/tool_actions.h"

#include <climits>

#include "editor/editor_host.h"
#include "editor/field_labels.h"
#include "editor/field_values.h"
#include "editor/listing_state.h"
#include "editor/tool_selection.h"
#include "exec/session.h"
#include "exec/shape_creation.h"

namespace {

/// "möglich" with the ö as the atlas's Latin-1 byte, which a UTF-8 source
/// file would otherwise spell with two bytes and two wrong glyphs.
const char PrintMessage[] = "Drucken ohne kelbrano nicht m\xF6glich";

} // namespace

void ToolActions::toolAction(ShapeKind Kind) {
  Algorithm &A = Context.Work.algorithm();
  const auto Tool = static_cast<int32_t>(Kind);
  if (Tools.SelectedTool == Kind) {
    A.insertDraw(Tool);
  } else {
    Tools.SelectedTool = Kind;
    const Command *Current = A.current();
    if (Listing.CommandEditing && Current && Current->kind() == CommandKind::Draw)
      A.setCurrentValue(Tool);
  }
  Context.Mode = InteractionMode::Idle;
  // The pen marker previews a fresh figure of the tool at every click.
  fillToolTemplate(Context.Work, Kind);
}

void ToolActions::diceAction() {
  if (Tools.SelectedControl != PickName::Dice) {
    Tools.SelectedControl = PickName::Dice;
    return;
  }
  Context.Mode = InteractionMode::Idle;
  Context.Work.algorithm().insertRandom(Labels.randomTarget().operand(), Labels.upper().operand(),
                                        Labels.lower().operand());
}

// Both markers go in after the current command, and the start becomes
// current, so that the next commands land inside the new block.
void ToolActions::repeatAction() {
  Context.Mode = InteractionMode::Idle;
  if (Tools.SelectedControl != PickName::Repeat) {
    Tools.SelectedControl = PickName::Repeat;
    return;
  }
  Algorithm &A = Context.Work.algorithm();
  A.insertRepeatStart(Context.Work.variables().count().value());
  A.insertRepeatEnd();
  A.select(A.currentJumpTarget());
}

void ToolActions::undoAction() {
  Context.Work.algorithm().deleteCurrent();
  Listing.forgetClicksWhenEmpty(Context.Work.algorithm());
  Context.Mode = InteractionMode::Idle;
}

void ToolActions::fieldAction(int Row, bool Increment) {
  if (Tools.SelectedFieldRow != Row) {
    Tools.SelectedFieldRow = Row;
    return;
  }
  stepLabel(Labels.row(Row), Context.Work.variables(), Increment);
  updateEditedRow(Row);
}

// While a command is open for editing, stepping the row of its target
// Variable changes its constant too.
void ToolActions::updateEditedRow(int Row) {
  const Command *Current = Context.Work.algorithm().current();
  if (!Listing.CommandEditing || !Current || Current->kind() != CommandKind::Arithmetic)
    return;
  Variable &RowVariable = Context.Work.variables().user(FieldLabels::rowVariable(Row));
  if (Current->target() == &RowVariable)
    Context.Work.algorithm().setCurrentValue(RowVariable.value());
}

// The left button follows the two-click rule; the right button steps at
// once and leaves the highlighted control alone.
void ToolActions::controlLabelAction(ValueLabel &Label, bool Increment, bool TwoClick) {
  if (TwoClick && Tools.SelectedControl != Label.pick()) {
    Tools.SelectedControl = Label.pick();
    return;
  }
  stepLabel(Label, Context.Work.variables(), Increment);
  updateEditedControl(Label);
}

void ToolActions::updateEditedControl(const ValueLabel &Label) {
  const Command *Current = Context.Work.algorithm().current();
  if (!Listing.CommandEditing || !Current)
    return;
  Algorithm &A = Context.Work.algorithm();
  if (Label.pick() == PickName::Count) {
    if (Current->kind() == CommandKind::RepeatStart)
      A.setCurrentValue(Context.Work.variables().count().value());
    return;
  }
  if (Current->kind() != CommandKind::RandomValue)
    return;
  if (Label.pick() == PickName::RandomTarget)
    A.setCurrentTarget(Label.operand());
  else if (Label.pick() == PickName::Upper)
    A.setCurrentUpper(Label.operand());
  else
    A.setCurrentLower(Label.operand());
}

// abs, rel, mul and div insert a command on the selected row's Variable with
// its value. A relative change of 0 and a division by 0 insert nothing.
void ToolActions::valueAction(PickName Action) {
  Variable &V = Context.Work.variables().user(FieldLabels::rowVariable(Tools.SelectedFieldRow));
  const int32_t K = V.value();
  Algorithm &A = Context.Work.algorithm();
  if (Action == PickName::Abs) {
    A.insertArithmetic(&V, ArithmeticOp::Give, K);
  } else if (Action == PickName::Mul) {
    A.insertArithmetic(&V, ArithmeticOp::Multiply, K);
  } else if (Action == PickName::Div) {
    if (K != 0)
      A.insertArithmetic(&V, ArithmeticOp::Divide, K);
  } else if (K > 0 || K == INT32_MIN) {
    // The smallest value has no positive counterpart: it is added instead.
    A.insertArithmetic(&V, ArithmeticOp::Add, K);
  } else if (K < 0) {
    A.insertArithmetic(&V, ArithmeticOp::Subtract, -K);
  }
}

// Deleting command by command would stop at a repeat start without an end,
// which a file can hold; a fresh list is the same empty algorithm without
// that gap.
void ToolActions::restart(bool LeftButton) {
  Context.Work.clearAlgorithm();
  Listing.LastClick = 0;
  resetFieldVariables(Context.Work, Labels, Context.Host);
  Context.Work.drawing().clear();
  if (LeftButton)
    Listing.CommandEditing = false;
}

void ToolActions::quit() {
  Context.Work.clearAlgorithm();
  resetFieldVariables(Context.Work, Labels, Context.Host);
  Context.Work.drawing().clear();
  Context.Host.exit(0);
}

void ToolActions::print() {
  Context.showMessage(PrintMessage);
  Context.Host.drawNow();
}
