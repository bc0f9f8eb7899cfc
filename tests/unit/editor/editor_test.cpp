// The editor's dispatch of mouse button events: what every event does
// first (grid, message, run), which panel an event reaches, and the file
// list closing on a press beside its entries.
#include <gtest/gtest.h>

#include <string>

#include "editor_fixture.h"

TEST(MouseInput, EveryButtonEventShowsTheGridHidesTheMessageAndStopsARun) {
  EditorFixture F;
  F.toolPress(PickName::Print);
  EXPECT_EQ(F.State.Popup.text(), "Drucken ohne kelbrano nicht m\xF6glich");
  EXPECT_TRUE(F.State.Popup.Visible);
  EXPECT_EQ(F.Host.Draws, 1) << "drawn at once";
  F.State.GridVisible = false;
  const int Redisplays = F.Host.Redisplays;
  F.mouse(MouseButton::Middle, ButtonState::Up, EditorFixture::ListingX);
  EXPECT_FALSE(F.State.Popup.Visible);
  EXPECT_TRUE(F.State.GridVisible);
  EXPECT_GT(F.Host.Redisplays, Redisplays) << "even a button that does nothing shows it";

  F.algorithm().appendArithmetic(&F.vars().x(), ArithmeticOp::Add, 5);
  F.algorithm().appendRepeatStart(1000);
  F.algorithm().appendRepeatEnd();
  F.toolClick(PickName::Go);
  EXPECT_TRUE(F.Host.IdleStepping);
  F.Editing.idleStep();
  EXPECT_EQ(F.vars().x().value(), 5);
  F.mouse(Right, ButtonState::Down, EditorFixture::CanvasX);
  EXPECT_FALSE(F.Work.run().active());
  EXPECT_FALSE(F.Host.IdleStepping);
  EXPECT_EQ(F.vars().x().value(), 0) << "the values from before the run";
}

TEST(MouseInput, ThePressThatClosesTheFileListIsOneNotOnAnEntry) {
  EditorFixture F;
  F.State.Files.ListVisible = true;
  F.Picks.ToolPanel = PickResult::fileEntry(2);
  F.mouse(Left, ButtonState::Down, EditorFixture::CanvasX);
  EXPECT_TRUE(F.State.Files.ListVisible) << "the pick is made wherever the press is";
  F.mouse(Left, ButtonState::Up, EditorFixture::CanvasX);
  F.Picks.ToolPanel = PickResult::named(Panel::Tool, PickName::Go);
  F.mouse(Left, ButtonState::Down, EditorFixture::CanvasX);
  EXPECT_FALSE(F.State.Files.ListVisible);
}

namespace {

/// What the learner finds after a left click at pixel column \p Column of a
/// screen \p Width x \p Height, with the selected square tool under the
/// pointer in the tool panel, the pen marker on the canvas and the first
/// line in the listing: the panel that took the click.
std::string panelClicked(int Width, int Height, int Column) {
  EditorFixture F;
  F.State.Layout = WindowLayout(ScreenSize{Width, Height});
  F.algorithm().appendDraw(2);
  F.algorithm().appendDraw(2);
  F.Picks.ToolPanel = PickResult::named(Panel::Tool, PickName::Square);
  F.Picks.Canvas = PickResult::named(Panel::Canvas, PickName::PenMarker);
  F.Picks.Listing = PickResult::listingLine(1);
  F.mouse(Left, ButtonState::Down, Column);
  F.mouse(Left, ButtonState::Up, Column);
  if (F.State.Mode == InteractionMode::PenMenuOpen)
    return "canvas";
  if (F.currentText() == "Zeichne Quadrat")
    return "tool panel";
  if (F.algorithm().currentNumber() == 1)
    return "listing";
  return "nothing";
}

} // namespace

// The canvas takes the middle half of the screen, both its border columns
// included, whatever the resolution.

TEST(MouseInput, TheCanvasBeginsAndEndsAtItsBorderColumns) {
  EXPECT_EQ(panelClicked(1024, 768, 255), "tool panel");
  EXPECT_EQ(panelClicked(1024, 768, 256), "canvas");
  EXPECT_EQ(panelClicked(1024, 768, 768), "canvas");
  EXPECT_EQ(panelClicked(1024, 768, 769), "listing");
  EXPECT_EQ(panelClicked(1280, 1024, 319), "tool panel");
  EXPECT_EQ(panelClicked(1280, 1024, 320), "canvas");
  EXPECT_EQ(panelClicked(1280, 1024, 960), "canvas");
  EXPECT_EQ(panelClicked(1280, 1024, 961), "listing");
}
