// Shapes from draw commands, via the Session's pen templates.
#include "exec/shape_creation.h"

#include "exec/session.h"

namespace {

ShapePlacement currentPlacement(const VariableSet &V) {
  return {V.x().value(),  V.y().value(),  V.h().value(), V.v().value(),
          V.dx().value(), V.dy().value(), V.d().value()};
}

} // namespace

int fillToolTemplate(Session &S, ShapeKind Kind) {
  return fillShapeTemplate(S.templates(), Kind, S.variables().n().value(), S.random());
}

void createShapeForCurrent(Session &S) {
  const Command *Current = S.algorithm().current();
  if (!Current || Current->kind() != CommandKind::Draw)
    return;
  const ShapeKind Kind = static_cast<ShapeKind>(Current->value());
  const ShapePlacement P = currentPlacement(S.variables());
  const PenTemplates &T = S.templates();
  Drawing &D = S.drawing();
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
    fillToolTemplate(S, Kind);
    D.addBlob(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, T.Points);
    return;
  case ShapeKind::RasterLine:
    fillToolTemplate(S, Kind);
    D.addRasterLine(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation,
                    T.LineOrientation);
    return;
  case ShapeKind::FreeLine: {
    fillToolTemplate(S, Kind);
    // The template keeps the ends in draw order; the Shape pairs them up as
    // first x, first y, second x, second y.
    const float *E = T.LineEnds;
    D.addFreeLine(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation,
                  T.LineOrientation, E[0], E[2], E[1], E[3]);
    return;
  }
  case ShapeKind::SoftLine:
    fillToolTemplate(S, Kind);
    D.addSoftLine(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, T.Points,
                  T.LineOrientation);
    return;
  case ShapeKind::RasterPolyline: {
    const int N = fillToolTemplate(S, Kind);
    D.addRasterPolyline(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, N,
                        T.PolyPoints);
    return;
  }
  case ShapeKind::FreePolyline: {
    const int N = fillToolTemplate(S, Kind);
    D.addFreePolyline(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, N,
                      T.PolyPoints);
    return;
  }
  case ShapeKind::SoftPolyline: {
    const int N = fillToolTemplate(S, Kind);
    D.addSoftPolyline(P.Column, P.Row, P.OffsetX, P.OffsetY, P.Width, P.Height, P.Rotation, N,
                      T.PolyPoints, T.PolyMidpoints);
    return;
  }
  }
}
