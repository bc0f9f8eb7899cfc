// Template generation by shape kind.
#include "exec/pen_templates.h"

#include <algorithm>

#include "exec/shape_geometry.h"

namespace {

void toggleLineOrientation(PenTemplates &T) { T.LineOrientation = (T.LineOrientation + 1) % 2; }

} // namespace

int polylinePointCount(int N) { return std::clamp(N, 0, TemplatePolyCapacity); }

int fillShapeTemplate(PenTemplates &T, ShapeKind Kind, int N, RandomSource &Random) {
  switch (Kind) {
  case ShapeKind::Square:
  case ShapeKind::Circle:
  case ShapeKind::FilledSquare:
  case ShapeKind::FilledCircle:
  case ShapeKind::FilledBlob:
    return 0;
  case ShapeKind::Blob:
    generateBlobOutline(Random, T.Points);
    return 0;
  case ShapeKind::RasterLine:
    toggleLineOrientation(T);
    return 0;
  case ShapeKind::FreeLine:
    generateFreeLineEnds(Random, T.LineEnds);
    toggleLineOrientation(T);
    return 0;
  case ShapeKind::SoftLine:
    generateSoftLineOutline(Random, T.Points);
    toggleLineOrientation(T);
    return 0;
  case ShapeKind::RasterPolyline: {
    const int Count = polylinePointCount(N);
    generateRasterPolyline(Random, T.PolyPoints, Count);
    return Count;
  }
  case ShapeKind::FreePolyline: {
    const int Count = polylinePointCount(N);
    generateFreePolyline(Random, T.PolyPoints, Count);
    return Count;
  }
  case ShapeKind::SoftPolyline: {
    const int Count = polylinePointCount(N);
    generateSoftPolyline(Random, T.PolyPoints, T.PolyMidpoints, Count);
    return Count;
  }
  }
  return 0;
}
