// The batch turns every primitive a figure is made of into the segments
// OpenGL would draw for it, in the same order, so that one GL_LINES call
// blends each segment where the primitives would have.
#include "app/shape_batch.h"

#include "exec/shape.h"

namespace {

/// Vertices held before the batch draws on its own: a few hundred Shapes,
/// so a Drawing of any size needs only a bounded buffer.
constexpr size_t BatchVertices = 1 << 16;

} // namespace

CanvasBounds ShapeBatch::add(const Shape &S) {
  Map = unitBoxMap(S);
  Added = CanvasBounds();
  emitShapeFigure(S, *this);
  Bounds.include(Added);
  if (vertexCount() >= BatchVertices)
    draw();
  return Added;
}

void ShapeBatch::begin(Primitive Kind) {
  Figure = Kind;
  FigureStart = vertexCount();
}

void ShapeBatch::vertex(float X, float Y) {
  const float CanvasX = Map.Xx * X + Map.Yx * Y + Map.Cx;
  const float CanvasY = Map.Xy * X + Map.Yy * Y + Map.Cy;
  Vertices.push_back(CanvasX);
  Vertices.push_back(CanvasY);
  Added.include(CanvasX, CanvasY);
}

void ShapeBatch::segment(GLuint From, GLuint To) {
  Segments.push_back(From);
  Segments.push_back(To);
}

// Separate lines take the vertices pairwise (an odd last one is dropped), a
// strip joins each to the next, and a loop also joins the last to the
// first: with two vertices that is the same line twice, as OpenGL draws it.
void ShapeBatch::end() {
  const GLuint Last = vertexCount();
  if (Last - FigureStart < 2)
    return;
  if (Figure == Primitive::Lines) {
    for (GLuint I = FigureStart; I + 1 < Last; I += 2)
      segment(I, I + 1);
    return;
  }
  if (Figure != Primitive::LineStrip && Figure != Primitive::LineLoop)
    return;
  for (GLuint I = FigureStart; I + 1 < Last; ++I)
    segment(I, I + 1);
  if (Figure == Primitive::LineLoop)
    segment(Last - 1, FigureStart);
}

void ShapeBatch::draw() {
  if (!Segments.empty()) {
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, Vertices.data());
    glDrawElements(GL_LINES, static_cast<GLsizei>(Segments.size()), GL_UNSIGNED_INT,
                   Segments.data());
    glPopClientAttrib();
  }
  Vertices.clear();
  Segments.clear();
}
