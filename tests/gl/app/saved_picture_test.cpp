// A save through the program's own hooks photographs the real canvas as the
// last frame showed it: grid and grey shapes while editing, black shapes on
// white after a run, and never the confirmation popup or the panels.
#include <GL/gl.h>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "app/app_state.h"
#include "app/canvas_view.h"
#include "app/glut_hooks.h"
#include "editor/message_box.h"
#include "exec/drawing.h"
#include "files/alg_writer.h"
#include "gl_test_support.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "png_read.h"
#include "scratch_dir.h"

namespace {

class SavedPicture : public testing::Test {
protected:
  void SetUp() override {
    app.screenWidth = GlTestWindowWidth;
    app.screenHeight = GlTestWindowHeight;
    app.cellWidth = app.cellHeight = 20.0f;
    createFixedVariables();
    app.algorithm = &Listing;
    app.drawing = &Picture;
    app.seedText = "1234567890";
    app.saveLetter = 96;
    app.selectedTool = 1;
    installGlutHooks();
    Listing.appendDraw(1);
    // A square of 3 x 3 cells centred on (210, 217): its top edge, row 187,
    // lies between two grid lines.
    Picture.addSquare(10, 10, 0, 7, 3, 3, 0);
  }
  void TearDown() override {
    app.hooks = UiHooks();
    app.algorithm = nullptr;
    app.drawing = nullptr;
    delete app.messageBox;
    app.messageBox = nullptr;
    app.messageVisible = 0;
  }
  /// Draws an unrelated picture first, so the save cannot pass by reading
  /// what happened to be in the back buffer.
  GrayPicture saveAfterAFrameWithGrid(int GridVisible) {
    rememberShownCanvas(GridVisible);
    clearToWhite();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(1, 1, 1, 1);
    EXPECT_EQ(saveAlgorithmFiles(), 0);
    return readGrayPng("vorpImages/seed_1234567890-" + std::string(1, char(app.saveLetter)) +
                       ".png");
  }
  Algorithm Listing;
  Drawing Picture;
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

} // namespace

TEST_F(SavedPicture, AfterARunThePictureIsBlackOnWhiteWithoutGrid) {
  GrayPicture P = saveAfterAFrameWithGrid(0);
  ASSERT_EQ(P.format(), "512x768 8-bit grey");
  EXPECT_GT(edgeInk(P, 187, 203, 217), 220) << "the square's top edge, black";
  EXPECT_EQ(darkestInRow(P, 305, 0, 512), 255) << "no grid lines";
  EXPECT_EQ(darkestInRow(P, 10, 0, 30), 255) << "no pen marker";
  EXPECT_EQ(app.messageBox->text(), "seed_1234567890-a gespeichert");
  EXPECT_EQ(app.messageVisible, 1);
}

TEST_F(SavedPicture, WhileEditingThePictureKeepsGridAndGreyShapes) {
  GrayPicture P = saveAfterAFrameWithGrid(1);
  ASSERT_TRUE(P.Ok);
  int Edge = edgeInk(P, 187, 203, 217);
  EXPECT_GT(Edge, 90);
  EXPECT_LT(Edge, 170) << "shapes are grey 0.5 on the grid";
  EXPECT_LT(darkestInRow(P, 305, 0, 512), 245) << "grid lines cross the row";
  EXPECT_LT(darkestInRow(P, 0, 0, 25), 100) << "the pen marker's frame";
}

TEST_F(SavedPicture, AMessageOnScreenIsNotInThePicture) {
  app.hooks.showMessage("Zuviele Befehle");
  ASSERT_EQ(app.messageVisible, 1);
  GrayPicture P = saveAfterAFrameWithGrid(0);
  // The box would lie at (204, 374) to (309, 394) of the canvas, grey 0.8.
  EXPECT_EQ(darkestInRow(P, 384, 204, 309), 255);
}
