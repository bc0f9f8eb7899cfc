// The tool panel's value Labels: which Variable each parameter row edits,
// their start texts, and the rebinding after a load puts new Variables in
// place of the old ones.
#include <gtest/gtest.h>

#include <set>

#include "editor/field_labels.h"
#include "exec/variable_set.h"

TEST(FieldLabels, RowsEditTheirUserVariablesAndMaxComesBeforeMin) {
  const VariableSet V;
  FieldLabels L(V);
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    EXPECT_EQ(L.row(Row).target(), &V.user(FieldLabels::rowVariable(Row))) << Row;
  // The panel lists max above min, the run snapshot keeps min before max.
  EXPECT_EQ(FieldLabels::rowVariable(9), UserVariable::Max);
  EXPECT_EQ(FieldLabels::rowVariable(10), UserVariable::Min);
  EXPECT_LT(VariableSet::index(UserVariable::Min), VariableSet::index(UserVariable::Max));
  // The row called V moves the pen horizontally: it edits h.
  EXPECT_EQ(L.row(5).target(), &V.h());
  EXPECT_EQ(L.row(6).target(), &V.v());

  EXPECT_EQ(FieldLabels::rowOfPick(PickName::FieldMax), 9);
  EXPECT_EQ(FieldLabels::rowOfPick(PickName::FieldMin), 10);
  EXPECT_EQ(FieldLabels::rowOfPick(PickName::FieldN), 8);
  EXPECT_EQ(FieldLabels::rowOfPick(PickName::Count), 0);
  EXPECT_EQ(L.byPick(PickName::FieldMax), &L.row(9));
  EXPECT_EQ(L.byPick(PickName::Lower), &L.lower());
  EXPECT_EQ(L.byPick(PickName::Go), nullptr);
  // Panel order: the eight rows, c, r, then max and min.
  EXPECT_EQ(&L.at(7), &L.row(8));
  EXPECT_EQ(&L.at(8), &L.count());
  EXPECT_EQ(&L.at(10), &L.row(9));
  EXPECT_EQ(&L.at(11), &L.row(10));
}

TEST(FieldLabels, StartTextsShowOperandsAndValuesWhenAsked) {
  const VariableSet V;
  FieldLabels L(V);
  EXPECT_EQ(L.row(1).text(), "x=0");
  EXPECT_EQ(L.row(5).text(), "h=1") << "the V row on h with the constant 1";
  EXPECT_EQ(L.randomTarget().text(), "x");
  EXPECT_EQ(L.upper().text(), "max");
  EXPECT_EQ(L.lower().text(), "min");
  V.count().setValue(10);
  V.h().setValue(-4);
  L.count().showValue();
  L.row(5).showValue();
  EXPECT_EQ(L.count().text(), "10");
  EXPECT_EQ(L.row(5).text(), "h=-4");
}

TEST(FieldLabels, RebindAfterALoadLeavesNoLabelOnAReplacedVariable) {
  VariableSet V;
  FieldLabels L(V);
  std::set<const Variable *> Old;
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    Old.insert(&V.user(FieldLabels::rowVariable(Row)));
  UserVariables Loaded;
  for (size_t I = 0; I < Loaded.size(); ++I) {
    Loaded[I] = std::make_unique<Variable>(static_cast<int32_t>(10 * I + 3));
    Loaded[I]->setName(V.user(static_cast<UserVariable>(I)).name());
  }
  V.replaceUsers(std::move(Loaded));
  L.rebind(V);

  for (int Row = 1; Row <= FieldRowCount; ++Row) {
    const ValueLabel &Label = L.row(Row);
    const Variable &Target = V.user(FieldLabels::rowVariable(Row));
    EXPECT_EQ(Label.target(), &Target) << Row;
    ASSERT_NE(Label.operand(), nullptr);
    EXPECT_NE(Label.operand(), &Target) << "a constant, not the Variable itself";
    EXPECT_EQ(Label.operand()->value(), Target.value()) << Row;
  }
  EXPECT_EQ(L.row(1).text(), "x=3");
  EXPECT_EQ(L.row(9).text(), "max=93");
  EXPECT_EQ(L.upper().target(), &V.max());
  EXPECT_EQ(L.upper().operand(), &V.max());
  EXPECT_EQ(L.lower().operand(), &V.min());
  EXPECT_EQ(L.randomTarget().target(), &V.randomTarget());
  EXPECT_EQ(L.randomTarget().operand(), &V.x());
  EXPECT_EQ(L.randomTarget().text(), "x");
  for (size_t I = 0; I < FieldLabels::Size; ++I) {
    EXPECT_EQ(Old.count(L.at(I).target()), 0u) << L.at(I).name();
    EXPECT_EQ(Old.count(L.at(I).operand()), 0u) << L.at(I).name();
  }
}
