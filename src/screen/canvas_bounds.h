// A rectangle of the canvas in layout units that grows to take in points:
// where figures have put their lines, so that the shape layer needs to lay
// only that part of itself over a frame.
#ifndef QUOVADRIN_SCREEN_CANVAS_BOUNDS_H
#define QUOVADRIN_SCREEN_CANVAS_BOUNDS_H

#include <algorithm>

struct CanvasBounds {
  bool Empty = true;
  float Left = 0, Top = 0, Right = 0, Bottom = 0;

  void include(float X, float Y) {
    if (Empty) {
      *this = {false, X, Y, X, Y};
      return;
    }
    Left = std::min(Left, X);
    Top = std::min(Top, Y);
    Right = std::max(Right, X);
    Bottom = std::max(Bottom, Y);
  }

  void include(const CanvasBounds &Other) {
    if (Other.Empty)
      return;
    include(Other.Left, Other.Top);
    include(Other.Right, Other.Bottom);
  }
};

#endif
