// The Labels' Variables and their start operands.
#include "editor/field_labels.h"

namespace {

struct RowSpec {
  PickName Pick;
  const char *Name;
  UserVariable Target;
  const char *StartConstant;
};

// Parameter rows 1 to 10.
const RowSpec Rows[FieldRowCount] = {
    {PickName::FieldX, "x", UserVariable::X, "0"},
    {PickName::FieldY, "y", UserVariable::Y, "0"},
    {PickName::FieldDx, "dx", UserVariable::Dx, "1"},
    {PickName::FieldDy, "dy", UserVariable::Dy, "1"},
    {PickName::FieldH, "h", UserVariable::H, "1"},
    {PickName::FieldV, "v", UserVariable::V, "1"},
    {PickName::FieldD, "d", UserVariable::D, "0"},
    {PickName::FieldN, "n", UserVariable::N, "27"},
    {PickName::FieldMax, "max", UserVariable::Max, "10"},
    {PickName::FieldMin, "min", UserVariable::Min, "0"},
};

bool validRow(int Row) { return Row >= 1 && Row <= FieldRowCount; }

} // namespace

FieldLabels::FieldLabels(const VariableSet &Vars) {
  for (int Row = 1; Row <= FieldRowCount; ++Row) {
    const RowSpec &Spec = Rows[Row - 1];
    Labels[static_cast<size_t>(rowSlot(Row))] = std::make_unique<ValueLabel>(
        Spec.Pick, Spec.Name, &Vars.user(Spec.Target), Spec.StartConstant);
  }
  Labels[CountSlot] = std::make_unique<ValueLabel>(PickName::Count, "c", &Vars.count(), "10");
  Labels[RandomTargetSlot] =
      std::make_unique<ValueLabel>(PickName::RandomTarget, "r", &Vars.randomTarget(), &Vars.x());
  Labels[UpperSlot] =
      std::make_unique<ValueLabel>(PickName::Upper, "upper", &Vars.max(), &Vars.max());
  Labels[LowerSlot] =
      std::make_unique<ValueLabel>(PickName::Lower, "lower", &Vars.min(), &Vars.min());
}

// Rows 1 to 8 come first in the panel; max and min follow c and r.
int FieldLabels::rowSlot(int Row) {
  if (!validRow(Row))
    return 0;
  return Row <= 8 ? Row - 1 : Row + 1;
}

UserVariable FieldLabels::rowVariable(int Row) {
  return validRow(Row) ? Rows[Row - 1].Target : UserVariable::X;
}

int FieldLabels::rowOfPick(PickName Name) {
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    if (Rows[Row - 1].Pick == Name)
      return Row;
  return 0;
}

ValueLabel *FieldLabels::byPick(PickName Name) {
  for (auto &Label : Labels)
    if (Label->pick() == Name)
      return Label.get();
  return nullptr;
}

const ValueLabel *FieldLabels::byPick(PickName Name) const {
  return const_cast<FieldLabels *>(this)->byPick(Name);
}

void FieldLabels::showValues() {
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    row(Row).showValue();
}

void FieldLabels::holdValue(UserVariable Which, const VariableSet &Vars) {
  for (int Row = 1; Row <= FieldRowCount; ++Row) {
    if (rowVariable(Row) != Which)
      continue;
    ValueLabel &Label = row(Row);
    Label.setConstantOperand(Vars.user(Which).value());
    Label.showValue();
  }
}

void FieldLabels::rebind(const VariableSet &Vars) {
  for (int Row = 1; Row <= FieldRowCount; ++Row) {
    ValueLabel &Label = row(Row);
    Variable &Target = Vars.user(rowVariable(Row));
    Label.setTarget(&Target);
    Label.setConstantOperand(Target.value());
    Label.showOperand();
  }
  upper().setTarget(&Vars.max());
  upper().setOperand(&Vars.max());
  upper().showOperand();
  lower().setTarget(&Vars.min());
  lower().setOperand(&Vars.min());
  lower().showOperand();
  randomTarget().setTarget(&Vars.randomTarget());
  randomTarget().setOperand(&Vars.x());
  randomTarget().showOperand();
}
