// A named signed 32-bit integer: the operands of every command, the pen
// parameters a draw command reads, and the loop counters of repeat blocks.
#ifndef QUOVADRIN_MODEL_VARIABLE_H
#define QUOVADRIN_MODEL_VARIABLE_H

#include <cstdint>
#include <string>

class Variable {
public:
  /// Value \p Number, named by its decimal text ("27", "-10").
  explicit Variable(int32_t Number);
  /// Value read from the start of \p Text as decimal digits (0 when there
  /// are none), named by a copy of it.
  explicit Variable(const char *Text);
  /// Value 0 and an empty name; only loop counters are made like this.
  Variable();
  ~Variable();

  int32_t value() const { return Value; }
  void setValue(int32_t NewValue) { Value = NewValue; }
  const std::string &name() const { return Name; }
  void setName(std::string NewName) { Name = std::move(NewName); }

private:
  int32_t Value;
  std::string Name;
};

#endif
