// Helpers of the GL tests: the window size and reading back pixels.
#ifndef QUOVADRIN_TESTS_GL_TEST_SUPPORT_H
#define QUOVADRIN_TESTS_GL_TEST_SUPPORT_H

#include <GL/gl.h>
#include <array>

constexpr int GlTestWindowWidth = 1024;
constexpr int GlTestWindowHeight = 768;

/// The RGB bytes of one back-buffer pixel; x and y count from the top left,
/// as the layout does.
inline std::array<int, 3> pixelAt(int X, int YFromTop) {
  unsigned char Rgb[3] = {0, 0, 0};
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(X, GlTestWindowHeight - 1 - YFromTop, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, Rgb);
  return {Rgb[0], Rgb[1], Rgb[2]};
}

/// How many pixels of the rectangle (X0, Y0) to (X1, Y1), right and bottom
/// edges excluded, are dark (red below 110): text and icon strokes.
inline int darkPixelsIn(int X0, int Y0, int X1, int Y1) {
  int Dark = 0;
  for (int Y = Y0; Y < Y1; ++Y)
    for (int X = X0; X < X1; ++X)
      if (pixelAt(X, Y)[0] < 110)
        ++Dark;
  return Dark;
}

/// Clears the whole back buffer to white with a top-left-origin projection
/// over the full window in pixels.
inline void clearToWhite() {
  glViewport(0, 0, GlTestWindowWidth, GlTestWindowHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, GlTestWindowWidth, GlTestWindowHeight, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

#endif
