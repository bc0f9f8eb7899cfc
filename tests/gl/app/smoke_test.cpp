// The GL test context itself: a cleared back buffer reads back as white, and
// a black quad drawn in top-left pixel coordinates lands where it was put.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "gl_test_support.h"

TEST(GlContext, DrawnPixelsReadBackAtTheirLayoutPlace) {
  clearToWhite();
  glColor3f(0, 0, 0);
  glBegin(GL_QUADS);
  glVertex2i(10, 20);
  glVertex2i(10, 30);
  glVertex2i(20, 30);
  glVertex2i(20, 20);
  glEnd();
  EXPECT_EQ(pixelAt(15, 25), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(pixelAt(15, 35), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(pixelAt(5, 25), (std::array<int, 3>{255, 255, 255}));
}
