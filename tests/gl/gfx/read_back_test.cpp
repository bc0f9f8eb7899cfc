// Reading the back buffer in a real context, written as the grey snapshot
// is: only red reaches the grey file, the top row of the picture is the top
// of the window, and the rectangle is cut exactly.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/gray_png.h"
#include "gfx/read_back.h"
#include "gl_test_support.h"
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

// The rectangle with its lower-left corner at window pixel (X, Y) as a grey
// PNG at \p Path, top row first.
FileResult writeGrayPng(const std::string &Path, int X, int Y, int Width, int Height) {
  const std::vector<float> Red = readBackRed(X, Y, Width, Height);
  const std::vector<unsigned char> Gray = grayRowsFromRed(Red.data(), Width, Height);
  return writeGrayPngBytes(Path, Gray.data(), Width, Height);
}

} // namespace

TEST(ReadBack, OnlyTheRedComponentBecomesGrey) {
  ScratchDir Dir;
  struct Case {
    float R, G, B;
    int Gray;
  } Cases[] = {{1, 1, 1, 255}, {0, 0, 0, 0}, {0, 0, 1, 0}, {0, 1, 0, 0}, {1, 0, 0, 255}};
  for (const Case &C : Cases) {
    clearTo(C.R, C.G, C.B);
    ASSERT_EQ(writeGrayPng("canvas.png", 256, 0, 512, 768), FileResult::Done);
    const GrayPicture P = readGrayPng("canvas.png");
    EXPECT_EQ(P.format(), "512x768 8-bit grey");
    EXPECT_TRUE(allBytes(P, C.Gray)) << C.R << " " << C.G << " " << C.B;
  }
}

TEST(ReadBack, TopRowOfThePictureIsTheTopOfTheCanvas) {
  ScratchDir Dir;
  clearTo(1, 1, 1);
  fillRect(256, 0, 512, 3, 0, 0, 0);  // the canvas's top three rows
  fillRect(256, 3, 2, 765, 0, 0, 0);  // its first two columns below them
  fillRect(250, 100, 6, 10, 0, 0, 0); // just left of the canvas: not in the picture
  ASSERT_EQ(writeGrayPng("canvas.png", 256, 0, 512, 768), FileResult::Done);
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

TEST(ReadBack, RectangleOffTheBottomLeftIsCutExactly) {
  ScratchDir Dir;
  clearTo(1, 1, 1);
  fillRect(10, 758, 1, 1, 0, 0, 0); // window pixel (10, 9) from the bottom
  ASSERT_EQ(writeGrayPng("small.png", 10, 5, 7, 5), FileResult::Done);
  const GrayPicture P = readGrayPng("small.png");
  EXPECT_EQ(P.format(), "7x5 8-bit grey");
  std::vector<unsigned char> Expected(35, 255);
  Expected[0] = 0; // the topmost row of the rectangle is window row 9
  EXPECT_EQ(P.Pixels, Expected);
  EXPECT_TRUE(readBackRed(10, 5, 0, 5).empty());
  EXPECT_TRUE(readBackRed(10, 5, 7, 0).empty());
}
