// Composing a Label's text.
#include "editor/value_label.h"

#include "model/text_format.h"
#include "model/variable.h"

namespace {

const std::string &nameOf(const Variable *V) {
  static const std::string None;
  return V ? V->name() : None;
}

} // namespace

ValueLabel::ValueLabel(PickName GivenPick, std::string GivenName, Variable *GivenTarget,
                       Variable *GivenOperand)
    : Pick(GivenPick), Name(std::move(GivenName)), Target(GivenTarget), Operand(GivenOperand) {
  showOperand();
}

ValueLabel::ValueLabel(PickName GivenPick, std::string GivenName, Variable *GivenTarget,
                       const char *ConstantText)
    : Pick(GivenPick), Name(std::move(GivenName)), Target(GivenTarget),
      Constant(std::make_unique<Variable>(ConstantText)) {
  Operand = Constant.get();
  showOperand();
}

bool ValueLabel::isOperandOnly() const {
  return Pick == PickName::Count || Pick == PickName::RandomTarget || Pick == PickName::Upper ||
         Pick == PickName::Lower;
}

void ValueLabel::setConstantOperand(int32_t Value) {
  Constant = std::make_unique<Variable>(Value);
  Operand = Constant.get();
}

void ValueLabel::showOperand() {
  if (isOperandOnly())
    setText(nameOf(Operand));
  else
    setText(nameOf(Target) + "=" + nameOf(Operand));
}

void ValueLabel::showValue() {
  const int32_t Value = Target ? Target->value() : 0;
  if (isOperandOnly())
    setText(formatText("%i", Value));
  else
    setText(formatText("%s=%i", nameOf(Target).c_str(), Value));
}

void ValueLabel::setText(std::string NewText) {
  Text = std::move(NewText);
  ++Revision;
}
