// Rectangles of canvas pixels, for laying parts of a canvas-sized texture
// over the canvas one texel on one pixel: x from the left and y from the
// bottom as OpenGL counts them, the right and top edges excluded.
#ifndef QUOVADRIN_APP_CANVAS_PIXELS_H
#define QUOVADRIN_APP_CANVAS_PIXELS_H

#include <vector>

#include "app/panel_view.h"
#include "screen/canvas_bounds.h"

struct PixelRect {
  int Left = 0, Bottom = 0, Right = 0, Top = 0;

  bool empty() const { return Left >= Right || Bottom >= Top; }
  bool operator==(const PixelRect &Other) const {
    return Left == Other.Left && Bottom == Other.Bottom && Right == Other.Right && Top == Other.Top;
  }
};

/// The pixels of the canvas \p Canvas that \p Bounds (layout units, y
/// downwards) touches when widened by \p Margin pixels on every side, cut
/// to the canvas. Empty bounds touch none.
PixelRect pixelsCovering(const CanvasBounds &Bounds, const PanelRect &Canvas, float Margin);
PixelRect intersection(const PixelRect &A, const PixelRect &B);
/// The pixels of \p A outside \p B, as at most four rectangles that do not
/// overlap: the rows below and above \p B, then the parts left and right
/// of it.
std::vector<PixelRect> difference(const PixelRect &A, const PixelRect &B);

#endif
