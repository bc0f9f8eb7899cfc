// What a tool-panel Label says: a Variable (its target) shown with the
// Variable assigned to it (its operand). While a value is chosen it reads
// "name=operand", during runs and drags "name=value"; the four Labels of the
// random/repeat area show only the operand or the value. The frame draws
// the text; the revision grows with every change of it.
#ifndef QUOVADRIN_EDITOR_VALUE_LABEL_H
#define QUOVADRIN_EDITOR_VALUE_LABEL_H

#include <cstdint>
#include <memory>
#include <string>

#include "editor/pick_name.h"

class Variable;

class ValueLabel {
public:
  /// A Label whose operand is a working Variable.
  ValueLabel(PickName Pick, std::string Name, Variable *Target, Variable *Operand);
  /// A Label whose operand is a constant made from \p ConstantText, which
  /// the Label owns.
  ValueLabel(PickName Pick, std::string Name, Variable *Target, const char *ConstantText);
  ValueLabel(const ValueLabel &) = delete;
  ValueLabel &operator=(const ValueLabel &) = delete;

  PickName pick() const { return Pick; }
  /// The name given at construction (never shown).
  const std::string &name() const { return Name; }
  /// The Labels c, r, upper and lower show only the operand or the value.
  bool isOperandOnly() const;

  Variable *target() const { return Target; }
  void setTarget(Variable *NewTarget) { Target = NewTarget; }
  Variable *operand() const { return Operand; }
  /// A working Variable as the operand; an owned constant is kept until the
  /// next constant replaces it.
  void setOperand(Variable *NewOperand) { Operand = NewOperand; }
  /// A new constant operand holding \p Value, named by its decimal text.
  void setConstantOperand(int32_t Value);

  /// Shows the operand's name ("x=0", or "0" for the operand-only Labels).
  void showOperand();
  /// Shows the target's value ("x=18", or "18" for the operand-only Labels).
  void showValue();

  const std::string &text() const { return Text; }
  /// Grows with every change of the text.
  unsigned revision() const { return Revision; }

private:
  void setText(std::string NewText);

  PickName Pick;
  std::string Name;
  Variable *Target;
  Variable *Operand;
  std::unique_ptr<Variable> Constant;
  std::string Text;
  unsigned Revision = 0;
};

#endif
