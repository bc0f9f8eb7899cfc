// The fixed Variables, their reset, the run snapshot, their replacement by a
// loaded program's Variables, and the example block built on them.
#include <gtest/gtest.h>

#include "algorithm_text.h"
#include "exec/example_algorithm.h"
#include "exec/session.h"
#include "exec/variable_set.h"

namespace {

constexpr UserVariable AllUsers[UserVariableCount] = {
    UserVariable::X, UserVariable::Y, UserVariable::Dx, UserVariable::Dy,  UserVariable::H,
    UserVariable::V, UserVariable::D, UserVariable::N,  UserVariable::Min, UserVariable::Max};

/// Ten fresh Variables named after their slot and holding \p Base + slot.
UserVariables loadedVariables(int Base) {
  UserVariables Loaded;
  for (size_t I = 0; I < Loaded.size(); ++I) {
    Loaded[I] = std::make_unique<Variable>(Base + static_cast<int>(I));
    Loaded[I]->setName("loaded");
  }
  return Loaded;
}

} // namespace

TEST(VariableSet, FixedVariablesHaveTheirNamesAndStartValues) {
  const VariableSet V;
  const char *Names[] = {"x", "y", "dx", "dy", "h", "v", "d", "n", "min", "max"};
  const int Values[] = {0, 0, 1, 1, 0, 0, 0, 27, 0, 10};
  for (int I = 0; I < UserVariableCount; ++I) {
    EXPECT_EQ(V.user(AllUsers[I]).name(), Names[I]);
    EXPECT_EQ(V.user(AllUsers[I]).value(), Values[I]);
  }
  EXPECT_EQ(&V.x(), &V.user(UserVariable::X));
  EXPECT_EQ(&V.max(), &V.user(UserVariable::Max));
  EXPECT_EQ(V.count().name(), "");
  EXPECT_EQ(V.count().value(), 10);
  EXPECT_EQ(V.randomTarget().name(), "r");
  EXPECT_EQ(V.randomTarget().value(), 0);
  EXPECT_TRUE(V.isUser(&V.n()));
  EXPECT_FALSE(V.isUser(&V.count()));
  EXPECT_FALSE(V.isUser(&V.randomTarget()));
  EXPECT_FALSE(V.isUser(nullptr));
}

TEST(VariableSet, ResetLeavesCountAndR) {
  VariableSet V;
  for (UserVariable Which : AllUsers)
    V.user(Which).setValue(99);
  V.count().setValue(3);
  V.randomTarget().setValue(4);
  V.resetValues();
  EXPECT_EQ(V.values(), (UserValues{0, 0, 1, 1, 0, 0, 0, 27, 0, 10}));
  EXPECT_EQ(V.count().value(), 3);
  EXPECT_EQ(V.randomTarget().value(), 4);
}

TEST(VariableSet, SnapshotRestoresAllTen) {
  VariableSet V;
  for (int I = 0; I < UserVariableCount; ++I)
    V.user(AllUsers[I]).setValue(I * 7 - 20);
  const UserValues Saved = V.values();
  EXPECT_EQ(Saved[VariableSet::index(UserVariable::Min)], 8 * 7 - 20) << "min before max";
  for (UserVariable Which : AllUsers)
    V.user(Which).setValue(1000);
  V.setValues(Saved);
  for (int I = 0; I < UserVariableCount; ++I)
    EXPECT_EQ(V.user(AllUsers[I]).value(), I * 7 - 20);
}

TEST(VariableSet, ReplacedVariablesStayAliveUntilTheNextReplacement) {
  VariableSet V;
  Variable *OldX = &V.x();
  Variable *OldY = &V.y();
  Variable *Count = &V.count();
  UserVariables First = loadedVariables(100);
  First[VariableSet::index(UserVariable::Y)].reset(); // a missing one keeps its Variable
  Variable *LoadedX = First[VariableSet::index(UserVariable::X)].get();
  V.replaceUsers(std::move(First));
  EXPECT_EQ(&V.x(), LoadedX);
  EXPECT_EQ(V.x().value(), 100);
  EXPECT_EQ(&V.y(), OldY);
  EXPECT_EQ(V.max().value(), 109);
  EXPECT_EQ(&V.count(), Count) << "the count is not a user Variable";
  EXPECT_FALSE(V.isUser(OldX));
  EXPECT_TRUE(V.isUser(LoadedX));
  // Whatever still names the replaced x may read it until the next load.
  OldX->setValue(5);
  EXPECT_EQ(OldX->value(), 5);

  V.replaceUsers(loadedVariables(200));
  EXPECT_EQ(V.x().value(), 200);
  EXPECT_EQ(V.y().value(), 201);
}

TEST(Session, AdoptsALoadedProgramAndNamesFilesAfterItsSeed) {
  Session S(-5);
  EXPECT_EQ(S.seedText(), "-5");
  EXPECT_EQ(S.seedValue(), -5);
  auto Loaded = std::make_unique<Algorithm>();
  UserVariables Vars = loadedVariables(30);
  Loaded->appendArithmetic(Vars[VariableSet::index(UserVariable::N)].get(), ArithmeticOp::Add, 1);
  Algorithm *Program = Loaded.get();
  S.adopt(std::move(Loaded), std::move(Vars));
  EXPECT_EQ(&S.algorithm(), Program);
  EXPECT_EQ(S.algorithm().head()->target(), &S.variables().n());
  EXPECT_EQ(S.variables().n().value(), 37);

  // Nothing to adopt changes nothing.
  S.adopt(nullptr, loadedVariables(0));
  EXPECT_EQ(&S.algorithm(), Program);
  EXPECT_EQ(S.variables().n().value(), 37);
}

TEST(ExampleAlgorithm, FifteenCommandsNumberedInListingOrder) {
  const VariableSet V;
  Algorithm A;
  appendExampleBlock(A, V);
  EXPECT_EQ(listing(A),
            "1:Wiederhole 20 mal:, 2:Gib max den Wert 18, 3:Gib min den Wert 8, "
            "4:Zufallswert fuer x zwischen max und min, 5:Zufallswert fuer y zwischen max und min, "
            "6:Gib max den Wert 10, 7:Gib min den Wert -10, "
            "8:Zufallswert fuer h zwischen max und min, 9:Zufallswert fuer v zwischen max und min, "
            "10:Gib max den Wert 5, 11:Gib min den Wert 1, "
            "12:Zufallswert fuer dx zwischen max und min, "
            "13:Zufallswert fuer dy zwischen max und min, 14:Zeichne Quadrat, "
            "*15:Wiederhole bis hier.->1");
  EXPECT_EQ(A.lookup(4)->target(), &V.x());
  EXPECT_EQ(A.lookup(4)->source(), &V.max());
  appendExampleBlock(A, V);
  EXPECT_EQ(A.commandCount(), 30);
  EXPECT_EQ(A.lookup(30)->jumpTarget(), 16);
}
