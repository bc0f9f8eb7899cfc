// Editing on the canvas through the editor's event interface: the pen menu
// around the pen marker, the modes in which the pen follows the pointer,
// their limits, and the commands a commit inserts.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace {

// A pixel of the 1024 x 768 screen over canvas cell (Column, Row) plus
// (DX, DY) layout units from its top-left corner.
int cellX(int Column, int DX = 10) { return 256 + Column * 20 + DX; }
int cellY(int Row, int DY = 10) { return Row * 20 + DY; }

// Opens the pen menu and chooses \p Button with a press at (X, Y).
void chooseFromPenMenu(EditorFixture &F, PickName Button, int X, int Y) {
  F.canvasClick(PickName::PenMarker);
  ASSERT_EQ(F.State.Mode, InteractionMode::PenMenuOpen);
  F.Picks.Canvas = PickResult::named(Panel::Canvas, Button);
  F.mouse(Left, ButtonState::Down, X, Y);
  F.mouse(Left, ButtonState::Up, X, Y);
}

} // namespace

TEST(CanvasEdit, PenMenuOpensOnTheMarkerOnlyAndClosesBesideItsButtons) {
  EditorFixture F;
  F.canvasClick(PickResult::nothing(Panel::Canvas));
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle) << "a press beside the marker does nothing";
  F.canvasClick(PickName::PenMarker);
  EXPECT_EQ(F.State.Mode, InteractionMode::PenMenuOpen);
  // The pen in the top-left cell: the menu's centre is kept at (80, 80).
  EXPECT_EQ(F.State.Canvas.PenMenu.Corners[0].X, 30);
  EXPECT_EQ(F.State.Canvas.PenMenu.Corners[0].Y, 0);
  F.canvasClick(PickResult::nothing(Panel::Canvas), MouseButton::Right);
  EXPECT_EQ(F.State.Mode, InteractionMode::PenMenuOpen) << "a right click leaves it open";
  F.canvasClick(PickResult::nothing(Panel::Canvas));
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle);
}

TEST(CanvasEdit, PositionFollowsTheCellAndCommitsAsValuesOrDifferences) {
  EditorFixture F;
  chooseFromPenMenu(F, PickName::XyAbs, cellX(0), cellY(0));
  EXPECT_TRUE(F.Host.PassiveMotion);
  F.Editing.onPassiveMotion({cellX(7, 19), cellY(3, 1)});
  EXPECT_EQ(F.State.Labels.row(1).text(), "x=7");
  F.mouse(Left, ButtonState::Down, cellX(7), cellY(3));
  F.mouse(Left, ButtonState::Up, cellX(7), cellY(3));
  EXPECT_EQ(F.sentences(), "Gib x den Wert 7\nGib y den Wert 3\n");
  EXPECT_FALSE(F.Host.PassiveMotion);

  // From 7, 3 to 5, 3: one difference, as the y did not change.
  chooseFromPenMenu(F, PickName::XyRel, cellX(7), cellY(3));
  F.Editing.onPassiveMotion({cellX(5), cellY(3)});
  F.canvasClick(PickResult::nothing(Panel::Canvas), MouseButton::Right);
  EXPECT_EQ(F.currentText(), "Subtrahiere 2 von x");
  EXPECT_EQ(F.algorithm().commandCount(), 3);
  // The Label's constant follows, so stepping it goes on from 5.
  F.toolClick(PickName::FieldX);
  EXPECT_EQ(F.vars().x().value(), 6);
}

TEST(CanvasEdit, OffsetsStopAtTenSizesGrowByTwoPerCellRotationByTwoPerUnit) {
  EditorFixture F;
  F.vars().x().setValue(5);
  F.vars().y().setValue(5);
  chooseFromPenMenu(F, PickName::HvAbs, cellX(5), cellY(5));
  F.Editing.onPassiveMotion({cellX(5, 13), cellY(5, 7)});
  EXPECT_EQ(F.vars().h().value(), 3) << "one unit per unit from where it was";
  EXPECT_EQ(F.vars().v().value(), -3);
  F.Editing.onPassiveMotion({cellX(12), cellY(0, 1)});
  EXPECT_EQ(F.vars().h().value(), 10);
  EXPECT_EQ(F.vars().v().value(), -10);
  F.canvasClick(PickResult::nothing(Panel::Canvas));
  EXPECT_EQ(F.sentences(), "Gib h den Wert 10\nGib v den Wert -10\n");

  F.vars().h().setValue(0);
  F.vars().v().setValue(0);
  chooseFromPenMenu(F, PickName::WhRel, cellX(5), cellY(5));
  F.Editing.onPassiveMotion({cellX(5), cellY(5)});
  EXPECT_EQ(F.vars().dx().value(), 1) << "the size starts from 1 at the click";
  F.Editing.onPassiveMotion({cellX(7), cellY(4)});
  EXPECT_EQ(F.vars().dx().value(), 5);
  EXPECT_EQ(F.vars().dy().value(), -1);
  F.canvasClick(PickResult::nothing(Panel::Canvas));
  EXPECT_EQ(F.sentences(), "Gib h den Wert 10\nGib v den Wert -10\nAddiere 4 zu dx\n"
                           "Subtrahiere 2 von dy\n");

  F.vars().d().setValue(7);
  chooseFromPenMenu(F, PickName::DAbs, cellX(5), cellY(5));
  F.Editing.onPassiveMotion({cellX(5), cellY(5)});
  EXPECT_EQ(F.vars().d().value(), 6) << "rounded toward zero to an even number";
  F.Editing.onPassiveMotion({cellX(5, 25), cellY(5)});
  EXPECT_EQ(F.vars().d().value(), 36);
  EXPECT_EQ(F.State.Labels.row(7).text(), "d=36");
}

TEST(CanvasEdit, LeavingTheCanvasAbandonsTheModeAndStampDrawsAtOnce) {
  EditorFixture F;
  chooseFromPenMenu(F, PickName::XyAbs, cellX(0), cellY(0));
  F.Editing.onPassiveMotion({cellX(4), cellY(6)});
  F.Editing.onPassiveMotion({EditorFixture::ToolX, cellY(6)});
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle);
  EXPECT_FALSE(F.Host.PassiveMotion);
  EXPECT_EQ(F.vars().x().value(), 4) << "the pen stays where the pointer left";
  F.canvasClick(PickResult::nothing(Panel::Canvas));
  EXPECT_EQ(F.algorithm().commandCount(), 0) << "nothing is inserted";

  F.State.Tools.SelectedTool = ShapeKind::Circle;
  chooseFromPenMenu(F, PickName::Stamp, cellX(4), cellY(6));
  EXPECT_EQ(F.sentences(), "Zeichne Kreis\n");
  ASSERT_EQ(F.Work.drawing().count(), 1);
  EXPECT_EQ(F.Work.drawing().head()->column, 4);
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle);
}

// A relative edit keeps where it began to itself: the values a preview
// remembered stay as they were, and the commit still inserts the change.
TEST(CanvasEdit, ARelativeEditKeepsItsStartApartFromTheRunSnapshot) {
  EditorFixture F;
  F.vars().x().setValue(4);
  F.listingClick(PickResult::nothing(Panel::Listing),
                 MouseButton::Right); // a preview remembers x = 4
  const UserValues Remembered = F.Work.run().SavedValues;
  chooseFromPenMenu(F, PickName::XyRel, cellX(4), cellY(0));
  F.Editing.onPassiveMotion({cellX(9), cellY(0)});
  EXPECT_EQ(F.Work.run().SavedValues, Remembered);
  F.canvasClick(PickResult::nothing(Panel::Canvas), MouseButton::Right);
  EXPECT_EQ(F.sentences(), "Addiere 5 zu x\n");
}
