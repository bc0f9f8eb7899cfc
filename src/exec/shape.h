// One figure of the picture: its kind, its place on the canvas grid and the
// random geometry made once when it was created, in unit-cell coordinates
// (-0.5 to 0.5 around its centre). The renderer reads the fields directly.
#ifndef QUOVADRIN_EXEC_SHAPE_H
#define QUOVADRIN_EXEC_SHAPE_H

#include <vector>

#include "exec/point.h"
#include "model/command.h"

/// Number of outline points a Shape carries (a Blob uses all, a SoftLine 9).
constexpr int ShapeOutlineSize = 12;

/// Where a Shape sits: the common arguments of every add operation, in their
/// order (column, row, offsetX, offsetY, width, height, rotation).
struct ShapePlacement {
  int Column = 0;
  int Row = 0;
  int OffsetX = 0;
  int OffsetY = 0;
  int Width = 0;
  int Height = 0;
  int Rotation = 0;
};

class Shape {
public:
  Shape(ShapeKind Kind, const ShapePlacement &Place);
  ~Shape();
  // A Shape belongs to exactly one Drawing through its next link.
  Shape(const Shape &) = delete;
  Shape &operator=(const Shape &) = delete;

  /// Copies \p Count points (none when Count <= 0) into the owned points
  /// array, and the midpoints too when given; sets pointCount.
  void takePoints(int Count, const Point *Points, const Point *Midpoints);

  ShapeKind kind;
  /// Raster, free and soft lines: 1 or 0, the line orientation when made.
  int orientation = 0;
  int column;
  int row;
  int width;
  int height;
  int offsetX;
  int offsetY;
  int rotation;
  /// Polylines: the number of points (and midpoints for a soft polyline).
  int pointCount = 0;
  Point outline[ShapeOutlineSize];
  /// Free line: first end x, first end y, second end x, second end y.
  float lineEnds[4] = {};
  std::vector<Point> points;
  std::vector<Point> midpoints;
  /// The following Shape of the Drawing; the Drawing owns the chain.
  Shape *next = nullptr;
};

#endif
