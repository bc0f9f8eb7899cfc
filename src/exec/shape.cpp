// Shapes: placement and the copies of their generated points.
#include "exec/shape.h"

Shape::Shape(ShapeKind Kind, const ShapePlacement &Place)
    : kind(Kind), column(Place.Column), row(Place.Row), width(Place.Width), height(Place.Height),
      offsetX(Place.OffsetX), offsetY(Place.OffsetY), rotation(Place.Rotation) {}

Shape::~Shape() = default;

void Shape::takePoints(int Count, const Point *Points, const Point *Midpoints) {
  if (Count <= 0) {
    pointCount = 0;
    return;
  }
  pointCount = Count;
  points.assign(Points, Points + Count);
  if (Midpoints)
    midpoints.assign(Midpoints, Midpoints + Count);
}
