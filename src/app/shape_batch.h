// Many Shapes drawn with one OpenGL call: their figures are placed on the
// canvas here and handed over as one list of line segments. On the software
// renderer a call per Shape, each with its own matrix, adds about a fifth to
// the cost of the lines; the shape layer fills its texture this way.
#ifndef QUOVADRIN_APP_SHAPE_BATCH_H
#define QUOVADRIN_APP_SHAPE_BATCH_H

#include <GL/gl.h>
#include <vector>

#include "screen/shape_figure.h"

class ShapeBatch final : public FigureSink {
public:
  /// Collects the segments of \p S in drawing order, as drawShape would
  /// draw them, and returns where its vertices lie. A large batch draws what
  /// it holds on its own.
  CanvasBounds add(const Shape &S);
  /// Draws the collected segments in the current colour under the current
  /// matrices (the canvas projection, an identity modelview) and empties
  /// the batch.
  void draw();

  void begin(Primitive Kind) override;
  void vertex(float X, float Y) override;
  void end() override;

  /// The collected segments: pairs of vertex indices.
  const std::vector<GLuint> &segments() const { return Segments; }
  /// The collected vertices, x and y in canvas units.
  const std::vector<GLfloat> &vertices() const { return Vertices; }
  /// Where every vertex added so far lies, drawn or not.
  const CanvasBounds &bounds() const { return Bounds; }

private:
  GLuint vertexCount() const { return static_cast<GLuint>(Vertices.size() / 2); }
  void segment(GLuint From, GLuint To);

  UnitBoxMap Map{};
  Primitive Figure = Primitive::Lines;
  GLuint FigureStart = 0;
  std::vector<GLfloat> Vertices;
  std::vector<GLuint> Segments;
  CanvasBounds Bounds;
  /// The vertices of the Shape being added.
  CanvasBounds Added;
};

#endif
