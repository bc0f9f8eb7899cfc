// Stepping and refreshing the value Labels.
#include "editor/field_values.h"

#include <array>
#include <climits>
#include <cstdint>

#include "editor/editor_host.h"
#include "editor/field_labels.h"
#include "editor/tool_selection.h"
#include "exec/session.h"
#include "model/text_format.h"

namespace {

// The order the operands of upper and lower, and of r, are stepped through.
constexpr std::array<UserVariable, 10> BoundRing = {
    UserVariable::Max, UserVariable::Min, UserVariable::X, UserVariable::Y, UserVariable::Dx,
    UserVariable::Dy,  UserVariable::H,   UserVariable::V, UserVariable::D, UserVariable::N};
constexpr std::array<UserVariable, 8> TargetRing = {
    UserVariable::X, UserVariable::Y, UserVariable::Dx, UserVariable::Dy,
    UserVariable::H, UserVariable::V, UserVariable::D,  UserVariable::N};

// The Variable after (or before) \p Current on \p Ring; null when Current
// is not on it.
template <size_t N>
Variable *stepRing(const VariableSet &Vars, const std::array<UserVariable, N> &Ring,
                   const Variable *Current, bool Forward) {
  for (size_t I = 0; I < N; ++I) {
    if (&Vars.user(Ring[I]) != Current)
      continue;
    const size_t Next = Forward ? (I + 1) % N : (I + N - 1) % N;
    return &Vars.user(Ring[Next]);
  }
  return nullptr;
}

// A constant operand is named by its own value: "0", "27", "-3".
bool isConstant(const Variable &Operand) {
  const std::string &Name = Operand.name();
  return !Name.empty() && ((Name[0] >= '0' && Name[0] <= '9') || Name[0] == '-');
}

int32_t wrapStep(int32_t Value, bool Up) {
  const uint32_t Raw = static_cast<uint32_t>(Value);
  return static_cast<int32_t>(Up ? Raw + 1u : Raw - 1u);
}

// The repeat count stops at 1 going down and at the largest value going up:
// a count wrapped below 1 could not be stepped back by the right button,
// and every new repeat block would get it.
bool countStops(const ValueLabel &Label, int32_t Value, bool Up) {
  if (Label.pick() != PickName::Count)
    return false;
  return Up ? Value >= INT32_MAX : Value <= 1;
}

// The Variable shows the command's value; the row's constant stays, so the
// next step continues from it. A target outside the rows changes nothing.
void loadArithmetic(const Command &Current, VariableSet &Vars, FieldLabels &Labels) {
  for (int Row = 1; Row <= FieldRowCount; ++Row) {
    Variable &V = Vars.user(FieldLabels::rowVariable(Row));
    if (Current.target() != &V)
      continue;
    V.setValue(Current.value());
    Labels.row(Row).showValue();
    return;
  }
}

} // namespace

void stepLabel(ValueLabel &Label, const VariableSet &Vars, bool Up) {
  Variable *Stepped = nullptr;
  if (Label.pick() == PickName::Upper || Label.pick() == PickName::Lower)
    Stepped = stepRing(Vars, BoundRing, Label.operand(), Up);
  else if (Label.pick() == PickName::RandomTarget)
    Stepped = stepRing(Vars, TargetRing, Label.operand(), Up);
  if (Stepped)
    Label.setOperand(Stepped);
  Variable *Operand = Label.operand();
  if (!Operand)
    return;
  if (isConstant(*Operand) && !countStops(Label, Operand->value(), Up)) {
    Operand->setValue(wrapStep(Operand->value(), Up));
    Operand->setName(formatText("%i", Operand->value()));
  }
  if (Label.target())
    Label.target()->setValue(Operand->value());
  Label.showOperand();
}

void showFieldValues(FieldLabels &Labels, EditorHost &Host) {
  Labels.showValues();
  Host.postRedisplay();
}

void resetFieldVariables(Session &Work, FieldLabels &Labels, EditorHost &Host) {
  Work.variables().resetValues();
  showFieldValues(Labels, Host);
}

void restoreSnapshotValues(Session &Work, FieldLabels &Labels, EditorHost &Host) {
  Work.variables().setValues(Work.run().SavedValues);
  showFieldValues(Labels, Host);
}

void loadCommandIntoEditor(Session &Work, FieldLabels &Labels, ToolSelection &Tools) {
  const Command *Current = Work.algorithm().current();
  if (!Current)
    return;
  switch (Current->kind()) {
  case CommandKind::RepeatStart: {
    ValueLabel &Count = Labels.count();
    Work.variables().count().setValue(Current->value());
    Count.setConstantOperand(Current->value());
    Count.showValue();
    return;
  }
  case CommandKind::RandomValue:
    Labels.randomTarget().setOperand(Current->target());
    Labels.upper().setOperand(Current->source());
    Labels.lower().setOperand(Current->lower());
    Labels.randomTarget().showOperand();
    Labels.upper().showOperand();
    Labels.lower().showOperand();
    return;
  case CommandKind::Arithmetic:
    loadArithmetic(*Current, Work.variables(), Labels);
    return;
  case CommandKind::Draw:
    // The filled kinds that only files name have no tool to choose.
    if (isToolShape(static_cast<ShapeKind>(Current->value())))
      Tools.SelectedTool = static_cast<ShapeKind>(Current->value());
    return;
  case CommandKind::RepeatEnd:
    return;
  }
}
