// A save through the editor photographs the real canvas as the last frame
// showed it: grid and grey shapes while editing, black shapes on white after
// a run, and never the confirmation popup or the panels. The canvas is drawn
// again right before it is read, and both files carry the seed and letter.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/canvas_view.h"
#include "app/panel_view.h"
#include "app/shape_layer.h"
#include "gl_app_fixture.h"
#include "gl_test_support.h"
#include "model/algorithm.h"
#include "png_read.h"
#include "random_shapes.h"
#include "scratch_dir.h"

namespace {

class SavedPicture : public testing::Test {
protected:
  void SetUp() override {
    App.Work.algorithm().appendDraw(1);
    // A square of 3 x 3 cells centred on (210, 217): its top edge, row 187,
    // lies between two grid lines.
    App.Work.drawing().addSquare(10, 10, 0, 7, 3, 3, 0);
  }
  /// A frame with or without the grid, then an unrelated picture in the back
  /// buffer, so the save cannot pass by reading what happened to be there.
  GrayPicture saveAfterAFrameWithGrid(bool GridVisible) {
    App.State.GridVisible = GridVisible;
    App.frame();
    clearTo(0, 0, 0);
    App.clickTool(PickName::Save);
    EXPECT_EQ(App.State.Popup.text().find("nicht"), std::string::npos);
    return readGrayPng("vorpImages/seed_1234567890-" + std::string(1, char(App.Lab.saveLetter())) +
                       ".png");
  }
  static void clearTo(float R, float G, float B) {
    clearToWhite();
    glClearColor(R, G, B, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(1, 1, 1, 1);
  }
  // The Screen loads its images from the working directory, so it is built
  // before the scratch directory is entered.
  GlApp App{1234567890};
  ScratchDir Dir;
};

int darkestInRow(const GrayPicture &P, int Row, int From, int To) {
  int Darkest = 255;
  for (int X = From; X < To; ++X)
    Darkest = std::min(Darkest, P.at(static_cast<png_uint_32>(X), static_cast<png_uint_32>(Row)));
  return Darkest;
}

/// How much ink a horizontal edge near \p Row leaves: smoothed lines spread
/// over two rows, so the darkness of rows Row - 2 to Row + 2 is added up. A
/// black line gives about 255, a grey 0.5 line about 128, no line 0.
int edgeInk(const GrayPicture &P, int Row, int From, int To) {
  int Ink = 0;
  for (int R = Row - 2; R <= Row + 2; ++R)
    Ink += 255 - darkestInRow(P, R, From, To);
  return Ink;
}

// Whether every byte of the picture is \p Value.
bool allBytes(const GrayPicture &P, int Value) {
  for (unsigned char Byte : P.Pixels)
    if (Byte != Value)
      return false;
  return !P.Pixels.empty();
}

// The canvas picture of a save, without a frame drawn in between: the path
// of the PNG it wrote.
std::string savedCanvasPng(GlApp &App) {
  App.clickTool(PickName::Save);
  return App.Lab.savedFiles().size() >= 2 ? App.Lab.savedFiles()[1] : "no picture saved";
}

} // namespace

TEST_F(SavedPicture, AfterARunThePictureIsBlackOnWhiteWithoutGrid) {
  GrayPicture P = saveAfterAFrameWithGrid(false);
  ASSERT_EQ(P.format(), "512x768 8-bit grey");
  EXPECT_GT(edgeInk(P, 187, 203, 217), 220) << "the square's top edge, black";
  EXPECT_EQ(darkestInRow(P, 305, 0, 512), 255) << "no grid lines";
  EXPECT_EQ(darkestInRow(P, 10, 0, 30), 255) << "no pen marker";
  EXPECT_EQ(App.State.Popup.text(), "seed_1234567890-a gespeichert");
  EXPECT_TRUE(App.State.Popup.Visible);
}

TEST_F(SavedPicture, WhileEditingThePictureKeepsGridAndGreyShapes) {
  GrayPicture P = saveAfterAFrameWithGrid(true);
  ASSERT_TRUE(P.Ok);
  int Edge = edgeInk(P, 187, 203, 217);
  EXPECT_GT(Edge, 90);
  EXPECT_LT(Edge, 170) << "shapes are grey 0.5 on the grid";
  EXPECT_LT(darkestInRow(P, 305, 0, 512), 245) << "grid lines cross the row";
  EXPECT_LT(darkestInRow(P, 0, 0, 25), 100) << "the pen marker's frame";
}

TEST_F(SavedPicture, AMessageOnScreenIsNotInThePicture) {
  App.showMessage("Zuviele Befehle");
  ASSERT_TRUE(App.State.Popup.Visible);
  GrayPicture P = saveAfterAFrameWithGrid(false);
  // The box would lie at (204, 374) to (309, 394) of the canvas, grey 0.8.
  EXPECT_EQ(darkestInRow(P, 384, 204, 309), 255);
}

TEST_F(SavedPicture, CanvasIsDrawnAgainRightBeforeTheReadBack) {
  App.Work.drawing().clear();
  App.State.GridVisible = false;
  App.frame();
  clearTo(0, 0, 1); // whatever the back buffer held after the last swap
  EXPECT_TRUE(allBytes(readGrayPng(savedCanvasPng(App)), 255)) << "the empty canvas, white";
  // The picture follows what the last frame showed, not the state since:
  // the press on the save Button has brought the grid back for the next
  // frame only.
  ASSERT_TRUE(App.State.GridVisible);
  clearTo(0, 0, 1);
  EXPECT_TRUE(allBytes(readGrayPng(savedCanvasPng(App)), 255)) << "still without the grid";
}

TEST_F(SavedPicture, SaveWritesBothFilesNamedAfterTheSeedAndTheLetter) {
  // Only the top-left cell holds ink: a picture upside down or shifted would
  // show it elsewhere.
  App.Work.drawing().clear();
  App.Work.drawing().addSquare(1, 1, 0, 0, 2, 2, 0); // sides at 10 and 50
  App.Work.algorithm().appendDraw(2);
  App.State.GridVisible = false;
  App.frame();
  App.clickTool(PickName::Save);
  EXPECT_EQ(App.State.Popup.text(), "seed_1234567890-a gespeichert");
  const GrayPicture P = readGrayPng("vorpImages/seed_1234567890-a.png");
  ASSERT_EQ(P.format(), "512x768 8-bit grey");
  EXPECT_GT(edgeInk(P, 10, 20, 40), 220) << "the top edge near the top of the picture";
  EXPECT_LT(darkestInRow(P, 30, 8, 12), 160) << "the left edge near its left";
  EXPECT_EQ(darkestInRow(P, 30, 15, 45), 255);
  EXPECT_EQ(darkestInRow(P, 757, 0, 512), 255) << "nothing at the bottom";
  EXPECT_EQ(darkestInRow(P, 30, 60, 512), 255);
  const std::string Saved = fileContent("vorpAlgorithms/seed_1234567890-a.alg");
  EXPECT_NE(Saved.find("Zeichne Quadrat\r\n"), std::string::npos);
  EXPECT_NE(Saved.find("Zeichne Kreis\r\n"), std::string::npos);
}

TEST_F(SavedPicture, ManyShapesAreSavedAsTheFrameShowedThem) {
  drawRandomShapes(App.Work, 112);
  for (bool Grid : {true, false}) {
    SCOPED_TRACE(Grid ? "grid" : "plain");
    const GrayPicture P = saveAfterAFrameWithGrid(Grid);
    ASSERT_EQ(P.format(), "512x768 8-bit grey");
    const ShapeLayer &Layer = App.Resources->shapes();
    EXPECT_TRUE(Layer.current(App.Work.drawing(), App.State.Layout)) << "the frame used the layer";
    // The canvas as the frame drew it, read bottom row first.
    clearToWhite();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_LINE_SMOOTH);
    setCanvasView(App.State.Layout);
    drawCanvasPicture(App.Work, App.State, Grid, Layer);
    const PanelRect Canvas = App.State.Layout.panel(Panel::Canvas);
    std::vector<unsigned char> Red(static_cast<size_t>(Canvas.Width) * Canvas.Height);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(Canvas.X, 0, Canvas.Width, Canvas.Height, GL_RED, GL_UNSIGNED_BYTE, Red.data());
    int Differing = 0, Inked = 0;
    for (int Y = 0; Y < Canvas.Height; ++Y)
      for (int X = 0; X < Canvas.Width; ++X) {
        const int Shown = Red[static_cast<size_t>(Canvas.Height - 1 - Y) * Canvas.Width + X];
        Differing += P.at(static_cast<png_uint_32>(X), static_cast<png_uint_32>(Y)) != Shown;
        Inked += Shown < 200;
      }
    EXPECT_EQ(Differing, 0);
    EXPECT_GT(Inked, 20000);
  }
}
