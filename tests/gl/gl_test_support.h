// Helpers of the GL tests: the window size and reading back pixels.
#ifndef QUOVADRIN_TESTS_GL_TEST_SUPPORT_H
#define QUOVADRIN_TESTS_GL_TEST_SUPPORT_H

#include <GL/gl.h>
#include <array>
#include <functional>
#include <vector>

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

/// A Width x Height pixel viewport at the window's bottom-left corner with a
/// top-left-origin projection in pixels, so layout units are pixels.
inline void setPixelView(int Width, int Height) {
  glViewport(0, 0, Width, Height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, Width, Height, 0, -1, 1);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

/// Clears the whole back buffer to white with a top-left-origin projection
/// over the full window in pixels.
inline void clearToWhite() {
  setPixelView(GlTestWindowWidth, GlTestWindowHeight);
  glClearColor(1, 1, 1, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

/// Clears to white and sets up a Width x Height pixel view, blending as the
/// program does: at 1024 x 768 the tool panel is 256 x 768 such pixels.
inline void startPanelPicture(int Width, int Height) {
  clearToWhite();
  setPixelView(Width, Height);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

/// Bounding box of the pixels darker than \p Threshold (0 to 255, on every
/// component) inside a rectangle given from the top left; Found is false when
/// the rectangle holds none.
struct DarkBox {
  bool Found = false;
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

inline DarkBox darkBoundingBox(int X, int YFromTop, int Width, int Height, int Threshold = 200) {
  std::vector<unsigned char> Rgb(static_cast<size_t>(Width) * Height * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(X, GlTestWindowHeight - YFromTop - Height, Width, Height, GL_RGB, GL_UNSIGNED_BYTE,
               Rgb.data());
  DarkBox Box;
  for (int Row = 0; Row < Height; ++Row) {
    for (int Col = 0; Col < Width; ++Col) {
      const unsigned char *P = &Rgb[(static_cast<size_t>(Row) * Width + Col) * 3];
      if (P[0] >= Threshold || P[1] >= Threshold || P[2] >= Threshold)
        continue;
      int PixelX = X + Col;
      int PixelY = YFromTop + Height - 1 - Row; // rows arrive bottom first
      if (!Box.Found) {
        Box = {true, PixelX, PixelY, PixelX, PixelY};
        continue;
      }
      Box.Left = PixelX < Box.Left ? PixelX : Box.Left;
      Box.Right = PixelX > Box.Right ? PixelX : Box.Right;
      Box.Top = PixelY < Box.Top ? PixelY : Box.Top;
      Box.Bottom = PixelY > Box.Bottom ? PixelY : Box.Bottom;
    }
  }
  return Box;
}

/// The vertices a drawing call emits, captured with GL_FEEDBACK in 2D: one
/// entry per line segment end, so a loop of n vertices gives 2 n points.
inline std::vector<std::array<float, 2>> feedbackLineVertices(const std::function<void()> &Draw,
                                                              int Capacity = 200000) {
  std::vector<float> Buffer(static_cast<size_t>(Capacity));
  glFeedbackBuffer(Capacity, GL_2D, Buffer.data());
  glRenderMode(GL_FEEDBACK);
  Draw();
  int Used = glRenderMode(GL_RENDER);
  std::vector<std::array<float, 2>> Vertices;
  for (int I = 0; I < Used;) {
    int Token = static_cast<int>(Buffer[static_cast<size_t>(I++)]);
    if (Token == GL_LINE_TOKEN || Token == GL_LINE_RESET_TOKEN) {
      Vertices.push_back({Buffer[static_cast<size_t>(I)], Buffer[static_cast<size_t>(I) + 1]});
      Vertices.push_back({Buffer[static_cast<size_t>(I) + 2], Buffer[static_cast<size_t>(I) + 3]});
      I += 4;
    } else if (Token == GL_POINT_TOKEN || Token == GL_BITMAP_TOKEN ||
               Token == GL_DRAW_PIXEL_TOKEN || Token == GL_COPY_PIXEL_TOKEN) {
      I += 2;
    } else if (Token == GL_POLYGON_TOKEN) {
      int Count = static_cast<int>(Buffer[static_cast<size_t>(I++)]);
      I += 2 * Count;
    } else if (Token == GL_PASS_THROUGH_TOKEN) {
      I += 1;
    }
  }
  return Vertices;
}

#endif
