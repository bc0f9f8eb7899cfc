// Shape figures. Every figure is drawn in a unit box (-0.5 to 0.5) that is
// placed by column and row plus offsets, rotated about its centre and scaled
// by the shape's size in grid cells.
#include "screen/shape_figure.h"

#include <algorithm>
#include <cmath>

#include "editor/window_layout.h"
#include "exec/pen_templates.h"
#include "exec/variable_set.h"

namespace {

/// What a figure is drawn from: a stored Shape or the pen-marker templates.
struct Figure {
  int Kind;
  int Orientation;
  const Point *Outline;
  const float *LineEnds;
  const Point *Points;
  const Point *Midpoints;
  int PointCount;
};

constexpr int CircleVertices = 100;
constexpr int BezierSteps = 20;

UnitBoxPlacement placementOf(int Column, int Row, int Width, int Height, int OffsetX, int OffsetY,
                             int Rotation) {
  return {Column * CellWidth + OffsetX + CellWidth * 0.5f,
          Row * CellHeight + OffsetY + CellHeight * 0.5f, Rotation, Width * CellWidth,
          Height * CellHeight};
}

void unitSquare(FigureSink &Out, Primitive Kind) {
  Out.begin(Kind);
  Out.vertex(-0.5f, -0.5f);
  Out.vertex(-0.5f, 0.5f);
  Out.vertex(0.5f, 0.5f);
  Out.vertex(0.5f, -0.5f);
  Out.end();
}

void drawCircle(FigureSink &Out) {
  Out.begin(Primitive::LineLoop);
  for (int I = 0; I < CircleVertices; ++I) {
    double A = I * 6.283185307 / CircleVertices;
    Out.vertex(static_cast<float>(0.5 * std::sin(A)), static_cast<float>(0.5 * std::cos(A)));
  }
  Out.end();
}

void bezier(FigureSink &Out, Point P0, Point P1, Point P2) {
  for (int K = 0; K <= BezierSteps; ++K) {
    float T = static_cast<float>(K) / BezierSteps;
    float A = (1 - T) * (1 - T), B = 2 * T * (1 - T), C = T * T;
    Out.vertex(A * P0.x + B * P1.x + C * P2.x, A * P0.y + B * P1.y + C * P2.y);
  }
}

// A closed curve through the odd outline points, the even ones pulling it.
void drawBlob(FigureSink &Out, const Point *O) {
  Out.begin(Primitive::LineLoop);
  for (int I = 0; I < 6; ++I)
    bezier(Out, O[(2 * I + 1) % 12], O[(2 * I + 2) % 12], O[(2 * I + 3) % 12]);
  Out.end();
}

void drawRasterLine(FigureSink &Out, int O) {
  Out.begin(Primitive::Lines);
  Out.vertex(O * -0.5f, (1 - O) * -0.5f);
  Out.vertex(O * 0.5f, (1 - O) * 0.5f);
  Out.end();
}

// Orientation 1 joins the top and bottom edges, 0 the left and right edges.
void drawFreeLine(FigureSink &Out, int O, const float *E) {
  Out.begin(Primitive::Lines);
  Out.vertex((1 - O) * -0.5f + O * E[0], O * -0.5f + (1 - O) * E[1]);
  Out.vertex((1 - O) * 0.5f + O * E[2], O * 0.5f + (1 - O) * E[3]);
  Out.end();
}

void drawSoftLine(FigureSink &Out, const Point *O) {
  Out.begin(Primitive::LineStrip);
  for (int I = 0; I < 4; ++I)
    bezier(Out, O[2 * I], O[2 * I + 1], O[2 * I + 2]);
  Out.end();
}

void drawPolyline(FigureSink &Out, const Point *P, int N) {
  Out.begin(Primitive::LineLoop);
  for (int I = 0; I < N; ++I)
    Out.vertex(P[I].x, P[I].y);
  Out.end();
}

// The arcs run from midpoint to midpoint; the loop closes from M[0] back to
// M[1] with a straight edge, so that edge is the one place it has a corner.
void drawSoftPolyline(FigureSink &Out, const Point *P, const Point *M, int N) {
  Out.begin(Primitive::LineLoop);
  for (int I = 1; I < N; ++I)
    bezier(Out, M[I], P[(I + 1) % N], M[(I + 1) % N]);
  Out.end();
}

void drawFigure(FigureSink &Out, const Figure &F) {
  switch (static_cast<ShapeKind>(F.Kind)) {
  case ShapeKind::Square:
    unitSquare(Out, Primitive::LineLoop);
    return;
  case ShapeKind::Circle:
    drawCircle(Out);
    return;
  case ShapeKind::Blob:
    drawBlob(Out, F.Outline);
    return;
  case ShapeKind::RasterLine:
    drawRasterLine(Out, F.Orientation);
    return;
  case ShapeKind::FreeLine:
    drawFreeLine(Out, F.Orientation, F.LineEnds);
    return;
  case ShapeKind::SoftLine:
    drawSoftLine(Out, F.Outline);
    return;
  case ShapeKind::RasterPolyline:
  case ShapeKind::FreePolyline:
    drawPolyline(Out, F.Points, F.PointCount);
    return;
  case ShapeKind::SoftPolyline:
    drawSoftPolyline(Out, F.Points, F.Midpoints, F.PointCount);
    return;
  case ShapeKind::FilledSquare:
  case ShapeKind::FilledCircle:
  case ShapeKind::FilledBlob:
    return;
  }
}

/// Only where the placed vertices lie.
class BoundsSink final : public FigureSink {
public:
  explicit BoundsSink(const UnitBoxMap &GivenMap) : Map(GivenMap) {}
  void begin(Primitive) override {}
  void vertex(float X, float Y) override {
    Bounds.include(Map.Xx * X + Map.Yx * Y + Map.Cx, Map.Xy * X + Map.Yy * Y + Map.Cy);
  }
  void end() override {}

  CanvasBounds Bounds;

private:
  UnitBoxMap Map;
};

// The figure a stored Shape describes. Never reads past the arrays,
// whatever pointCount says.
Figure figureOf(const Shape &S) {
  size_t Count = std::min(static_cast<size_t>(std::max(S.pointCount, 0)), S.points.size());
  if (S.kind == ShapeKind::SoftPolyline)
    Count = std::min(Count, S.midpoints.size());
  return {static_cast<int>(S.kind), S.orientation,          S.outline, S.lineEnds, S.points.data(),
          S.midpoints.data(),       static_cast<int>(Count)};
}

} // namespace

UnitBoxPlacement shapePlacement(const Shape &S) {
  return placementOf(S.column, S.row, S.width, S.height, S.offsetX, S.offsetY, S.rotation);
}

UnitBoxPlacement penPlacement(const VariableSet &Vars) {
  return placementOf(Vars.x().value(), Vars.y().value(), Vars.dx().value(), Vars.dy().value(),
                     Vars.h().value(), Vars.v().value(), Vars.d().value());
}

// The product of the translation, rotation and scaling, with the rotation's
// sine and cosine taken as OpenGL's glRotatef takes them.
UnitBoxMap unitBoxMap(const UnitBoxPlacement &P) {
  const float Radians = static_cast<float>(P.Rotation * M_PI / 180.0);
  const float Sin = std::sin(Radians), Cos = std::cos(Radians);
  return {Cos * P.ScaleX, Sin * P.ScaleX, -Sin * P.ScaleY, Cos * P.ScaleY, P.CentreX, P.CentreY};
}

UnitBoxMap unitBoxMap(const Shape &S) { return unitBoxMap(shapePlacement(S)); }

void emitShapeFigure(const Shape &S, FigureSink &Out) {
  if (isDrawnShapeKind(static_cast<int>(S.kind)))
    drawFigure(Out, figureOf(S));
}

// The marker's frame, then the figure of the selected tool from the
// templates (the square adds nothing to the frame).
void emitPenMarker(FigureSink &Out, const VariableSet &Vars, const PenTemplates &Templates,
                   int SelectedTool) {
  unitSquare(Out, Primitive::LineLoop);
  if (SelectedTool == static_cast<int>(ShapeKind::Square) || !isDrawnShapeKind(SelectedTool))
    return;
  drawFigure(Out,
             {SelectedTool, Templates.LineOrientation, Templates.Points, Templates.LineEnds,
              Templates.PolyPoints, Templates.PolyMidpoints, polylinePointCount(Vars.n().value())});
}

void emitPenMarkerArea(FigureSink &Out) { unitSquare(Out, Primitive::Polygon); }

CanvasBounds penMarkerBounds(const VariableSet &Vars, const PenTemplates &Templates,
                             int SelectedTool) {
  BoundsSink Out(unitBoxMap(penPlacement(Vars)));
  emitPenMarker(Out, Vars, Templates, SelectedTool);
  return Out.Bounds;
}
