// The fixed Variables, their snapshot and their replacement by loaded ones.
#include "exec/variable_set.h"

namespace {

std::unique_ptr<Variable> named(int32_t Value, const char *Name) {
  auto V = std::make_unique<Variable>(Value);
  V->setName(Name);
  return V;
}

} // namespace

VariableSet::VariableSet() {
  Users[index(UserVariable::X)] = named(0, "x");
  Users[index(UserVariable::Y)] = named(0, "y");
  Users[index(UserVariable::Dx)] = named(1, "dx");
  Users[index(UserVariable::Dy)] = named(1, "dy");
  Users[index(UserVariable::H)] = named(0, "h");
  Users[index(UserVariable::V)] = named(0, "v");
  Users[index(UserVariable::D)] = named(0, "d");
  Users[index(UserVariable::N)] = named(27, "n");
  Count = named(10, "");
  Users[index(UserVariable::Min)] = named(0, "min");
  Users[index(UserVariable::Max)] = named(10, "max");
  // The random-target holder starts from the text "0", then takes its name.
  RandomTarget = std::make_unique<Variable>("0");
  RandomTarget->setName("r");
}

bool VariableSet::isUser(const Variable *V) const {
  if (!V)
    return false;
  for (const auto &U : Users)
    if (U.get() == V)
      return true;
  return false;
}

UserValues VariableSet::values() const {
  UserValues Values{};
  for (size_t I = 0; I < Values.size(); ++I)
    Values[I] = Users[I]->value();
  return Values;
}

void VariableSet::setValues(const UserValues &Values) {
  for (size_t I = 0; I < Values.size(); ++I)
    Users[I]->setValue(Values[I]);
}

void VariableSet::resetValues() {
  x().setValue(0);
  y().setValue(0);
  d().setValue(0);
  h().setValue(0);
  v().setValue(0);
  dx().setValue(1);
  dy().setValue(1);
  min().setValue(0);
  max().setValue(10);
  n().setValue(27);
}

void VariableSet::replaceUsers(UserVariables Replacements) {
  Retired.clear();
  for (size_t I = 0; I < Users.size(); ++I) {
    if (!Replacements[I])
      continue;
    Retired.push_back(std::move(Users[I]));
    Users[I] = std::move(Replacements[I]);
  }
}
