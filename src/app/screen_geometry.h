// The computed parts of the screen layout, kept free of GL so that they can be
// checked without a display: the decorative rectangles of the tool panel's
// background and the corners of the pen menu around the pen.
#ifndef QUOVADRIN_APP_SCREEN_GEOMETRY_H
#define QUOVADRIN_APP_SCREEN_GEOMETRY_H

#include <array>

#include "exec/point.h"

constexpr int BackgroundRectangleCount = 20;

/// One decorative outline: its four corners in drawing order.
using OutlineCorners = std::array<Point, 4>;

/// The twenty outlines of the tool panel's background. They are drawn from the
/// generator's initial state (1), whatever it holds now, so every start shows
/// the same pattern; the generator's state is left as it was.
std::array<OutlineCorners, BackgroundRectangleCount> backgroundRectangles();

/// Number of pen-menu Buttons and their side.
constexpr int PenMenuSize = 9;
constexpr int PenMenuButtonSide = 40;

struct IntPoint {
  int X, Y;
};

/// The pen centre in whole-screen layout units: column, row and offsets of
/// the Variables x, y, h, v, truncated to int.
IntPoint penCentre();

/// Top-left corners (canvas units) of the pen-menu Buttons in the order xyAbs,
/// hvAbs, dAbs, whAbs, stamp, xyRel, hvRel, dRel, whRel, around the pen centre
/// \p Pen (whole-screen layout units), kept 80 units inside the canvas.
std::array<IntPoint, PenMenuSize> penMenuCorners(IntPoint Pen);

#endif
