// The editor picking by the screen's geometry, as the program does: a
// learner's clicks at window pixels must reach the thing drawn there, a
// file entry loading its file, a listing line selecting its command and the
// pen marker opening its menu. The editor's own tests choose their picks;
// here the picks come from pixels, so a file entry taken for a name or a
// line counted from the wrong end shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <sys/stat.h>

#include "editor/canvas_edit_mode.h"
#include "editor/editor.h"
#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "exec/session.h"
#include "files/file_operations.h"
#include "layout_pixels.h"
#include "recording_window.h"
#include "scratch_dir.h"
#include "screen/geometric_picker.h"
#include "screen/screen_layout.h"

namespace {

struct PixelLearner {
  Session Work{1};
  EditorState State{Work.variables()};
  RecordingWindow Host;
  GeometricPicker Picks{Work, State};
  FileOperations Storage;
  Editor Desk{Work, State, Host, Picks, Storage};

  void click(int X, int Y, MouseButton Button = MouseButton::Left) {
    Desk.onMouse({Button, ButtonState::Down, X, Y});
    Desk.onMouse({Button, ButtonState::Up, X, Y});
  }
  void clickButton(PickName Name) {
    const LayoutRect &Place = findToolPlace(Name)->Place;
    click(Place.X + Place.Width / 2, Place.Y + Place.Height / 2);
  }
  /// The middle of the listing line that shows command \p Number.
  void clickListingLine(int Number, MouseButton Button = MouseButton::Left) {
    const float Top = listingRowTop(Number - State.Listing.Top);
    click(ListingPixelX + LayoutWidth / 8, static_cast<int>(Top + ListingLinePitch / 2), Button);
  }
  std::string sentences() const {
    std::string Text;
    for (const Command *Line = Work.algorithm().head(); Line; Line = Line->next())
      Text += Line->text() + "\n";
    return Text;
  }
};

} // namespace

TEST(PickedByGeometry, ALearnersClicksAtPixelsReachTheThingsDrawnThere) {
  ScratchDir Dir;
  mkdir("vorpAlgorithms", 0777);
  writeFile("vorpAlgorithms/seed_1-a.alg", "Zeichne Kreis\r\n");
  writeFile("vorpAlgorithms/seed_1-b.alg",
            "Gib x den Wert 4\r\nZeichne Quadrat\r\nZeichne Kreis\r\n");
  PixelLearner Learner;

  // The file list opens over the tool panel; the row of seed_1-b loads it.
  Learner.clickButton(PickName::Load);
  ASSERT_TRUE(Learner.State.Files.ListVisible);
  const auto &Shown = Learner.State.Files.List.Files.Shown;
  ASSERT_EQ(Shown.size(), 2U);
  const int Entry =
      static_cast<int>(std::find(Shown.begin(), Shown.end(), "seed_1-b.alg") - Shown.begin());
  const LayoutRect Row = fileListRow(2, Entry);
  Learner.click(Row.X + Row.Width / 2, Row.Y + Row.Height / 2);
  EXPECT_FALSE(Learner.State.Files.ListVisible);
  EXPECT_EQ(Learner.sentences(), "Gib x den Wert 4\nZeichne Quadrat\nZeichne Kreis\n");

  // The second line selects the second command; a second press opens it.
  Learner.clickListingLine(2);
  EXPECT_EQ(Learner.Work.algorithm().currentNumber(), 2);
  EXPECT_FALSE(Learner.State.Listing.CommandEditing);
  Learner.clickListingLine(2);
  EXPECT_TRUE(Learner.State.Listing.CommandEditing);

  // The right button below the last line draws the whole algorithm at once;
  // on the third line, only up to it.
  Learner.click(ListingPixelX + LayoutWidth / 8, LayoutHeight / 2, MouseButton::Right);
  EXPECT_EQ(Learner.Work.drawing().count(), 2);
  Learner.clickListingLine(1);
  Learner.clickListingLine(3, MouseButton::Right);
  EXPECT_EQ(Learner.Work.algorithm().currentNumber(), 3);

  // The pen marker at x = 4, y = 0 opens the pen menu, and its first Button
  // starts moving the pen.
  const int Cell = static_cast<int>(CellWidth);
  Learner.Work.variables().x().setValue(4);
  Learner.Work.variables().y().setValue(0);
  Learner.click(CanvasPixelX + 4 * Cell + Cell / 2, Cell / 2);
  ASSERT_EQ(Learner.State.Mode, InteractionMode::PenMenuOpen);
  const IntPoint Corner = Learner.State.Canvas.PenMenu.Corners[0];
  Learner.click(CanvasPixelX + Corner.X + PenMenuButtonSide / 2, Corner.Y + PenMenuButtonSide / 2);
  EXPECT_TRUE(isCanvasEditMode(Learner.State.Mode));
}
