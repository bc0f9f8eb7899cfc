// Picking from the regions real frames record, without a display, as a
// learner meets it: every widget answers where one aims at it, small Labels
// and the file list win over the Buttons beneath, listing lines answer by
// position, the pen marker where it lies (turned or not) and the pen menu
// once open, an edge on the pick box's border counts, a crowded pick box
// answers nothing, and a finger's larger box reaches what the mouse's
// misses.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "exec/session.h"
#include "files/saved_files.h"
#include "layout_pixels.h"
#include "pick_result_print.h"
#include "screen/frame_pick.h"
#include "screen/screen_frame.h"
#include "screen/screen_layout.h"

namespace {

struct PickingFixture {
  Session Work{1};
  EditorState State{Work.variables()};
  DrawList Frame;

  /// The hit records at window pixel (X, Y) of panel \p Which, over the
  /// regions of the whole frame as it is drawn now.
  PickHits hits(Panel Which, int X, int Y, int Side = MousePickBoxSide) {
    buildFrame(Frame, Work, State);
    return regionHits(Frame, Which, State.Layout, {{X, Y}, Side});
  }
  PickResult pick(Panel Which, int X, int Y, int Side = MousePickBoxSide) {
    buildFrame(Frame, Work, State);
    return pickFrame(Frame, Which, State.Layout, {{X, Y}, Side});
  }
};

/// Where a learner aims at a widget: the middle of a Button, the middle of
/// a Label's line of text (a parameter row is 10 units tall).
IntPoint aimAt(const ToolWidgetPlace &Widget) {
  const LayoutRect &P = Widget.Place;
  const int Height = Widget.isLabel() ? std::min(P.Height, 10) : P.Height;
  return {P.X + P.Width / 2, P.Y + Height / 2};
}

/// The middle of listing line \p Line (0 to 59) in window pixels.
IntPoint listingLine(int Line) {
  return {ListingPixelX + ListingLayoutWidth / 2, static_cast<int>(listingRowTop(Line)) + 5};
}

std::vector<std::string> savedNames(int Count) {
  std::vector<std::string> Names;
  for (int I = 0; I < Count; ++I)
    Names.push_back("seed_" + std::to_string(I) + "-a.alg");
  return Names;
}

} // namespace

TEST(FramePick, EveryToolPanelWidgetAnswersWhereALearnerAimsAtIt) {
  PickingFixture F;
  for (const ToolWidgetPlace &Widget : toolChainPlaces()) {
    // The count Label lies on the middle of the repeat Button; see below.
    if (Widget.Pick == PickName::Repeat)
      continue;
    const IntPoint At = aimAt(Widget);
    EXPECT_EQ(F.pick(Panel::Tool, At.X, At.Y), PickResult::named(Panel::Tool, Widget.Pick))
        << "pick name " << pickValue(Widget.Pick);
  }
  // Empty panel right of the tools is no hit.
  EXPECT_EQ(F.pick(Panel::Tool, 240, 300), PickResult::nothing(Panel::Tool));
}

TEST(FramePick, LaterLabelsAndFileEntriesWinOverTheButtonBeneath) {
  PickingFixture F;
  const IntPoint OnCount = aimAt(*findToolPlace(PickName::Count));
  EXPECT_EQ(F.pick(Panel::Tool, OnCount.X, OnCount.Y),
            PickResult::named(Panel::Tool, PickName::Count));
  EXPECT_EQ(F.pick(Panel::Tool, 170, 380),
            PickResult::named(Panel::Tool, PickName::Repeat)); // beside the Label

  // A Label's area covers its description at the panel's left edge, and
  // grows with its text.
  EXPECT_EQ(F.pick(Panel::Tool, 20, 429), PickResult::named(Panel::Tool, PickName::FieldX));
  EXPECT_EQ(F.pick(Panel::Tool, 210, 429), PickResult::nothing(Panel::Tool));
  F.Work.variables().x().setValue(1234);
  F.State.Labels.row(1).showValue(); // "x=1234" reaches 96 units right of the text
  EXPECT_EQ(F.pick(Panel::Tool, 210, 429), PickResult::named(Panel::Tool, PickName::FieldX));

  // Three saved files over the go Button, newest at the bottom.
  F.State.Files.List.Files = newestThatFit(savedNames(3), MaxFileListRows);
  const LayoutRect List = fileListRect(3);
  const IntPoint OnGo = aimAt(*findToolPlace(PickName::Go));
  for (int Entry = 0; Entry < 3; ++Entry) {
    const int Y = List.Y + FileListRowHeight * Entry + FileListRowHeight / 2;
    F.State.Files.ListVisible = false; // only a list on screen is picked
    EXPECT_EQ(F.pick(Panel::Tool, OnGo.X, Y), PickResult::named(Panel::Tool, PickName::Go));
    F.State.Files.ListVisible = true;
    EXPECT_EQ(F.pick(Panel::Tool, OnGo.X, Y), PickResult::fileEntry(Entry));
  }
}

TEST(FramePick, TheRowTellingOfOlderFilesLoadsNothing) {
  PickingFixture F;
  F.State.Files.List.Files = newestThatFit(savedNames(70), MaxFileListRows);
  F.State.Files.ListVisible = true;
  ASSERT_GT(F.State.Files.List.Files.Hidden, 0);
  const LayoutRect List = fileListRect(MaxFileListRows);
  const int TopRowMiddle = List.Y + FileListRowHeight / 2;
  EXPECT_EQ(F.pick(Panel::Tool, 100, TopRowMiddle), PickResult::nothing(Panel::Tool));
  EXPECT_EQ(F.pick(Panel::Tool, 100, TopRowMiddle + FileListRowHeight), PickResult::fileEntry(0));
}

TEST(FramePick, ListingLinesAnswerWithTheirPositionAndNothingPastTheSixtiethLine) {
  PickingFixture F;
  Algorithm &A = F.Work.algorithm();
  // An empty listing offers nothing, not even its strips.
  EXPECT_EQ(F.pick(Panel::Listing, listingLine(0).X, 12), PickResult::nothing(Panel::Listing));
  for (int I = 0; I < 70; ++I)
    A.appendDraw(pickValue(PickName::Square));
  for (int Line = 0; Line < ListingVisibleLines; ++Line)
    ASSERT_EQ(F.pick(Panel::Listing, listingLine(Line).X, listingLine(Line).Y),
              PickResult::listingLine(Line + 1));
  const IntPoint Past = listingLine(ListingVisibleLines);
  EXPECT_EQ(F.pick(Panel::Listing, Past.X, Past.Y),
            PickResult::nothing(Panel::Listing)); // command 61 exists, unshown
  EXPECT_EQ(F.pick(Panel::Listing, Past.X, 12), PickResult::named(Panel::Listing, PickName::UpStrip));
  EXPECT_EQ(F.pick(Panel::Listing, Past.X, LayoutHeight - 12),
            PickResult::named(Panel::Listing, PickName::DownStrip));
  // Of two lines under the box, the upper one.
  EXPECT_EQ(F.pick(Panel::Listing, Past.X, static_cast<int>(listingRowTop(1))),
            PickResult::listingLine(1));

  F.State.Listing.Top = 5;
  EXPECT_EQ(F.pick(Panel::Listing, listingLine(0).X, listingLine(0).Y), PickResult::listingLine(5));
  EXPECT_EQ(F.pick(Panel::Listing, listingLine(59).X, listingLine(59).Y), PickResult::listingLine(64));
  F.State.Listing.Top = 68; // three lines left
  EXPECT_EQ(F.pick(Panel::Listing, listingLine(2).X, listingLine(2).Y), PickResult::listingLine(70));
  EXPECT_EQ(F.pick(Panel::Listing, listingLine(3).X, listingLine(3).Y),
            PickResult::nothing(Panel::Listing));
}

TEST(FramePick, CanvasOffersThePenMarkerWhereItLiesOrTheOpenPenMenu) {
  PickingFixture F;
  VariableSet &Vars = F.Work.variables();
  Vars.x().setValue(7);
  Vars.y().setValue(3);
  const int Cell = static_cast<int>(CellWidth);
  const IntPoint Pen = {CanvasPixelX + 7 * Cell + Cell / 2, 3 * Cell + Cell / 2};
  EXPECT_EQ(F.pick(Panel::Canvas, Pen.X, Pen.Y),
            PickResult::named(Panel::Canvas, PickName::PenMarker));
  EXPECT_EQ(F.pick(Panel::Canvas, Pen.X + Cell, Pen.Y), PickResult::nothing(Panel::Canvas));

  // Turned by 45 degrees the marker is a diamond: its corner reaches 14
  // units from the centre, its sides no longer reach the old corners.
  EXPECT_EQ(F.pick(Panel::Canvas, Pen.X + 11, Pen.Y + 11),
            PickResult::named(Panel::Canvas, PickName::PenMarker));
  EXPECT_EQ(F.pick(Panel::Canvas, Pen.X, Pen.Y + 13), PickResult::nothing(Panel::Canvas));
  Vars.d().setValue(45);
  EXPECT_EQ(F.pick(Panel::Canvas, Pen.X + 11, Pen.Y + 11), PickResult::nothing(Panel::Canvas));
  EXPECT_EQ(F.pick(Panel::Canvas, Pen.X, Pen.Y + 13),
            PickResult::named(Panel::Canvas, PickName::PenMarker));

  // In the top-left cell the menu is pushed inward and leaves the marker
  // free: there a press hits nothing while the menu is open.
  Vars.x().setValue(0);
  Vars.y().setValue(0);
  F.State.Canvas.PenMenu.Corners = penMenuCorners(penCentre(Vars));
  F.State.Mode = InteractionMode::PenMenuOpen;
  EXPECT_EQ(F.pick(Panel::Canvas, CanvasPixelX + Cell / 2, Cell / 2),
            PickResult::nothing(Panel::Canvas));
  for (size_t I = 0; I < PenMenuSize; ++I) {
    const IntPoint Corner = F.State.Canvas.PenMenu.Corners[I];
    EXPECT_EQ(F.pick(Panel::Canvas, CanvasPixelX + Corner.X + 20, Corner.Y + 20),
              PickResult::named(Panel::Canvas, PenMenuOrder[I]));
  }
}

// The pick box reaches 2.5 pixels from the pointer. At 1280 x 1024 a layout
// unit is 1.25 pixels wide, so the go Button's left edge (10 units) lies on
// pixel 12.5: exactly on the border of the box of a press at pixel 10.
TEST(FramePick, AnEdgeOnTheBordersOfThePickBoxCounts) {
  PickingFixture F;
  F.State.Layout = WindowLayout(ScreenSize{1280, 1024});
  const int OnGoRow = 906; // 680 units down, in the middle of the Button
  EXPECT_EQ(F.pick(Panel::Tool, 10, OnGoRow), PickResult::named(Panel::Tool, PickName::Go));
  EXPECT_EQ(F.pick(Panel::Tool, 9, OnGoRow), PickResult::nothing(Panel::Tool));
  // The listing's strips start 2 units in: 2.5 pixels at this width.
  F.Work.algorithm().appendDraw(pickValue(PickName::Square));
  EXPECT_EQ(F.pick(Panel::Listing, 960, 10), PickResult::named(Panel::Listing, PickName::UpStrip));
  EXPECT_EQ(F.pick(Panel::Listing, 959, 10), PickResult::nothing(Panel::Listing));
}

// The selection buffer held five records of one name each; a sixth hit
// overflowed it and the pick counted as no hit.
TEST(FramePick, MoreHitsThanTheBufferHeldAreNoHit) {
  PickingFixture F;
  F.State.Mode = InteractionMode::PenMenuOpen;
  auto StackMenu = [&](int Stacked) {
    for (int I = 0; I < PenMenuSize; ++I)
      F.State.Canvas.PenMenu.Corners[static_cast<size_t>(I)] =
          I < Stacked ? IntPoint{100, 100} : IntPoint{300, 200 + 50 * I};
    return F.pick(Panel::Canvas, CanvasPixelX + 120, 120);
  };
  EXPECT_EQ(StackMenu(5), PickResult::named(Panel::Canvas, PenMenuOrder[0]));
  EXPECT_EQ(F.hits(Panel::Canvas, CanvasPixelX + 120, 120).hitCount(), 5);
  EXPECT_EQ(StackMenu(6), PickResult::nothing(Panel::Canvas));
  EXPECT_EQ(F.hits(Panel::Canvas, CanvasPixelX + 120, 120).hitCount(), -1);

  // On a coarse screen one 5 x 5 pixel box covers many parameter rows, or
  // many listing lines, at once.
  for (int I = 0; I < 30; ++I)
    F.Work.algorithm().appendDraw(pickValue(PickName::Square));
  const IntPoint Rows = aimAt(*findToolPlace(PickName::FieldDy));
  const IntPoint Lines = listingLine(20);
  EXPECT_EQ(F.pick(Panel::Tool, Rows.X, Rows.Y),
            PickResult::named(Panel::Tool, PickName::FieldDy));
  EXPECT_EQ(F.pick(Panel::Listing, Lines.X, Lines.Y), PickResult::listingLine(21));
  const int Coarse = 16; // layout units per pixel
  F.State.Layout = WindowLayout(ScreenSize{LayoutWidth / Coarse, LayoutHeight / Coarse});
  EXPECT_EQ(F.pick(Panel::Tool, Rows.X / Coarse, Rows.Y / Coarse),
            PickResult::nothing(Panel::Tool));
  EXPECT_EQ(F.pick(Panel::Listing, Lines.X / Coarse, Lines.Y / Coarse),
            PickResult::nothing(Panel::Listing));
}

// A Label whose text is empty and that has no description is a line of no
// width; the pick box still meets it where the line lies, here just right
// of the dice Button's edge.
TEST(FramePick, ALabelWithoutTextIsALine) {
  PickingFixture F;
  F.State.Labels.randomTarget().setOperand(&F.Work.variables().count()); // its name is ""
  F.State.Labels.randomTarget().showOperand();
  ASSERT_EQ(F.State.Labels.randomTarget().text(), "");
  const LayoutRect Place = findToolPlace(PickName::RandomTarget)->Place;
  const PickHits OnLine = F.hits(Panel::Tool, Place.X - 2, Place.Y + 5);
  ASSERT_EQ(OnLine.hitCount(), 2);
  EXPECT_EQ(OnLine.name(0), pickValue(PickName::Dice));
  EXPECT_EQ(OnLine.name(1), pickValue(PickName::RandomTarget));
  EXPECT_EQ(F.pick(Panel::Tool, Place.X - 3, Place.Y + 5),
            PickResult::named(Panel::Tool, PickName::Dice));
  EXPECT_EQ(F.pick(Panel::Tool, Place.X + 3, Place.Y + 5), PickResult::nothing(Panel::Tool));
}

// The side of the pick box is the caller's: a finger picks with a larger
// box than the mouse's 5 pixels, by the same rules. Beside the go Button
// the mouse finds nothing and the finger finds the Button; among the
// parameter rows the finger's box meets so many Labels that it overflows.
TEST(FramePick, AFingersLargerBoxReachesWhatTheMouseMisses) {
  PickingFixture F;
  const LayoutRect Go = findToolPlace(PickName::Go)->Place;
  const int Beside = Go.X + Go.Width + 6, Middle = Go.Y + Go.Height / 2;
  EXPECT_EQ(F.pick(Panel::Tool, Beside, Middle), PickResult::nothing(Panel::Tool));
  EXPECT_EQ(F.pick(Panel::Tool, Beside, Middle, 15), PickResult::named(Panel::Tool, PickName::Go));
  const IntPoint Rows = aimAt(*findToolPlace(PickName::FieldDy));
  EXPECT_EQ(F.hits(Panel::Tool, Rows.X, Rows.Y).hitCount(), 2) << "this row and the one above";
  EXPECT_EQ(F.hits(Panel::Tool, Rows.X, Rows.Y, 60).hitCount(), -1) << "more than five rows";
}

// A pick describes only the panel it looks at; that panel's regions must
// be those the whole frame records for it, in the same order.
TEST(FramePick, APanelDescribedAloneRecordsTheRegionsOfTheWholeFrame) {
  PickingFixture F;
  F.State.Files.List.Files = newestThatFit(savedNames(4), MaxFileListRows);
  F.State.Files.ListVisible = true;
  for (int I = 0; I < 70; ++I)
    F.Work.algorithm().appendDraw(pickValue(PickName::Circle));
  F.State.Listing.Top = 9;
  DrawList Whole, Alone;
  buildFrame(Whole, F.Work, F.State);
  for (const Panel Which : {Panel::Tool, Panel::Canvas, Panel::Listing}) {
    buildPanel(Alone, Which, F.Work, F.State);
    std::vector<int> FromWhole, FromAlone;
    for (const HitRegion &Region : Whole.Regions)
      if (Region.View == Which)
        FromWhole.push_back(Region.Name);
    for (const HitRegion &Region : Alone.Regions)
      FromAlone.push_back(Region.Name);
    EXPECT_EQ(FromAlone, FromWhole) << "panel " << static_cast<int>(Which);
    EXPECT_FALSE(FromAlone.empty());
  }
}
