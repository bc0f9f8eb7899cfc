// The move of each reader slot to its user Variable.
#include "files/reader_variables.h"

#include "files/alg_reader.h"

UserVariables takeReaderVariables(AlgorithmFileReader &Reader) {
  auto Read = Reader.releaseVariables();
  const struct {
    AlgorithmFileReader::Slot From;
    UserVariable To;
  } Moves[] = {
      {AlgorithmFileReader::X, UserVariable::X},     {AlgorithmFileReader::Y, UserVariable::Y},
      {AlgorithmFileReader::Dx, UserVariable::Dx},   {AlgorithmFileReader::Dy, UserVariable::Dy},
      {AlgorithmFileReader::H, UserVariable::H},     {AlgorithmFileReader::V, UserVariable::V},
      {AlgorithmFileReader::D, UserVariable::D},     {AlgorithmFileReader::N, UserVariable::N},
      {AlgorithmFileReader::Max, UserVariable::Max}, {AlgorithmFileReader::Min, UserVariable::Min}};
  UserVariables Taken;
  for (const auto &Move : Moves)
    Taken[VariableSet::index(Move.To)] = std::move(Read[Move.From]);
  return Taken;
}
