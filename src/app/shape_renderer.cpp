// Shape rendering in immediate mode.
#include "app/shape_renderer.h"

namespace {

/// Straight to OpenGL, inside the current modelview matrix.
class ImmediateSink final : public FigureSink {
public:
  void begin(Primitive Kind) override { glBegin(glPrimitive(Kind)); }
  void vertex(float X, float Y) override { glVertex2f(X, Y); }
  void end() override { glEnd(); }
};

} // namespace

GLenum glPrimitive(Primitive Kind) {
  switch (Kind) {
  case Primitive::Polygon:
    return GL_POLYGON;
  case Primitive::Quads:
    return GL_QUADS;
  case Primitive::Triangles:
    return GL_TRIANGLES;
  case Primitive::Lines:
    return GL_LINES;
  case Primitive::LineStrip:
    return GL_LINE_STRIP;
  case Primitive::LineLoop:
    return GL_LINE_LOOP;
  }
  return GL_POINTS;
}

// Two translations as the canvas always placed its boxes: the column, then
// the row; the product is the same matrix as one translation.
void applyPlacement(const UnitBoxPlacement &Placement) {
  glTranslatef(Placement.CentreX, 0, 0);
  glTranslatef(0, Placement.CentreY, 0);
  glRotatef(static_cast<float>(Placement.Rotation), 0, 0, 1);
  glScalef(Placement.ScaleX, Placement.ScaleY, 1);
}

void drawShape(const Shape &S) {
  if (!isDrawnShapeKind(static_cast<int>(S.kind)))
    return;
  glPushMatrix();
  glLoadIdentity();
  applyPlacement(shapePlacement(S));
  ImmediateSink Out;
  emitShapeFigure(S, Out);
  glPopMatrix();
}
