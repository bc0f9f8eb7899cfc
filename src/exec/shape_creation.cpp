// Shapes from draw commands, via the shared template buffers.
#include "exec/shape_creation.h"

#include <algorithm>

#include "app/app_state.h"
#include "exec/drawing.h"
#include "exec/shape_geometry.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

void toggleLineOrientation() { app.lineOrientation = (app.lineOrientation + 1) % 2; }

ShapePlacement currentPlacement() {
  return {app.x->value(), app.y->value(),  app.h->value(), app.v->value(),
          app.dx->value(), app.dy->value(), app.d->value()};
}

} // namespace

int polylinePointCount(int N) { return std::clamp(N, 0, TemplatePolyCapacity); }

int fillShapeTemplate(ShapeKind Kind) {
  switch (Kind) {
  case ShapeKind::Square:
  case ShapeKind::Circle:
  case ShapeKind::FilledSquare:
  case ShapeKind::FilledCircle:
  case ShapeKind::FilledBlob:
    return 0;
  case ShapeKind::Blob:
    generateBlobOutline(app.templatePoints);
    return 0;
  case ShapeKind::RasterLine:
    toggleLineOrientation();
    return 0;
  case ShapeKind::FreeLine:
    generateFreeLineEnds(app.templateLineEnds);
    toggleLineOrientation();
    return 0;
  case ShapeKind::SoftLine:
    generateSoftLineOutline(app.templatePoints);
    toggleLineOrientation();
    return 0;
  case ShapeKind::RasterPolyline: {
    int N = polylinePointCount(app.n->value());
    generateRasterPolyline(app.templatePolyPoints, N);
    return N;
  }
  case ShapeKind::FreePolyline: {
    int N = polylinePointCount(app.n->value());
    generateFreePolyline(app.templatePolyPoints, N);
    return N;
  }
  case ShapeKind::SoftPolyline: {
    int N = polylinePointCount(app.n->value());
    generateSoftPolyline(app.templatePolyPoints, app.templatePolyMidpoints, N);
    return N;
  }
  }
  return 0;
}

void createShapeForCurrent() {
  if (!app.algorithm || !app.drawing)
    return;
  const Command *Current = app.algorithm->current();
  if (!Current || Current->kind() != CommandKind::Draw)
    return;
  const ShapeKind Kind = static_cast<ShapeKind>(Current->value());
  const ShapePlacement P = currentPlacement();
  Drawing &D = *app.drawing;
  switch (Kind) {
  case ShapeKind::FilledSquare:
  case ShapeKind::FilledCircle:
  case ShapeKind::FilledBlob:
    return;
  case ShapeKind::Square:
    D.addSquare(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation);
    return;
  case ShapeKind::Circle:
    D.addCircle(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation);
    return;
  case ShapeKind::Blob:
    fillShapeTemplate(Kind);
    D.addBlob(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation,
              app.templatePoints);
    return;
  case ShapeKind::RasterLine:
    fillShapeTemplate(Kind);
    D.addRasterLine(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation,
                    app.lineOrientation);
    return;
  case ShapeKind::FreeLine: {
    fillShapeTemplate(Kind);
    // The template keeps the ends in draw order; the Shape pairs them up as
    // first x, first y, second x, second y.
    const float *E = app.templateLineEnds;
    D.addFreeLine(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation,
                  app.lineOrientation, E[0], E[2], E[1], E[3]);
    return;
  }
  case ShapeKind::SoftLine:
    fillShapeTemplate(Kind);
    D.addSoftLine(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation,
                  app.templatePoints, app.lineOrientation);
    return;
  case ShapeKind::RasterPolyline: {
    int N = fillShapeTemplate(Kind);
    D.addRasterPolyline(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, N,
                        app.templatePolyPoints);
    return;
  }
  case ShapeKind::FreePolyline: {
    int N = fillShapeTemplate(Kind);
    D.addFreePolyline(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, N,
                      app.templatePolyPoints);
    return;
  }
  case ShapeKind::SoftPolyline: {
    int N = fillShapeTemplate(Kind);
    D.addSoftPolyline(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, N,
                      app.templatePolyPoints, app.templatePolyMidpoints);
    return;
  }
  }
}
