// The Variables a program works on: the ten user Variables (the pen's place,
// size, offsets, rotation, polyline length and the random bounds), the repeat
// count being edited and the random target shown on screen. Loading a file
// puts the reader's ten user Variables in place of the current ones; the
// replaced ones stay alive until the next replacement, so whatever still
// names them (the dropped algorithm, the Labels) is rebound first.
#ifndef QUOVADRIN_EXEC_VARIABLE_SET_H
#define QUOVADRIN_EXEC_VARIABLE_SET_H

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/variable.h"

/// The ten user Variables, in the order of the run snapshot.
enum class UserVariable { X, Y, Dx, Dy, H, V, D, N, Min, Max };
constexpr int UserVariableCount = 10;

/// Values of the ten user Variables, indexed by UserVariable.
using UserValues = std::array<int32_t, UserVariableCount>;
/// Ten Variables in the order of UserVariable.
using UserVariables = std::array<std::unique_ptr<Variable>, UserVariableCount>;

class VariableSet {
public:
  /// The twelve fixed Variables with their names and start values: x, y, d,
  /// h, v, min 0; dx, dy 1; n 27; max 10; the count 10 with an empty name;
  /// r from the text "0", then named "r".
  VariableSet();
  VariableSet(const VariableSet &) = delete;
  VariableSet &operator=(const VariableSet &) = delete;

  Variable &user(UserVariable Which) const { return *Users[index(Which)]; }
  Variable &x() const { return user(UserVariable::X); }
  Variable &y() const { return user(UserVariable::Y); }
  Variable &dx() const { return user(UserVariable::Dx); }
  Variable &dy() const { return user(UserVariable::Dy); }
  Variable &h() const { return user(UserVariable::H); }
  Variable &v() const { return user(UserVariable::V); }
  Variable &d() const { return user(UserVariable::D); }
  Variable &n() const { return user(UserVariable::N); }
  Variable &min() const { return user(UserVariable::Min); }
  Variable &max() const { return user(UserVariable::Max); }
  /// The repeat count offered by the repeat control.
  Variable &count() const { return *Count; }
  /// The holder shown by the random-target Label.
  Variable &randomTarget() const { return *RandomTarget; }

  /// The user Variable that \p V is, if it is one.
  bool isUser(const Variable *V) const;

  UserValues values() const;
  void setValues(const UserValues &Values);
  /// x, y, d, h, v to 0, dx and dy to 1, min to 0, max to 10 and n to 27.
  /// The count and r keep their values.
  void resetValues();

  /// Puts \p Replacements in place of the ten user Variables; a missing
  /// one keeps the current Variable.
  void replaceUsers(UserVariables Replacements);

  static constexpr size_t index(UserVariable Which) { return static_cast<size_t>(Which); }

private:
  UserVariables Users;
  std::unique_ptr<Variable> Count;
  std::unique_ptr<Variable> RandomTarget;
  /// The user Variables of the last replacement.
  std::vector<std::unique_ptr<Variable>> Retired;
};

#endif
