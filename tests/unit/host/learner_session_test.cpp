// A whole laboratory driven as a learner drives it, without a window:
// presses and releases at window pixels where the frame shows things, time
// passing on the platform's clock, and what the screen and the files show
// afterwards. Here the picks come from the frames the host draws, so a file
// entry taken for a name, a line counted from the wrong end or a pen menu
// placed apart from its picture shows.
#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

#include "editor/canvas_edit_mode.h"
#include "lab_fixture.h"
#include "scratch_dir.h"
#include "screen/screen_layout.h"

TEST(LearnerSession, ClicksAtPixelsReachTheThingsDrawnThere) {
  ScratchDir Dir;
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_1-a.alg", "Zeichne Kreis\r\n");
  writeFile("vorpAlgorithms/seed_1-b.alg",
            "Gib x den Wert 4\r\nZeichne Quadrat\r\nZeichne Kreis\r\n");
  LabFixture F;

  // The file list opens over the tool panel; the row of seed_1-b loads it.
  F.clickTool(PickName::Load);
  const auto &Shown = F.Lab.state().Files.List.Files.Shown;
  ASSERT_EQ(Shown, (std::vector<std::string>{"seed_1-a.alg", "seed_1-b.alg"}));
  F.click(F.pixelOf(PickResult::fileEntry(1)));
  EXPECT_FALSE(F.Lab.state().Files.ListVisible);
  EXPECT_EQ(F.sentences(), "Gib x den Wert 4\nZeichne Quadrat\nZeichne Kreis\n");

  // The second line selects the second command; a second press opens it.
  F.clickLine(2);
  EXPECT_EQ(F.Lab.session().algorithm().currentNumber(), 2);
  EXPECT_FALSE(F.Lab.state().Listing.CommandEditing);
  F.clickLine(2);
  EXPECT_TRUE(F.Lab.state().Listing.CommandEditing);

  // The right button below the last line draws the whole algorithm at once;
  // on the third line, only up to it.
  F.click({ListingLayoutLeft + ListingLayoutWidth / 2, LayoutHeight / 2}, MouseButton::Right);
  EXPECT_EQ(F.Lab.session().drawing().count(), 2);
  EXPECT_FALSE(F.Lab.state().GridVisible) << "the clean picture";
  F.clickLine(1);
  F.clickLine(3, MouseButton::Right);
  EXPECT_EQ(F.Lab.session().algorithm().currentNumber(), 3);

  // The pen marker at x = 4, y = 0 opens the pen menu where it is drawn
  // (the clean picture of the preview shows no marker until the next
  // click), and its first Button starts moving the pen.
  F.clickTool(PickName::Title);
  F.Lab.session().variables().x().setValue(4);
  F.Lab.session().variables().y().setValue(0);
  F.click(F.pixelOf(PickResult::named(Panel::Canvas, PickName::PenMarker)));
  ASSERT_EQ(F.Lab.state().Mode, InteractionMode::PenMenuOpen);
  F.click(F.pixelOf(PickResult::named(Panel::Canvas, PickName::XyAbs)));
  EXPECT_TRUE(isCanvasEditMode(F.Lab.state().Mode));
}

// Holding a value field repeats its step sooner and sooner: 500 ms, then
// each delay divided by 1.75 and truncated, but never below 40 ms. Held for
// 3 s, the x field steps on the press, then when the timers fall due at
// 500, 785 (+285), 947 (+162), 1039 (+92), 1091 (+52), and every 40 ms from
// 1131 to 2971 (47 more): 1 + 5 + 47 = 53 steps, whatever the machine.
TEST(LearnerSession, AFieldHeldForThreeSecondsCountsAsTheDelaysPredict) {
  LabFixture F;
  const PixelPoint OnX = F.pixelOf(PickResult::named(Panel::Tool, PickName::FieldX));
  F.press(OnX);
  F.wait(3000);
  F.release(OnX);
  EXPECT_EQ(F.Lab.session().variables().x().value(), 53);
  EXPECT_EQ(F.Lab.state().Labels.row(1).text(), "x=53");
  const std::vector<int> FirstDelays(F.Platform.Delays.begin(), F.Platform.Delays.begin() + 8);
  EXPECT_EQ(FirstDelays, (std::vector<int>{500, 285, 162, 92, 52, 40, 40, 40}));
  // The timer still armed at the release finds nothing to do.
  F.wait(1000);
  EXPECT_EQ(F.Lab.session().variables().x().value(), 53);
}

// The listing's strips scroll while held, one line at once and then on the
// same delays as a held field, down to the end of the list.
TEST(LearnerSession, AHeldStripScrollsOnTheSameDelays) {
  LabFixture F;
  Algorithm &A = F.Lab.session().algorithm();
  while (A.commandCount() < 100)
    A.appendDraw(pickValue(PickName::Circle));
  A.rewind();
  const PixelPoint OnDown = F.pixelOf(PickResult::named(Panel::Listing, PickName::DownStrip));
  F.press(OnDown);
  EXPECT_EQ(F.Lab.state().Listing.Top, 2) << "one line at once";
  F.wait(1131);
  // Scrolls at 500, 785, 947, 1039, 1091 and 1131.
  EXPECT_EQ(F.Lab.state().Listing.Top, 8);
  F.wait(10000);
  EXPECT_EQ(F.Lab.state().Listing.Top, 100) << "down to the last command";
  F.release(OnDown);
  const std::vector<int> FirstDelays(F.Platform.Delays.begin(), F.Platform.Delays.begin() + 7);
  EXPECT_EQ(FirstDelays, (std::vector<int>{500, 285, 162, 92, 52, 40, 40}));
}

// A finger picks with a larger box than the mouse, by the same rules: a
// touch just beside the go Button still starts the run.
TEST(LearnerSession, AFingersLargerBoxPicksWhatTheMouseMisses) {
  LabFixture F;
  const LayoutRect Go = findToolPlace(PickName::Go)->Place;
  const PixelPoint Beside = {Go.X + Go.Width + 6, Go.Y + Go.Height / 2};
  F.click(Beside);
  EXPECT_FALSE(F.Platform.IdleStepping) << "the mouse misses it";
  F.Lab.pointerButton({MouseButton::Left, ButtonState::Down, Beside.X, Beside.Y, 15});
  F.Lab.pointerButton({MouseButton::Left, ButtonState::Up, Beside.X, Beside.Y, 15});
  EXPECT_TRUE(F.Platform.IdleStepping) << "the finger hits it";
  EXPECT_TRUE(F.Lab.idleStepping());
}

// The pointer's motion reaches the editor only while it asked for it: a
// held listing line follows it, a canvas edit mode follows it without a
// button, and nothing else does.
TEST(LearnerSession, MotionIsTakenOnlyWhileTheEditorAskedForIt) {
  LabFixture F;
  EXPECT_FALSE(F.Lab.pointerMotion({500, 300}, false));
  EXPECT_FALSE(F.Lab.pointerMotion({900, 300}, true));
  const PixelPoint Second = F.pixelOf(PickResult::listingLine(2));
  const PixelPoint Fifth = F.pixelOf(PickResult::listingLine(5));
  F.press(Second);
  EXPECT_TRUE(F.Lab.wantsMotion());
  EXPECT_TRUE(F.Lab.pointerMotion({Fifth.X, Fifth.Y}, true));
  const Algorithm &A = F.Lab.session().algorithm();
  EXPECT_EQ(A.currentText(), "Gib max den Wert 18") << "the held line stays current";
  EXPECT_NE(A.head()->next()->text(), "Gib max den Wert 18") << "and has moved down";
  F.release(Fifth);
  EXPECT_FALSE(F.Lab.wantsMotion());
  EXPECT_FALSE(F.Lab.pointerMotion({Fifth.X, Fifth.Y}, true));
}

namespace {

/// The grey outlines the canvas part of \p Frame draws as one closed line
/// each: the cell marker shown while the offsets are moved.
int cellOutlines(const DrawList &Frame) {
  int Outlines = 0;
  Panel Drawing = Panel::Canvas;
  for (const DrawCommand &Command : Frame.Commands) {
    if (Command.Kind == DrawCommandKind::PanelView)
      Drawing = Command.View;
    if (Drawing != Panel::Canvas || Command.Kind != DrawCommandKind::Primitives ||
        Command.Shape != Primitive::LineLoop || Command.Matrix.Turned)
      continue;
    const Colour &Tint = Frame.verticesOf(Command)->Tint;
    if (Tint.Red == Tint.Green && Tint.Green == Tint.Blue && Tint.Red > 0 && Tint.Red < 1)
      ++Outlines;
  }
  return Outlines;
}

} // namespace

// While the learner drags the offsets h and v, the cell the pen stands in
// is outlined in grey, so the learner sees what the offsets are measured
// from: the same in the absolute mode and in the relative one.
TEST(LearnerSession, TheCellIsOutlinedWhileTheOffsetsAreDraggedInBothModes) {
  for (const PickName Mode : {PickName::HvAbs, PickName::HvRel}) {
    LabFixture F;
    F.Lab.session().variables().x().setValue(6);
    F.Lab.session().variables().y().setValue(9);
    ASSERT_EQ(cellOutlines(F.Lab.frame()), 0) << "no outline before the menu";
    F.click(F.pixelOf(PickResult::named(Panel::Canvas, PickName::PenMarker)));
    F.click(F.pixelOf(PickResult::named(Panel::Canvas, Mode)));
    const PanelRect Canvas = F.Lab.layout().panel(Panel::Canvas);
    EXPECT_TRUE(F.Lab.pointerMotion({Canvas.X + 130, 190}, false));
    EXPECT_EQ(cellOutlines(F.Lab.frame()), 1) << pickValue(Mode);
  }
}
