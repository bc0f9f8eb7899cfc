// The tool panel's Buttons and Labels as a learner clicks them: the
// two-click rule, the Labels' constants and rings, the commands each Button
// inserts, an open command following its Labels, restart and quit, and the
// frames the clicks ask for.
#include <gtest/gtest.h>

#include <string>

#include "editor_fixture.h"

TEST(ToolPanelInput, SquareInsertsAtOnceOtherToolsSelectFirst) {
  EditorFixture F;
  F.toolClick(PickName::Square);
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\n");
  F.toolClick(PickName::Circle);
  EXPECT_EQ(F.State.Tools.SelectedTool, ShapeKind::Circle);
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\n") << "the first click only selects";
  F.toolClick(PickName::Circle);
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\nZeichne Kreis\n");
  EXPECT_EQ(F.currentText(), "Zeichne Kreis");
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle);

  // Selecting and inserting both refresh the marker's preview: each raster
  // line click turns the line, and a blob click draws a new outline.
  const int Before = F.Work.templates().LineOrientation;
  F.toolClick(PickName::RasterLine);
  F.toolClick(PickName::RasterLine);
  EXPECT_EQ(F.Work.templates().LineOrientation, Before);
  F.toolClick(PickName::Blob);
  EXPECT_FLOAT_EQ(F.Work.templates().Points[0].y, 0.5f);
  EXPECT_FLOAT_EQ(F.Work.templates().Points[6].y, -0.5f);

  // A command open for editing takes the kind of a newly selected tool.
  F.State.Listing.CommandEditing = true;
  F.algorithm().select(2);
  F.toolClick(PickName::SoftPolyline);
  EXPECT_EQ(F.sentences(), "Zeichne Quadrat\nZeichne weichen Linienzug\nZeichne Rasterlinie\n");
}

TEST(ToolPanelInput, EveryClickThatChangesThePanelAsksForAFrame) {
  EditorFixture F;
  auto FramesAskedBy = [&F](PickName Name) {
    const int Before = F.Host.Redisplays;
    F.toolClick(Name);
    return F.Host.Redisplays - Before;
  };
  EXPECT_GT(FramesAskedBy(PickName::Circle), 0) << "choosing a tool";
  EXPECT_GT(FramesAskedBy(PickName::Circle), 0) << "inserting Zeichne Kreis";
  EXPECT_EQ(F.currentText(), "Zeichne Kreis");
  EXPECT_GT(FramesAskedBy(PickName::FieldY), 0) << "choosing a row";
  EXPECT_GT(FramesAskedBy(PickName::FieldY), 0) << "stepping its value";
  EXPECT_EQ(F.State.Labels.row(2).text(), "y=1");
  EXPECT_GT(FramesAskedBy(PickName::Repeat), 0) << "choosing a control";
  EXPECT_GT(FramesAskedBy(PickName::Count), 0) << "choosing the count";
  EXPECT_GT(FramesAskedBy(PickName::Count), 0) << "stepping the count";
}

TEST(ToolPanelInput, LabelsStepConstantsAndWalkTheirRings) {
  EditorFixture F;
  // Right clicks on c count 10, 9, ..., 1 and then stay at 1.
  for (int I = 0; I < 12; ++I)
    F.toolClick(PickName::Count, Right);
  EXPECT_EQ(F.vars().count().value(), 1);
  EXPECT_EQ(F.State.Labels.count().text(), "1");
  EXPECT_EQ(F.State.Tools.SelectedControl, PickName::Dice) << "the right button selects nothing";

  // Upper from max one step back is n, and max takes n's value.
  F.toolClick(PickName::Upper, Right);
  EXPECT_EQ(F.State.Labels.upper().operand(), &F.vars().n());
  EXPECT_EQ(F.value(UserVariable::Max), 27);
  // Lower forward from min: x; r forward from x: y, and back twice: n.
  F.toolClick(PickName::Lower);
  EXPECT_EQ(F.State.Tools.SelectedControl, PickName::Lower) << "the left button selects first";
  F.toolClick(PickName::Lower);
  EXPECT_EQ(F.State.Labels.lower().operand(), &F.vars().x());
  F.toolClick(PickName::RandomTarget, Right);
  F.toolClick(PickName::RandomTarget, Right);
  EXPECT_EQ(F.State.Labels.randomTarget().text(), "d");
  F.toolClick(PickName::RandomTarget);
  F.toolClick(PickName::RandomTarget);
  EXPECT_EQ(F.State.Labels.randomTarget().operand(), &F.vars().n());

  // A field constant goes negative, and its Variable follows it.
  F.toolClick(PickName::FieldX, Right);
  F.toolClick(PickName::FieldX, Right);
  EXPECT_EQ(F.value(UserVariable::X), -2);
  EXPECT_EQ(F.State.Labels.row(1).text(), "x=-2");
}

TEST(ToolPanelInput, ValueButtonsInsertForTheSelectedRow) {
  EditorFixture F;
  auto Insert = [&F](PickName Button, int32_t Value) {
    F.vars().x().setValue(Value);
    F.toolClick(Button);
  };
  Insert(PickName::Rel, 3);
  Insert(PickName::Rel, -3);
  Insert(PickName::Rel, 0);
  Insert(PickName::Div, 0);
  Insert(PickName::Div, -2);
  Insert(PickName::Abs, 0);
  Insert(PickName::Mul, 4);
  Insert(PickName::Rel, INT32_MIN);
  EXPECT_EQ(F.sentences(), "Addiere 3 zu x\nSubtrahiere 3 von x\nDividiere x durch -2\n"
                           "Gib x den Wert 0\nMultipliziere x mit 4\nAddiere -2147483648 zu x\n");
  // Row 9 is max and row 10 min, whatever order the run snapshot keeps.
  F.State.Tools.SelectedFieldRow = 10;
  F.vars().min().setValue(7);
  F.toolClick(PickName::Abs, Right);
  EXPECT_EQ(F.currentText(), "Gib min den Wert 7");
}

TEST(ToolPanelInput, DiceAndRepeatInsertOnTheirSecondClick) {
  EditorFixture F;
  F.toolClick(PickName::Dice);
  EXPECT_EQ(F.sentences(), "Zufallswert fuer x zwischen max und min\n") << "selected from start";
  F.toolClick(PickName::Repeat);
  EXPECT_EQ(F.State.Tools.SelectedControl, PickName::Repeat);
  F.toolClick(PickName::Repeat);
  F.toolClick(PickName::Square);
  EXPECT_EQ(F.sentences(), "Zufallswert fuer x zwischen max und min\nWiederhole 10 mal:\n"
                           "Zeichne Quadrat\nWiederhole bis hier.\n")
      << "the next command lands inside the new block";
}

TEST(ToolPanelInput, AnOpenCommandFollowsItsLabels) {
  EditorFixture F;
  F.algorithm().appendArithmetic(&F.vars().x(), ArithmeticOp::Give, 5);
  F.algorithm().appendRepeatStart(4);
  F.algorithm().appendRandom(&F.vars().x(), &F.vars().max(), &F.vars().min());
  F.algorithm().appendRepeatEnd();
  F.State.Listing.CommandEditing = true;

  F.algorithm().select(1);
  F.State.Labels.row(1).setConstantOperand(5);
  F.toolClick(PickName::FieldX);
  EXPECT_EQ(F.currentText(), "Gib x den Wert 6");
  F.toolClick(PickName::FieldY); // selects row 2
  F.toolClick(PickName::FieldY);
  EXPECT_EQ(F.currentText(), "Gib x den Wert 6") << "another row leaves it alone";

  F.algorithm().select(2);
  F.toolClick(PickName::Count, Right);
  EXPECT_EQ(F.sentences(), "Gib x den Wert 6\nWiederhole 9 mal:\n"
                           "Zufallswert fuer x zwischen max und min\nWiederhole bis hier.\n");
  EXPECT_EQ(F.algorithm().lookup(4)->value(), 9) << "the end takes the new count";

  F.algorithm().select(3);
  F.toolClick(PickName::RandomTarget, Right);
  F.toolClick(PickName::Lower, Right);
  EXPECT_EQ(F.currentText(), "Zufallswert fuer n zwischen max und max");
}

TEST(ToolPanelInput, RestartEmptiesQuitEnds) {
  EditorFixture F;
  F.algorithm().appendRepeatStart(3); // a start without an end, as a file can hold
  F.algorithm().appendDraw(1);
  F.Work.drawing().addSquare(0, 0, 0, 0, 1, 1, 0);
  F.vars().x().setValue(9);
  F.State.Listing.CommandEditing = true;
  F.State.Listing.Top = 2;
  F.toolClick(PickName::Restart, Right);
  EXPECT_EQ(F.algorithm().commandCount(), 0);
  EXPECT_EQ(F.State.Listing.Top, 1) << "an empty listing starts at its top";
  EXPECT_EQ(F.Work.drawing().count(), 0);
  EXPECT_EQ(F.State.Labels.row(1).text(), "x=0");
  EXPECT_TRUE(F.State.Listing.CommandEditing) << "only the left restart closes editing";
  F.toolClick(PickName::Restart);
  EXPECT_FALSE(F.State.Listing.CommandEditing);
  F.toolClick(PickName::Square);
  EXPECT_EQ(F.algorithm().lookup(1)->text(), "Zeichne Quadrat") << "numbering starts anew";

  F.toolClick(PickName::Quit, Right);
  EXPECT_EQ(F.Host.Exits, std::vector<int>{0});
  EXPECT_EQ(F.algorithm().commandCount(), 1) << "the right quit ends at once";
  F.toolClick(PickName::Quit);
  EXPECT_EQ(F.Host.Exits, (std::vector<int>{0, 0}));
  EXPECT_EQ(F.algorithm().commandCount(), 0);
}

// A count loaded at the largest value stops there, as it stops at 1: one
// step more would wrap it below 1, where the right button could never bring
// it back and every new repeat block would get it.
TEST(ToolPanelInput, TheRepeatCountStopsAtTheLargestValue) {
  EditorFixture F;
  F.algorithm().appendRepeatStart(INT32_MAX);
  F.algorithm().appendRepeatEnd();
  F.listingClick(1);
  F.listingClick(1);
  ASSERT_TRUE(F.State.Listing.CommandEditing);
  F.toolClick(PickName::Count);
  F.toolClick(PickName::Count);
  EXPECT_EQ(F.vars().count().value(), INT32_MAX);
  EXPECT_EQ(F.currentText(), "Wiederhole 2147483647 mal:");
  F.toolClick(PickName::Count, Right);
  EXPECT_EQ(F.vars().count().value(), INT32_MAX - 1);
  EXPECT_EQ(F.currentText(), "Wiederhole 2147483646 mal:");
  F.listingClick(2);
  F.toolClick(PickName::Repeat);
  F.toolClick(PickName::Repeat);
  EXPECT_EQ(F.currentText(), "Wiederhole 2147483646 mal:") << "a new block gets the count";
}
