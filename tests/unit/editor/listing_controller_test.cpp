// The listing panel through the editor's event interface: selecting and
// opening a line, dragging it, scrolling with the strips and with the
// highlighted line, and the pictures drawn at once with the right button.
#include <gtest/gtest.h>

#include "editor_fixture.h"

namespace {

void appendLines(EditorFixture &F, int Count) {
  for (int I = 0; I < Count; ++I)
    F.algorithm().appendArithmetic(&F.vars().x(), ArithmeticOp::Add, I + 1);
}

} // namespace

TEST(ListingInput, FirstPressSelectsSecondOpensThirdCloses) {
  EditorFixture F;
  appendLines(F, 5);
  F.listingClick(3);
  F.listingClick(5);
  F.listingClick(3);
  EXPECT_FALSE(F.State.Listing.CommandEditing) << "another line in between";
  EXPECT_EQ(F.currentText(), "Addiere 3 zu x");
  F.listingClick(3);
  EXPECT_TRUE(F.State.Listing.CommandEditing);
  // Opening loads the command into the Labels: x shows 3, its constant stays.
  EXPECT_EQ(F.State.Labels.row(1).text(), "x=3");
  EXPECT_EQ(F.State.Labels.row(1).operand()->value(), 0);
  F.listingClick(3);
  EXPECT_FALSE(F.State.Listing.CommandEditing);
  EXPECT_FALSE(F.Host.Motion) << "the release ends the hold";

  // After a restart the numbers start again: the new line 1 has the number
  // the old line 1 had, yet a first press on it only selects it.
  F.listingClick(1);
  F.toolClick(PickName::Restart);
  F.toolClick(PickName::Square);
  F.listingClick(1);
  EXPECT_FALSE(F.State.Listing.CommandEditing);

  // Opening a draw command chooses its tool; a filled shape, which only a
  // file can name, has no tool and leaves the choice alone.
  F.algorithm().appendDraw(2);
  F.algorithm().appendDraw(static_cast<int>(ShapeKind::FilledSquare));
  F.listingClick(2);
  F.listingClick(2);
  EXPECT_EQ(F.State.Tools.SelectedTool, ShapeKind::Circle);
  F.listingClick(3);
  F.listingClick(3);
  EXPECT_TRUE(F.State.Listing.CommandEditing);
  EXPECT_EQ(F.State.Tools.SelectedTool, ShapeKind::Circle);
}

TEST(ListingInput, DragMovesTheHeldLineAndOutToTheLeftDeletesIt) {
  EditorFixture F;
  appendLines(F, 4);
  F.Picks.Listing = PickResult::listingLine(2);
  F.mouse(Left, ButtonState::Down, EditorFixture::ListingX);
  EXPECT_TRUE(F.Host.Motion);
  F.Picks.Listing = PickResult::listingLine(4);
  F.Editing.onDrag({EditorFixture::ListingX, 100});
  EXPECT_EQ(F.sentences(), "Addiere 1 zu x\nAddiere 3 zu x\nAddiere 2 zu x\nAddiere 4 zu x\n");
  EXPECT_EQ(F.currentText(), "Addiere 2 zu x") << "the held command stays current";
  // Out of the panel to the left: the held command goes, and the hold ends,
  // so that motion coming later deletes nothing more.
  F.Editing.onDrag({EditorFixture::CanvasX, 100});
  F.Editing.onDrag({EditorFixture::CanvasX, 120});
  EXPECT_EQ(F.sentences(), "Addiere 1 zu x\nAddiere 3 zu x\nAddiere 4 zu x\n");
  EXPECT_FALSE(F.Host.Motion);
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle);
}

TEST(ListingInput, StripsScrollWithTheAcceleratingTimerUntilAnyRelease) {
  EditorFixture F;
  appendLines(F, 8);
  F.State.Listing.Top = 1;
  F.Picks.Listing = PickResult::named(Panel::Listing, PickName::DownStrip);
  F.mouse(Left, ButtonState::Down, EditorFixture::ListingX);
  EXPECT_EQ(F.State.Listing.Top, 2) << "one line at once";
  F.fireTimer();
  F.fireTimer();
  EXPECT_EQ(F.State.Listing.Top, 4);
  EXPECT_EQ(F.Host.Timers.back().Milliseconds, 162);
  // Released outside the listing: the scrolling stops there.
  F.mouse(Left, ButtonState::Up, EditorFixture::ToolX);
  F.fireTimer();
  EXPECT_EQ(F.State.Listing.Top, 4);
  EXPECT_EQ(F.State.Hold.Scroll, ListingScroll::None);

  // Held down to the end of the list, it stops there by itself.
  F.mouse(Left, ButtonState::Down, EditorFixture::ListingX);
  for (int I = 0; I < 10; ++I)
    F.fireTimer();
  EXPECT_EQ(F.State.Listing.Top, 8);
  EXPECT_EQ(F.State.Hold.Scroll, ListingScroll::None);
  EXPECT_EQ(F.State.Hold.RepeatDelay, 500);
  // Stopped by itself, its last timer still carried the live generation;
  // the release that follows retires it too.
  F.mouse(Left, ButtonState::Up, EditorFixture::ListingX);
  EXPECT_NE(F.Host.Timers.back().Generation, F.State.Hold.TimerGeneration);
  // The up strip at the top does nothing.
  F.State.Listing.Top = 1;
  F.Picks.Listing = PickResult::named(Panel::Listing, PickName::UpStrip);
  const size_t Timers = F.Host.Timers.size();
  F.mouse(Left, ButtonState::Down, EditorFixture::ListingX);
  EXPECT_EQ(F.Host.Timers.size(), Timers);
}

TEST(ListingInput, RightClickDrawsUpToALineOrTheWholeAlgorithm) {
  EditorFixture F;
  F.algorithm().appendRepeatStart(5);
  F.algorithm().appendDraw(1);
  F.algorithm().appendArithmetic(&F.vars().x(), ArithmeticOp::Add, 1);
  F.algorithm().appendRepeatEnd();
  F.listingClick(2, MouseButton::Right);
  EXPECT_EQ(F.Work.drawing().count(), 1);
  EXPECT_EQ(F.currentText(), "Zeichne Quadrat");
  EXPECT_FALSE(F.State.GridVisible);
  F.listingClick(PickResult::nothing(Panel::Listing), MouseButton::Right);
  EXPECT_EQ(F.Work.drawing().count(), 5);
  EXPECT_EQ(F.vars().x().value(), 0) << "only the picture remains";
  EXPECT_EQ(F.State.Labels.row(1).text(), "x=0");

  // A loop that would not end in time stops at the cap, says so and keeps
  // its shapes: three steps a pass, a shape on each arrival at the draw
  // command, the last one at step 100000.
  F.Work.clearAlgorithm();
  F.algorithm().appendRepeatStart(2000000000);
  F.algorithm().appendDraw(2);
  F.algorithm().appendRepeatEnd();
  F.listingClick(PickResult::nothing(Panel::Listing), MouseButton::Right);
  EXPECT_EQ(F.State.Popup.text(), "Zuviele Befehle");
  EXPECT_TRUE(F.State.Popup.Visible);
  EXPECT_EQ(F.Work.drawing().count(), 33334);
}

namespace {

/// The line of the highlighted command, counted from the first.
int currentLine(EditorFixture &F) {
  int Line = 1;
  for (const Command *C = F.algorithm().head(); C && C != F.algorithm().current(); C = C->next())
    ++Line;
  return Line;
}

} // namespace

// The listing shows 60 lines. A command inserted after the last line shown
// goes where the highlight is, so the listing scrolls to keep it in view.
TEST(ListingInput, ACommandInsertedBelowTheLastShownLineScrollsIntoView) {
  EditorFixture F;
  appendLines(F, 70);
  F.listingClick(60);
  ASSERT_EQ(F.State.Listing.Top, 1);
  F.toolClick(PickName::Square);
  EXPECT_EQ(currentLine(F), 61);
  EXPECT_EQ(F.currentText(), "Zeichne Quadrat");
  EXPECT_EQ(F.State.Listing.Top, 2) << "the new line shows as the bottom one";
  F.toolClick(PickName::Square);
  EXPECT_EQ(currentLine(F), 62);
  EXPECT_EQ(F.State.Listing.Top, 3);
}

// While a line is dragged, the right button over the listing neither
// previews nor ends the drag, and the middle button over the canvas does
// not end it either: the next motion still moves the held line.
TEST(ListingInput, OnlyTheLeftReleaseEndsALineDrag) {
  EditorFixture F;
  appendLines(F, 4);
  F.Picks.Listing = PickResult::listingLine(2);
  F.mouse(Left, ButtonState::Down, EditorFixture::ListingX);
  F.listingClick(4, MouseButton::Right);
  EXPECT_TRUE(F.State.GridVisible) << "no preview";
  EXPECT_EQ(F.currentText(), "Addiere 2 zu x");
  F.canvasClick(PickResult::nothing(Panel::Canvas), MouseButton::Middle);
  EXPECT_EQ(F.State.Mode, InteractionMode::ListingLineHeld);
  EXPECT_TRUE(F.Host.Motion);
  F.Picks.Listing = PickResult::listingLine(4);
  F.Editing.onDrag({EditorFixture::ListingX, 100});
  EXPECT_EQ(F.sentences(), "Addiere 1 zu x\nAddiere 3 zu x\nAddiere 2 zu x\nAddiere 4 zu x\n");
  F.mouse(Left, ButtonState::Up, EditorFixture::ListingX);
  EXPECT_EQ(F.State.Mode, InteractionMode::Idle);
  EXPECT_FALSE(F.Host.Motion);
}
