// Figures for the icon painter as inside-tests in design units: discs, rings,
// strokes along polylines and curves, filled polygons, rounded rectangles,
// and their unions and differences.
#ifndef QUOVADRIN_TOOLS_IMAGES_SHAPES_H
#define QUOVADRIN_TOOLS_IMAGES_SHAPES_H

#include <vector>

#include "canvas.h"

struct Vec {
  float X, Y;
};

using Path = std::vector<Vec>;

InsideFn disc(Vec Centre, float Radius);
InsideFn ellipse(Vec Centre, float RadiusX, float RadiusY);
/// The band of half-width \p HalfWidth around a circle.
InsideFn ring(Vec Centre, float Radius, float HalfWidth);
/// A stroke along \p Points with round joins and ends.
InsideFn stroke(const Path &Points, float HalfWidth, bool Closed = false);
/// The inside of a polygon (even-odd rule).
InsideFn polygon(const Path &Points);
InsideFn rectangle(float X0, float Y0, float X1, float Y1);
InsideFn roundedRectangle(float X0, float Y0, float X1, float Y1, float Radius);
InsideFn unite(InsideFn A, InsideFn B);
InsideFn subtract(InsideFn A, InsideFn B);
/// The stroke around the outline of a rounded rectangle.
InsideFn roundedFrame(float X0, float Y0, float X1, float Y1, float Radius, float HalfWidth);

/// Points of a quadratic Bezier curve, \p Steps segments.
Path quadraticBezier(Vec P0, Vec P1, Vec P2, int Steps = 24);
/// A smooth curve through the midpoints of the control polygon, each arc using
/// a control point as its middle point; closed curves join back to the start.
Path smoothCurve(const Path &Controls, bool Closed);
/// A solid arrow head at \p Tip pointing along the direction from \p From.
InsideFn arrowHead(Vec From, Vec Tip, float Length, float HalfWidth);
/// An arc of a circle from angle \p A0 to \p A1 (radians, y downwards).
Path arc(Vec Centre, float Radius, float A0, float A1, int Steps = 48);

#endif
