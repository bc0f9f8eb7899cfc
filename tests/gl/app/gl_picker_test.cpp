// The program's three GL pickers on its own widgets: tool-panel widgets
// where a learner aims, Labels and file entries over Buttons, listing lines
// by position (never past the sixtieth), the pen marker and menu, and a
// pick that overflows the selection buffer.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>

#include "app/button.h"
#include "app/file_list.h"
#include "app/label.h"
#include "app/screen.h"
#include "gl_app_fixture.h"

namespace {

// At the test window's 1024 x 768 pixels a layout unit is one pixel: the
// tool panel starts at pixel 0, the canvas at 256, the listing at 768.
constexpr int CanvasPixelX = LayoutWidth / 4;
constexpr int ListingPixelX = LayoutWidth * 3 / 4;
/// A parameter row is 10 units tall, though its Label's pick area is as tall
/// as a character is wide (16) and reaches into the row below, whose Label
/// is drawn later and wins there.
constexpr int LabelRowHeight = 10;
constexpr int ListingFirstLineTop = 25;
constexpr int ListingLineHeight = 10;

/// Where a learner aims at a widget: the middle of a Button, the middle of
/// a Label's line of text.
IntPoint aimAt(const Button &Widget) {
  const bool IsLabel = dynamic_cast<const Label *>(&Widget) != nullptr;
  const int Height = IsLabel && Widget.height() > LabelRowHeight ? LabelRowHeight : Widget.height();
  return {Widget.x() + Widget.width() / 2, Widget.y() + Height / 2};
}

bool inside(const Button &Widget, IntPoint P) {
  return P.X >= Widget.x() && P.X < Widget.x() + Widget.width() && P.Y >= Widget.y() &&
         P.Y < Widget.y() + Widget.height();
}

GLint renderMode() {
  GLint Mode = 0;
  glGetIntegerv(GL_RENDER_MODE, &Mode);
  return Mode;
}

/// The middle of listing line \p Line (0 to 59) in window pixels.
IntPoint listingLine(int Line) {
  return {ListingPixelX + LayoutWidth / 8,
          ListingFirstLineTop + ListingLineHeight * Line + ListingLineHeight / 2};
}

void appendSquares(Algorithm &A, int Count) {
  for (int I = 0; I < Count; ++I)
    A.appendDraw(pickValue(PickName::Square));
}

} // namespace

TEST(GlPicker, EveryToolPanelWidgetAnswersWhereALearnerAimsAtIt) {
  GlApp App;
  int Widgets = 0;
  for (const Button *Widget = App.Widgets->toolChain(); Widget; Widget = Widget->next()) {
    ++Widgets;
    // The count Label lies on the middle of the repeat Button; see below.
    if (Widget->pickName() == pickValue(PickName::Repeat))
      continue;
    const IntPoint At = aimAt(*Widget);
    SCOPED_TRACE("pick name " + std::to_string(Widget->pickName()));
    EXPECT_EQ(App.Pick.pickToolPanel(At.X, At.Y), Widget->pickName());
  }
  EXPECT_EQ(Widgets, 37);
  EXPECT_EQ(renderMode(), GL_RENDER);
  // Empty panel right of the tools is no hit.
  EXPECT_EQ(App.Pick.pickToolPanel(240, 300), -1);
}

TEST(GlPicker, LaterDrawnLabelAndFileEntryWinOverTheButtonBeneath) {
  GlApp App;
  const Button &Repeat = *App.Widgets->findToolWidget(pickValue(PickName::Repeat));
  const Button &Count = *App.Widgets->findToolWidget(pickValue(PickName::Count));
  const IntPoint OnCount = aimAt(Count);
  ASSERT_TRUE(inside(Repeat, OnCount));
  EXPECT_EQ(App.Pick.pickToolPanel(OnCount.X, OnCount.Y), pickValue(PickName::Count));
  // The repeat Button answers beside the Label.
  EXPECT_EQ(App.Pick.pickToolPanel(Repeat.x() + Repeat.width() * 3 / 4,
                                   Repeat.y() + Repeat.height() * 3 / 4),
            pickValue(PickName::Repeat));

  App.E.Files.List.Files.Shown = {"seed_1-a.alg", "seed_1-b.alg", "seed_1-c.alg"};
  ++App.E.Files.List.Revision;
  App.Widgets->sync(App.E, App.S.drawing());
  const FileList &Files = *App.Widgets->fileList();
  const Button &Go = *App.Widgets->findToolWidget(pickValue(PickName::Go));
  for (int Entry = 0; Entry < 3; ++Entry) {
    SCOPED_TRACE("entry " + std::to_string(Entry));
    const IntPoint OnEntry = {Files.x() + Files.width() / 2,
                              Files.y() + FileListRowHeight * Entry + FileListRowHeight / 2};
    ASSERT_TRUE(inside(Go, OnEntry));
    // Only a list on screen is picked.
    App.E.Files.ListVisible = false;
    EXPECT_EQ(App.Pick.pickToolPanel(OnEntry.X, OnEntry.Y), pickValue(PickName::Go));
    App.E.Files.ListVisible = true;
    EXPECT_EQ(App.Pick.pickToolPanel(OnEntry.X, OnEntry.Y),
              pickValue(PickName::FirstFileEntry) + Entry);
  }
}

TEST(GlPicker, ListingLinesAnswerWithTheirPositionAndNothingPastTheSixtiethLine) {
  GlApp App;
  Algorithm &A = App.S.algorithm();
  // An empty listing offers nothing, not even its strips.
  EXPECT_EQ(App.Pick.pickListing(listingLine(0).X, 12), -1);
  EXPECT_EQ(App.Pick.pickListing(listingLine(0).X, listingLine(0).Y), -1);

  appendSquares(A, 70);
  A.select(A.head()->next()->number());
  const int32_t Current = A.currentNumber();
  for (int Line = 0; Line < ListingVisibleLines; ++Line) {
    const IntPoint At = listingLine(Line);
    ASSERT_EQ(App.Pick.pickListing(At.X, At.Y), Line + 1) << "line " << Line;
  }
  // Command 61 exists but is not shown; a click where it would be is no hit.
  const IntPoint Past = listingLine(ListingVisibleLines);
  EXPECT_EQ(App.Pick.pickListing(Past.X, Past.Y), -1);
  EXPECT_EQ(App.Pick.pickListing(listingLine(0).X, 12), pickValue(PickName::UpStrip));
  EXPECT_EQ(App.Pick.pickListing(listingLine(0).X, LayoutHeight - 12),
            pickValue(PickName::DownStrip));

  App.E.Listing.Top = 5;
  EXPECT_EQ(App.Pick.pickListing(listingLine(0).X, listingLine(0).Y), 5);
  EXPECT_EQ(App.Pick.pickListing(listingLine(59).X, listingLine(59).Y), 64);
  EXPECT_EQ(App.Pick.pickListing(Past.X, Past.Y), -1);
  // Picking walks the list without moving its cursor.
  EXPECT_EQ(A.currentNumber(), Current);
  EXPECT_EQ(renderMode(), GL_RENDER);

  // Below the last line of a short listing.
  GlApp Short;
  appendSquares(Short.S.algorithm(), 3);
  EXPECT_EQ(Short.Pick.pickListing(listingLine(2).X, listingLine(2).Y), 3);
  EXPECT_EQ(Short.Pick.pickListing(listingLine(3).X, listingLine(3).Y), -1);
}

TEST(GlPicker, CanvasOffersThePenMarkerOrTheOpenPenMenu) {
  GlApp App;
  VariableSet &Vars = App.S.variables();
  Vars.x().setValue(7);
  Vars.y().setValue(3);
  const int Cell = static_cast<int>(CellWidth);
  const IntPoint Pen = {CanvasPixelX + 7 * Cell + Cell / 2, 3 * Cell + Cell / 2};
  EXPECT_EQ(App.Pick.pickCanvas(Pen.X, Pen.Y), pickValue(PickName::PenMarker));
  EXPECT_EQ(App.Pick.pickCanvas(Pen.X + Cell, Pen.Y), -1);
  EXPECT_EQ(App.Pick.pickCanvas(Pen.X, Pen.Y + Cell), -1);

  // In the top-left cell the menu is pushed inward and leaves the marker
  // free: there a press hits nothing while the menu is open.
  Vars.x().setValue(0);
  Vars.y().setValue(0);
  const IntPoint Corner = {CanvasPixelX + Cell / 2, Cell / 2};
  EXPECT_EQ(App.Pick.pickCanvas(Corner.X, Corner.Y), pickValue(PickName::PenMarker));
  App.Ed.canvas().openPenMenu();
  App.Widgets->sync(App.E, App.S.drawing());
  EXPECT_EQ(App.Pick.pickCanvas(Corner.X, Corner.Y), -1);
  for (const Button *Item : App.Widgets->penMenu()) {
    SCOPED_TRACE("pick name " + std::to_string(Item->pickName()));
    const IntPoint At = aimAt(*Item);
    EXPECT_EQ(App.Pick.pickCanvas(CanvasPixelX + At.X, At.Y), Item->pickName());
  }
  EXPECT_EQ(renderMode(), GL_RENDER);
}

// The buffer holds five records of one name each; a sixth overflows it and
// the pick counts as no hit.
TEST(GlPicker, MoreHitsThanTheBufferHoldsAreNoHit) {
  GlApp App;
  App.E.Mode = InteractionMode::PenMenuOpen;
  auto StackMenu = [&](int Stacked) {
    for (int I = 0; I < PenMenuSize; ++I)
      App.E.Canvas.PenMenu.Corners[static_cast<size_t>(I)] =
          I < Stacked ? IntPoint{100, 100} : IntPoint{300, 200 + 50 * I};
    ++App.E.Canvas.PenMenu.Revision;
    App.Widgets->sync(App.E, App.S.drawing());
    return App.Pick.pickCanvas(CanvasPixelX + 120, 120);
  };
  EXPECT_EQ(StackMenu(5), pickValue(PenMenuOrder[0]));
  EXPECT_EQ(StackMenu(6), -1);
  EXPECT_EQ(StackMenu(PenMenuSize), -1);

  // On a coarse screen one 5 x 5 pixel box covers many parameter rows, or
  // many listing lines, at once.
  appendSquares(App.S.algorithm(), 30);
  const IntPoint Rows = aimAt(*App.Widgets->findToolWidget(pickValue(PickName::FieldH)));
  const IntPoint Lines = listingLine(20);
  EXPECT_EQ(App.Pick.pickToolPanel(Rows.X, Rows.Y), pickValue(PickName::FieldH));
  EXPECT_EQ(App.Pick.pickListing(Lines.X, Lines.Y), 21);
  const int Coarse = 16; // layout units per pixel
  App.E.Screen = {LayoutWidth / Coarse, LayoutHeight / Coarse};
  EXPECT_EQ(App.Pick.pickToolPanel(Rows.X / Coarse, Rows.Y / Coarse), -1);
  EXPECT_EQ(App.Pick.pickListing(Lines.X / Coarse, Lines.Y / Coarse), -1);
  EXPECT_EQ(renderMode(), GL_RENDER);
}
