// The fixed Variables, their reset, the run snapshot and the example block.
#include <gtest/gtest.h>

#include "algorithm_text.h"
#include "app/app_state.h"
#include "app/example_algorithm.h"
#include "model/algorithm.h"
#include "model/variable.h"

TEST(AppStateVariables, FixedVariablesHaveTheirNamesAndStartValues) {
  createFixedVariables();
  const char *Names[] = {"x", "y", "dx", "dy", "h", "v", "d", "n", "min", "max"};
  const int Values[] = {0, 0, 1, 1, 0, 0, 0, 27, 0, 10};
  for (int I = 0; I < UserVariableCount; ++I) {
    EXPECT_EQ((*userVariableSlot(I))->name(), Names[I]);
    EXPECT_EQ((*userVariableSlot(I))->value(), Values[I]);
  }
  EXPECT_EQ(app.count->name(), "");
  EXPECT_EQ(app.count->value(), 10);
  EXPECT_EQ(app.r->name(), "r");
  EXPECT_EQ(app.r->value(), 0);
}

TEST(AppStateVariables, ResetRefreshesLabelsAndLeavesCountAndR) {
  createFixedVariables();
  int Refreshes = 0;
  app.hooks.refreshValueLabels = [&] { ++Refreshes; };
  for (int I = 0; I < UserVariableCount; ++I)
    (*userVariableSlot(I))->setValue(99);
  app.count->setValue(3);
  app.r->setValue(4);
  resetVariables();
  EXPECT_EQ(Refreshes, 1);
  EXPECT_EQ(app.x->value(), 0);
  EXPECT_EQ(app.dy->value(), 1);
  EXPECT_EQ(app.n->value(), 27);
  EXPECT_EQ(app.max->value(), 10);
  EXPECT_EQ(app.count->value(), 3);
  EXPECT_EQ(app.r->value(), 4);
  app.hooks = UiHooks();
}

TEST(AppStateVariables, SnapshotRestoresAllTen) {
  createFixedVariables();
  for (int I = 0; I < UserVariableCount; ++I)
    (*userVariableSlot(I))->setValue(I * 7 - 20);
  saveUserValues();
  for (int I = 0; I < UserVariableCount; ++I)
    (*userVariableSlot(I))->setValue(1000);
  restoreUserValues();
  for (int I = 0; I < UserVariableCount; ++I)
    EXPECT_EQ((*userVariableSlot(I))->value(), I * 7 - 20);
}

TEST(ExampleAlgorithm, FifteenCommandsNumberedInListingOrder) {
  createFixedVariables();
  Algorithm A;
  appendExampleBlock(A);
  EXPECT_EQ(listing(A),
            "1:Wiederhole 20 mal:, 2:Gib max den Wert 18, 3:Gib min den Wert 8, "
            "4:Zufallswert fuer x zwischen max und min, 5:Zufallswert fuer y zwischen max und min, "
            "6:Gib max den Wert 10, 7:Gib min den Wert -10, "
            "8:Zufallswert fuer h zwischen max und min, 9:Zufallswert fuer v zwischen max und min, "
            "10:Gib max den Wert 5, 11:Gib min den Wert 1, "
            "12:Zufallswert fuer dx zwischen max und min, "
            "13:Zufallswert fuer dy zwischen max und min, 14:Zeichne Quadrat, "
            "*15:Wiederhole bis hier.->1");
  appendExampleBlock(A);
  EXPECT_EQ(A.commandCount(), 30);
  EXPECT_EQ(A.lookup(30)->jumpTarget(), 16);
}
