// Stepping the value Labels: constants count up and down, the operands of
// upper, lower and r walk their rings of Variables, and the Label's target
// takes the operand's value. Also the Labels' refreshes, and loading the
// parameters of a command into them.
#include "editor/editor.h"

#include <array>

#include "editor/editor_state.h"
#include "editor/window.h"
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
  // The repeat count never goes below 1.
  const bool Stuck = !Up && Label.pick() == PickName::Count && Operand->value() <= 1;
  if (isConstant(*Operand) && !Stuck) {
    Operand->setValue(wrapStep(Operand->value(), Up));
    Operand->setName(formatText("%i", Operand->value()));
  }
  if (Label.target())
    Label.target()->setValue(Operand->value());
  Label.showOperand();
}

} // namespace

void Editor::incrementLabel(ValueLabel &Label) { stepLabel(Label, S.variables(), true); }

void Editor::decrementLabel(ValueLabel &Label) { stepLabel(Label, S.variables(), false); }

void Editor::resetVariables() {
  S.variables().resetValues();
  refreshFieldValues();
}

void Editor::refreshFieldValues() {
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    E.Labels.row(Row).showValue();
  W.postRedisplay();
}

void Editor::refreshFieldLabels() {
  S.variables().setValues(S.run().SavedValues);
  refreshFieldValues();
}

void Editor::loadCommandIntoEditor() {
  const Command *Current = S.algorithm().current();
  if (!Current)
    return;
  switch (Current->kind()) {
  case CommandKind::RepeatStart: {
    ValueLabel &Count = E.Labels.count();
    S.variables().count().setValue(Current->value());
    Count.setConstantOperand(Current->value());
    Count.showValue();
    return;
  }
  case CommandKind::RandomValue:
    E.Labels.randomTarget().setOperand(Current->target());
    E.Labels.upper().setOperand(Current->source());
    E.Labels.lower().setOperand(Current->lower());
    E.Labels.randomTarget().showOperand();
    E.Labels.upper().showOperand();
    E.Labels.lower().showOperand();
    return;
  case CommandKind::Arithmetic:
    // The Variable shows the command's value; the Label's constant stays,
    // so the next step continues from it.
    for (int Row = 1; Row <= FieldRowCount; ++Row) {
      Variable &V = S.variables().user(FieldLabels::rowVariable(Row));
      if (Current->target() != &V)
        continue;
      V.setValue(Current->value());
      E.Labels.row(Row).showValue();
      return;
    }
    return;
  case CommandKind::Draw:
    // The filled kinds that only files name have no tool to choose.
    if (isToolPick(Current->value()))
      E.SelectedTool = Current->value();
    return;
  case CommandKind::RepeatEnd:
    return;
  }
}
