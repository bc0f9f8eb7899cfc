// Shape rendering in immediate mode. Every figure is drawn in a unit box
// (-0.5 to 0.5) that is placed by column and row plus offsets, rotated about
// its centre and scaled by the shape's size in grid cells.
#include "app/shape_renderer.h"

#include <algorithm>
#include <cmath>

#include "editor/screen_space.h"
#include "exec/pen_templates.h"
#include "exec/shape.h"
#include "exec/variable_set.h"

namespace {

struct Placement {
  int Column, Row, Width, Height, OffsetX, OffsetY, Rotation;
};

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

void placeUnitBox(const Placement &P) {
  glTranslatef(P.Column * CellWidth + P.OffsetX + CellWidth * 0.5f, 0, 0);
  glTranslatef(0, P.Row * CellHeight + P.OffsetY + CellHeight * 0.5f, 0);
  glRotatef(static_cast<float>(P.Rotation), 0, 0, 1);
  glScalef(P.Width * CellWidth, P.Height * CellHeight, 1);
}

void unitSquare(GLenum Primitive) {
  glBegin(Primitive);
  glVertex2f(-0.5f, -0.5f);
  glVertex2f(-0.5f, 0.5f);
  glVertex2f(0.5f, 0.5f);
  glVertex2f(0.5f, -0.5f);
  glEnd();
}

void drawCircle() {
  glBegin(GL_LINE_LOOP);
  for (int I = 0; I < CircleVertices; ++I) {
    double A = I * 6.283185307 / CircleVertices;
    glVertex2f(static_cast<float>(0.5 * std::sin(A)), static_cast<float>(0.5 * std::cos(A)));
  }
  glEnd();
}

// A closed curve through the odd outline points, the even ones pulling it.
void drawBlob(const Point *O) {
  glBegin(GL_LINE_LOOP);
  for (int I = 0; I < 6; ++I)
    drawQuadraticBezier(O[(2 * I + 1) % 12], O[(2 * I + 2) % 12], O[(2 * I + 3) % 12]);
  glEnd();
}

void drawRasterLine(int O) {
  glBegin(GL_LINES);
  glVertex2f(O * -0.5f, (1 - O) * -0.5f);
  glVertex2f(O * 0.5f, (1 - O) * 0.5f);
  glEnd();
}

// Orientation 1 joins the top and bottom edges, 0 the left and right edges.
void drawFreeLine(int O, const float *E) {
  glBegin(GL_LINES);
  glVertex2f((1 - O) * -0.5f + O * E[0], O * -0.5f + (1 - O) * E[1]);
  glVertex2f((1 - O) * 0.5f + O * E[2], O * 0.5f + (1 - O) * E[3]);
  glEnd();
}

void drawSoftLine(const Point *O) {
  glBegin(GL_LINE_STRIP);
  for (int I = 0; I < 4; ++I)
    drawQuadraticBezier(O[2 * I], O[2 * I + 1], O[2 * I + 2]);
  glEnd();
}

void drawPolyline(const Point *P, int N) {
  glBegin(GL_LINE_LOOP);
  for (int I = 0; I < N; ++I)
    glVertex2f(P[I].x, P[I].y);
  glEnd();
}

// The arcs run from midpoint to midpoint; the loop closes from M[0] back to
// M[1] with a straight edge, so that edge is the one place it has a corner.
void drawSoftPolyline(const Point *P, const Point *M, int N) {
  glBegin(GL_LINE_LOOP);
  for (int I = 1; I < N; ++I)
    drawQuadraticBezier(M[I], P[(I + 1) % N], M[(I + 1) % N]);
  glEnd();
}

void drawFigure(const Figure &F) {
  switch (static_cast<ShapeKind>(F.Kind)) {
  case ShapeKind::Square:
    unitSquare(GL_LINE_LOOP);
    return;
  case ShapeKind::Circle:
    drawCircle();
    return;
  case ShapeKind::Blob:
    drawBlob(F.Outline);
    return;
  case ShapeKind::RasterLine:
    drawRasterLine(F.Orientation);
    return;
  case ShapeKind::FreeLine:
    drawFreeLine(F.Orientation, F.LineEnds);
    return;
  case ShapeKind::SoftLine:
    drawSoftLine(F.Outline);
    return;
  case ShapeKind::RasterPolyline:
  case ShapeKind::FreePolyline:
    drawPolyline(F.Points, F.PointCount);
    return;
  case ShapeKind::SoftPolyline:
    drawSoftPolyline(F.Points, F.Midpoints, F.PointCount);
    return;
  case ShapeKind::FilledSquare:
  case ShapeKind::FilledCircle:
  case ShapeKind::FilledBlob:
    return;
  }
}

} // namespace

void drawQuadraticBezier(Point P0, Point P1, Point P2) {
  for (int K = 0; K <= BezierSteps; ++K) {
    float T = static_cast<float>(K) / BezierSteps;
    float A = (1 - T) * (1 - T), B = 2 * T * (1 - T), C = T * T;
    glVertex3f(A * P0.x + B * P1.x + C * P2.x, A * P0.y + B * P1.y + C * P2.y, 0.0f);
  }
}

void drawShape(const Shape &S) {
  const int Kind = static_cast<int>(S.kind);
  if (!isDrawnShapeKind(Kind))
    return;
  glPushMatrix();
  glLoadIdentity();
  placeUnitBox({S.column, S.row, S.width, S.height, S.offsetX, S.offsetY, S.rotation});
  // Never read past the arrays, whatever pointCount says.
  size_t Count = std::min(static_cast<size_t>(std::max(S.pointCount, 0)), S.points.size());
  if (S.kind == ShapeKind::SoftPolyline)
    Count = std::min(Count, S.midpoints.size());
  drawFigure({Kind, S.orientation, S.outline, S.lineEnds, S.points.data(), S.midpoints.data(),
              static_cast<int>(Count)});
  glPopMatrix();
}

void drawPenMarker(GLenum Mode, const VariableSet &Vars, const PenTemplates &Templates,
                   int SelectedTool) {
  glPushMatrix();
  glColor4f(0, 0, 0, 1);
  placeUnitBox({Vars.x().value(), Vars.y().value(), Vars.dx().value(), Vars.dy().value(),
                Vars.h().value(), Vars.v().value(), Vars.d().value()});
  if (Mode == GL_SELECT) {
    unitSquare(GL_POLYGON);
    glPopMatrix();
    return;
  }
  unitSquare(GL_LINE_LOOP);
  if (SelectedTool != static_cast<int>(ShapeKind::Square) && isDrawnShapeKind(SelectedTool)) {
    drawFigure({SelectedTool, Templates.LineOrientation, Templates.Points, Templates.LineEnds,
                Templates.PolyPoints, Templates.PolyMidpoints,
                polylinePointCount(Vars.n().value())});
  }
  glPopMatrix();
}
