// The canvas and the listing panel drawn in a real context and checked by
// pixels: the grid and its absence after a run, grey and black shapes, the
// scroll strips and their triangles, the current command kept in view, the
// indentation of scrolled repeat blocks, the highlight colours, and long
// lines clipped at the panel edge.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <string>

#include "app/canvas_view.h"
#include "app/gl_frame_renderer.h"
#include "app/screen.h"
#include "app/shape_layer.h"
#include "editor/editor_state.h"
#include "editor/listing_scroll.h"
#include "exec/session.h"
#include "files/image_folder.h"
#include "gfx/png_texture.h"
#include "gl_test_support.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "screen/listing_frame.h"

namespace {

constexpr int CanvasLeft = 256;
constexpr int ListingLeft = 768;
constexpr int TriangleGrey = 217; // 0.85
constexpr int StripGrey = 153;    // 0.6

class DisplayPanels : public testing::Test {
protected:
  static void SetUpTestSuite() { Atlas = loadPngTexture(AlphabetAtlasPath).name(); }
  void SetUp() override {
    clearToWhite();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_LINE_SMOOTH);
  }
  void give(int Value) {
    Listing.appendArithmetic(&Work.variables().x(), ArithmeticOp::Give, Value);
  }
  void drawCanvas(bool GridVisible) {
    setCanvasView(State.Layout);
    drawCanvasPicture(Work, State, GridVisible, EveryShape);
  }
  /// The listing as a frame shows it: the scroll position is settled first.
  void drawListing() {
    keepCurrentVisible(State.Listing, Listing);
    DrawList Panel;
    DrawListBuilder Builder(Panel);
    appendListingPanel(Builder, Listing, State);
    GlFrameRenderer([](PickName) -> GLuint { return 0; }, Atlas, nullptr)
        .draw(Panel, Picture, State.Layout);
  }
  /// Pixels of the listing in its layout units (one unit is one pixel here).
  std::array<int, 3> listingPixel(int X, int Y) { return pixelAt(ListingLeft + X, Y); }
  /// The left edge of the dark text on listing line \p Line, or -1.
  int textLeftOnLine(int Line) {
    DarkBox Box = darkBoundingBox(ListingLeft, 25 + 10 * Line + 1, 200, 8, 120);
    return Box.Found ? Box.Left - ListingLeft : -1;
  }
  static GLuint Atlas;
  Session Work{1};
  EditorState State{Work.variables()};
  Algorithm &Listing = Work.algorithm();
  Drawing &Picture = Work.drawing();
  /// The canvas's own look; the shape layer's cache has tests of its own.
  ShapeLayer EveryShape{nullptr};
};
GLuint DisplayPanels::Atlas = 0;

/// Grey grid lines met along a row or a column of the canvas.
int gridLinesAcross(bool Horizontal, int At) {
  int Lines = 0;

  bool OnLine = false;
  for (int I = 0; I < (Horizontal ? 512 : 768); ++I) {
    std::array<int, 3> P = Horizontal ? pixelAt(CanvasLeft + I, At) : pixelAt(CanvasLeft + At, I);
    bool Grey = P[0] < 245 && P[0] > 180;
    if (Grey && !OnLine)
      ++Lines;
    OnLine = Grey;
  }
  return Lines;
}

} // namespace

TEST_F(DisplayPanels, GridWhileEditingAndPlainBlackPictureAfterARun) {
  Picture.addSquare(10, 10, 0, 0, 3, 3, 0); // centre (210, 210), sides at 180 and 240
  drawCanvas(true);
  EXPECT_EQ(gridLinesAcross(true, 305), 25);
  EXPECT_EQ(gridLinesAcross(false, 50), 38);
  EXPECT_EQ(darkBoundingBox(CanvasLeft + 15, 305, 10, 5, 230).Left, CanvasLeft + 19)
      << "the first vertical line lies on x = 20";
  EXPECT_EQ(pixelAt(CanvasLeft + 10, 310)[0], 255);
  EXPECT_NEAR(pixelAt(CanvasLeft + 210, 180)[0], 128, 2) << "shapes are grey on the grid";
  clearToWhite();
  drawCanvas(false);
  EXPECT_EQ(gridLinesAcross(true, 305), 0);
  EXPECT_EQ(gridLinesAcross(false, 50), 0);
  EXPECT_FALSE(darkBoundingBox(CanvasLeft, 0, 30, 30).Found) << "no pen marker";
  EXPECT_EQ(pixelAt(CanvasLeft + 210, 180)[0], 0) << "black on white after a run";
}

TEST_F(DisplayPanels, PenMarkerAndShapesDrawOnlyOnce) {
  drawCanvas(true);
  DarkBox Marker = darkBoundingBox(CanvasLeft, 0, 40, 40);
  ASSERT_TRUE(Marker.Found);
  EXPECT_NEAR(Marker.Right - CanvasLeft, 20, 1);
  // Five shapes: the walk reaches every one and ends on the last, where the
  // next one is appended.
  for (int I = 0; I < 5; ++I)
    Picture.addCircle(2 + 4 * I, 20, 0, 0, 2, 2, 0);
  clearToWhite();
  drawCanvas(false);
  for (int I = 0; I < 5; ++I)
    EXPECT_TRUE(darkBoundingBox(CanvasLeft + 40 + 80 * I, 400, 50, 50).Found) << "circle " << I;
  EXPECT_EQ(Picture.cursor()->column, 18);
}

TEST_F(DisplayPanels, EmptyListingShowsOnlyBackgroundAndStrips) {
  drawListing();
  EXPECT_EQ(listingPixel(128, 15)[0], StripGrey) << "no up triangle";
  EXPECT_EQ(listingPixel(128, 755)[0], StripGrey) << "no down triangle";
  EXPECT_EQ(textLeftOnLine(0), -1);
  EXPECT_GE(listingPixel(1, 400)[0], 253) << "background white at the left";
  EXPECT_LT(listingPixel(254, 400)[0], 160) << "and grey at the right";
}

TEST_F(DisplayPanels, TrianglesFollowTheScrollPosition) {
  for (int I = 0; I < 3; ++I)
    give(I);
  Listing.select(1);
  drawListing();
  EXPECT_EQ(listingPixel(128, 15)[0], StripGrey) << "no up triangle at the top";
  EXPECT_EQ(listingPixel(128, 755)[0], TriangleGrey)
      << "the down triangle shows while listingTop is below the command count";
  EXPECT_NEAR(textLeftOnLine(2), 0, 2);
  EXPECT_EQ(textLeftOnLine(3), -1);
}

TEST_F(DisplayPanels, SixtyFirstCurrentCommandScrollsIntoView) {
  for (int I = 1; I <= 61; ++I)
    give(I);
  drawListing();
  EXPECT_EQ(State.Listing.Top, 2);
  EXPECT_EQ(listingPixel(128, 15)[0], TriangleGrey) << "up triangle in the same frame";
  EXPECT_EQ(listingPixel(128, 755)[0], TriangleGrey);
  EXPECT_EQ(Listing.currentNumber(), 61) << "the cursor is where it was";
  // The current line is the last visible one, highlighted.
  EXPECT_EQ(listingPixel(250, 25 + 10 * 59 + 5)[0], 191);
  Listing.select(1);
  clearToWhite();
  drawListing();
  EXPECT_EQ(State.Listing.Top, 1);
  EXPECT_EQ(listingPixel(128, 15)[0], StripGrey);
}

TEST_F(DisplayPanels, ScrolledRepeatBlockKeepsItsIndentation) {
  Listing.appendRepeatStart(2); // 1
  Listing.appendRepeatStart(3); // 2
  Listing.appendDraw(1);        // 3
  Listing.appendRepeatEnd();    // 4
  for (int I = 0; I < 56; ++I)
    give(I);                 // 5 .. 60
  Listing.appendRepeatEnd(); // 61
  Listing.select(3);
  drawListing();
  ASSERT_EQ(State.Listing.Top, 1);
  const int Start = textLeftOnLine(1), Draw = textLeftOnLine(2), End = textLeftOnLine(3);
  const int Outer = textLeftOnLine(0);
  EXPECT_NEAR(Outer, 0, 2);
  EXPECT_EQ(Start - Outer, 8);
  EXPECT_EQ(Draw - Outer, 16);
  EXPECT_EQ(End - Outer, 8) << "an end stands at the level outside its block";
  Listing.select(61);
  clearToWhite();
  drawListing();
  ASSERT_EQ(State.Listing.Top, 2);
  EXPECT_EQ(textLeftOnLine(0), Start) << "the inner start, now the first line";
  EXPECT_EQ(textLeftOnLine(1), Draw);
  EXPECT_EQ(textLeftOnLine(2), End);
  EXPECT_EQ(textLeftOnLine(59), Outer) << "the outer end";
}

TEST_F(DisplayPanels, HighlightColoursShowEditing) {
  give(1);
  give(2);
  Listing.select(2);
  drawListing();
  EXPECT_EQ(listingPixel(250, 40), (std::array<int, 3>{191, 191, 191}));
  State.Listing.CommandEditing = true;
  drawListing();
  EXPECT_EQ(listingPixel(250, 40), (std::array<int, 3>{217, 217, 204}));
  Listing.select(1);
  drawListing();
  EXPECT_EQ(listingPixel(250, 30), (std::array<int, 3>{217, 217, 217}));
}

TEST_F(DisplayPanels, LongLineIsClippedAtThePanelEdge) {
  // An 800-pixel screen puts the listing at 600..799 of the 1024-pixel test
  // window, so anything drawn past its right edge would show at 800 and beyond.
  State.Layout = WindowLayout(ScreenSize{800, 768});
  give(1);
  Listing.current()->setText(std::string(200, 'W'));
  drawListing();
  EXPECT_TRUE(darkBoundingBox(600, 25, 200, 10, 120).Found);
  EXPECT_FALSE(darkBoundingBox(800, 0, 224, 768).Found);
}
