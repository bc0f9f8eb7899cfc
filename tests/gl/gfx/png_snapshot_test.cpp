// The canvas snapshot in a real context: only red reaches the grey file, the
// top row of the picture is the top of the window, the rectangle is cut
// exactly, and the canvas is drawn again right before the read-back.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/glut_hooks.h"
#include "files/alg_writer.h"
#include "gfx/png_snapshot.h"
#include "gl_test_support.h"
#include "model/algorithm.h"
#include "png_read.h"
#include "scratch_dir.h"

namespace {

void clearTo(float R, float G, float B) {
  clearToWhite();
  glClearColor(R, G, B, 1);
  glClear(GL_COLOR_BUFFER_BIT);
}

// A filled rectangle in top-left window pixel coordinates.
void fillRect(int X, int Y, int W, int H, float R, float G, float B) {
  glColor3f(R, G, B);
  glBegin(GL_QUADS);
  glVertex2i(X, Y);
  glVertex2i(X, Y + H);
  glVertex2i(X + W, Y + H);
  glVertex2i(X + W, Y);
  glEnd();
}

// Whether every byte of the picture is \p Value.
bool allBytes(const GrayPicture &P, int Value) {
  for (unsigned char Byte : P.Pixels)
    if (Byte != Value)
      return false;
  return !P.Pixels.empty();
}

} // namespace

TEST(PngSnapshot, OnlyTheRedComponentBecomesGrey) {
  ScratchDir Dir;
  struct Case {
    float R, G, B;
    int Gray;
  } Cases[] = {{1, 1, 1, 255}, {0, 0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}, {1, 0, 0, 255}};
  for (const Case &C : Cases) {
    clearTo(C.R, C.G, C.B);
    ASSERT_EQ(writeGrayPng("canvas.png", 256, 0, 512, 768), 0);
    const GrayPicture P = readGrayPng("canvas.png");
    EXPECT_EQ(P.format(), "512x768 8-bit grey");
    EXPECT_TRUE(allBytes(P, C.Gray)) << C.R << " " << C.G << " " << C.B;
  }
}

TEST(PngSnapshot, TopRowOfThePictureIsTheTopOfTheCanvas) {
  ScratchDir Dir;
  clearTo(1, 1, 1);
  fillRect(256, 0, 512, 3, 0, 0, 0);  // the canvas's top three rows
  fillRect(256, 3, 2, 765, 0, 0, 0);  // its first two columns below them
  fillRect(250, 100, 6, 10, 0, 0, 0); // just left of the canvas: not in the picture
  ASSERT_EQ(writeGrayPng("canvas.png", 256, 0, 512, 768), 0);
  const GrayPicture P = readGrayPng("canvas.png");
  ASSERT_TRUE(P.Ok);
  ASSERT_EQ(P.Pixels.size(), 512u * 768u);
  EXPECT_EQ(P.at(300, 0), 0);
  EXPECT_EQ(P.at(300, 2), 0);
  EXPECT_EQ(P.at(300, 3), 255);
  EXPECT_EQ(P.at(0, 500), 0);
  EXPECT_EQ(P.at(1, 767), 0);
  EXPECT_EQ(P.at(2, 500), 255);
  EXPECT_EQ(P.at(511, 767), 255);
  EXPECT_EQ(P.at(0, 105), 0);
}

TEST(PngSnapshot, RectangleOffTheBottomLeftIsCutExactly) {
  ScratchDir Dir;
  clearTo(1, 1, 1);
  fillRect(10, 758, 1, 1, 0, 0, 0); // window pixel (10, 9) from the bottom
  ASSERT_EQ(writeGrayPng("small.png", 10, 5, 7, 5), 0);
  const GrayPicture P = readGrayPng("small.png");
  EXPECT_EQ(P.format(), "7x5 8-bit grey");
  std::vector<unsigned char> Expected(35, 255);
  Expected[0] = 0; // the topmost row of the rectangle is window row 9
  EXPECT_EQ(P.Pixels, Expected);
}

TEST(PngSnapshot, CanvasIsDrawnAgainRightBeforeTheReadBack) {
  ScratchDir Dir;
  clearTo(0, 0, 1); // whatever the back buffer held after the last swap
  app.hooks.drawCanvasForPicture = [] { clearTo(1, 0, 0); };
  EXPECT_EQ(writeCanvasPicture("canvas.png", 256, 0, 512, 768), 0);
  app.hooks = UiHooks();
  EXPECT_TRUE(allBytes(readGrayPng("canvas.png"), 255));
  // Without a canvas drawer the buffer is read as it is.
  clearTo(0, 0, 1);
  EXPECT_EQ(writeCanvasPicture("canvas.png", 256, 0, 512, 768), 0);
  EXPECT_TRUE(allBytes(readGrayPng("canvas.png"), 0));
}

TEST(PngSnapshot, SaveThroughTheProgramsHooksWritesBothFiles) {
  ScratchDir Dir;
  Algorithm A;
  A.appendDraw(2);
  app.algorithm = &A;
  app.seedText = "1234567890";
  app.saveLetter = 96;
  app.screenWidth = GlTestWindowWidth;
  app.screenHeight = GlTestWindowHeight;
  installGlutHooks();
  app.hooks.drawCanvasForPicture = [] {
    clearTo(1, 1, 1);
    fillRect(256, 0, 256, 768, 0, 0, 0); // the left half of the canvas
  };
  std::string Message;
  app.hooks.showMessage = [&](const std::string &Text) { Message = Text; };
  EXPECT_EQ(saveAlgorithmFiles(), 0);
  app.hooks = UiHooks();
  app.algorithm = nullptr;
  EXPECT_EQ(Message, "seed_1234567890-a gespeichert");
  const GrayPicture P = readGrayPng("vorpImages/seed_1234567890-a.png");
  ASSERT_EQ(P.format(), "512x768 8-bit grey");
  EXPECT_EQ(P.at(255, 0), 0);
  EXPECT_EQ(P.at(256, 767), 255);
  EXPECT_NE(fileContent("vorpAlgorithms/seed_1234567890-a.alg").find("Zeichne Kreis\r\n"),
            std::string::npos);
}
