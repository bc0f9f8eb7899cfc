// The geometry the pen marker previews: the last blob or soft-line outline,
// free-line ends and polyline points that were generated, and the direction
// the next line takes. Making a Shape and choosing a tool both refresh it by
// the same rules, so the marker always shows a figure of the selected kind.
#ifndef QUOVADRIN_EXEC_PEN_TEMPLATES_H
#define QUOVADRIN_EXEC_PEN_TEMPLATES_H

#include "exec/point.h"
#include "model/command.h"

class RandomSource;

/// Capacity of the polyline point buffers.
constexpr int TemplatePolyCapacity = 400;

struct PenTemplates {
  /// Blob outline (12 points) or soft-line outline (the first 9).
  Point Points[12];
  /// Free-line ends in the order they were drawn.
  float LineEnds[4] = {};
  Point PolyPoints[TemplatePolyCapacity];
  Point PolyMidpoints[TemplatePolyCapacity];
  /// 0 or 1; toggled before each raster, free or soft line is made.
  int LineOrientation = 0;
};

/// The number of polyline points made for a Variable n of \p N: the buffers
/// hold TemplatePolyCapacity, and N <= 0 makes none.
int polylinePointCount(int N);

/// Regenerates the templates for \p Kind as a new Shape of that kind would:
/// blob and soft line outlines into Points, free-line ends into LineEnds,
/// polylines of \p N points into PolyPoints (and PolyMidpoints); the three
/// line kinds toggle LineOrientation last. Squares, circles and the filled
/// kinds have no template. Returns the number of polyline points made (0 for
/// the other kinds).
int fillShapeTemplate(PenTemplates &T, ShapeKind Kind, int N, RandomSource &Random);

#endif
