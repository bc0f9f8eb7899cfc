// Primitives taken apart into triangles and segments.
#include "screen/separate_primitives.h"

#include <cmath>

namespace {

constexpr float DegreesToRadians = 3.14159265358979f / 180.0f;

DrawVertex placed(const DrawVertex &Vertex, const AffineMap &Map) {
  DrawVertex Moved = Vertex;
  Moved.X = Map.Xx * Vertex.X + Map.Yx * Vertex.Y + Map.Tx;
  Moved.Y = Map.Xy * Vertex.X + Map.Yy * Vertex.Y + Map.Ty;
  return Moved;
}

// A convex polygon of Count corners from First: triangles around its first.
void appendFan(const DrawVertex *First, uint32_t Count, const AffineMap &Map,
               std::vector<DrawVertex> &Out) {
  for (uint32_t I = 1; I + 1 < Count; ++I) {
    Out.push_back(placed(First[0], Map));
    Out.push_back(placed(First[I], Map));
    Out.push_back(placed(First[I + 1], Map));
  }
}

void appendSegment(const DrawVertex &From, const DrawVertex &To, const AffineMap &Map,
                   std::vector<DrawVertex> &Out) {
  Out.push_back(placed(From, Map));
  Out.push_back(placed(To, Map));
}

} // namespace

AffineMap placementOf(const DrawTransform &Matrix) {
  float Cos = 1, Sin = 0;
  if (Matrix.Turned) {
    const float Angle = static_cast<float>(Matrix.Rotation) * DegreesToRadians;
    Cos = std::cos(Angle);
    Sin = std::sin(Angle);
  }
  AffineMap Map;
  Map.Xx = Cos * Matrix.ScaleX;
  Map.Xy = Sin * Matrix.ScaleX;
  Map.Yx = -Sin * Matrix.ScaleY;
  Map.Yy = Cos * Matrix.ScaleY;
  Map.Tx = Matrix.TranslateX;
  Map.Ty = Matrix.TranslateY;
  return Map;
}

bool isLineKind(Primitive Kind) {
  return Kind == Primitive::Lines || Kind == Primitive::LineStrip || Kind == Primitive::LineLoop;
}

void appendAsSeparate(const DrawVertex *Vertices, uint32_t Count, Primitive Kind,
                      const AffineMap &Map, std::vector<DrawVertex> &Out) {
  switch (Kind) {
  case Primitive::Polygon:
    appendFan(Vertices, Count, Map, Out);
    return;
  case Primitive::Quads:
    for (uint32_t First = 0; First + 4 <= Count; First += 4)
      appendFan(Vertices + First, 4, Map, Out);
    return;
  case Primitive::Triangles:
    for (uint32_t I = 0; I < Count - Count % 3; ++I)
      Out.push_back(placed(Vertices[I], Map));
    return;
  case Primitive::Lines:
    for (uint32_t I = 0; I + 2 <= Count; I += 2)
      appendSegment(Vertices[I], Vertices[I + 1], Map, Out);
    return;
  case Primitive::LineStrip:
  case Primitive::LineLoop:
    for (uint32_t I = 0; I + 1 < Count; ++I)
      appendSegment(Vertices[I], Vertices[I + 1], Map, Out);
    if (Kind == Primitive::LineLoop && Count > 2)
      appendSegment(Vertices[Count - 1], Vertices[0], Map, Out);
    return;
  }
}
