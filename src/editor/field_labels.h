// The fourteen value Labels of the tool panel: the ten parameter rows (x, y,
// dx, dy, h, v, d, n, max, min, each named after the user Variable it shows
// and edits), the repeat count c, the random target r and the random bounds
// upper and lower. This is the one place that says which row is which.
#ifndef QUOVADRIN_EDITOR_FIELD_LABELS_H
#define QUOVADRIN_EDITOR_FIELD_LABELS_H

#include <array>
#include <memory>

#include "editor/value_label.h"
#include "exec/variable_set.h"

/// The parameter rows, 1 to 10.
constexpr int FieldRowCount = 10;

class FieldLabels {
public:
  /// Every Label on its Variable with its start operand: the rows on the
  /// constants 0, 0, 1, 1, 1, 1, 0, 27, 10 and 0, c on the count with the
  /// constant 10, r on r showing x, upper on max and lower on min.
  explicit FieldLabels(const VariableSet &Vars);

  /// The user Variable of parameter row \p Row (1 to 10).
  static UserVariable rowVariable(int Row);
  /// The parameter row whose Label is picked as \p Pick, or 0.
  static int rowOfPick(PickName Name);

  ValueLabel &row(int Row) { return *Labels[static_cast<size_t>(rowSlot(Row))]; }
  const ValueLabel &row(int Row) const { return *Labels[static_cast<size_t>(rowSlot(Row))]; }
  ValueLabel &count() { return *Labels[CountSlot]; }
  ValueLabel &randomTarget() { return *Labels[RandomTargetSlot]; }
  ValueLabel &upper() { return *Labels[UpperSlot]; }
  ValueLabel &lower() { return *Labels[LowerSlot]; }
  /// The Label picked as \p Pick, or null.
  ValueLabel *byPick(PickName Name);
  const ValueLabel *byPick(PickName Name) const;

  /// The ten parameter rows show their Variables' values.
  void showValues();
  /// The rows of \p Which show its value, with a constant that holds it,
  /// so that stepping them afterwards goes on from there.
  void holdValue(UserVariable Which, const VariableSet &Vars);

  /// After a load: each row on its (new) Variable with a constant holding
  /// that Variable's value, upper on max, lower on min, r showing x.
  void rebind(const VariableSet &Vars);

  /// Number of Labels, in the tool panel's order: x, y, dx, dy, h, v, d, n,
  /// c, r, max, min, upper, lower.
  static constexpr size_t Size = 14;
  const ValueLabel &at(size_t Index) const { return *Labels[Index]; }

private:
  static constexpr size_t CountSlot = 8;
  static constexpr size_t RandomTargetSlot = 9;
  static constexpr size_t UpperSlot = 12;
  static constexpr size_t LowerSlot = 13;
  static int rowSlot(int Row);

  std::array<std::unique_ptr<ValueLabel>, Size> Labels;
};

#endif
