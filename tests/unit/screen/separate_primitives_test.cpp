// The frame taken apart for a batching back end: the placement agrees with
// the shape figures' own map (two derivations of the desktop's matrix
// stack), and a real frame's filled parts keep their area and its lines
// their length when they become separate triangles and segments.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "editor_fixture.h"
#include "exec/example_algorithm.h"
#include "screen/screen_frame.h"
#include "screen/separate_primitives.h"
#include "screen/shape_figure.h"

namespace {

/// Twice the signed area of a polygon (shoelace), in placed coordinates.
double doubledArea(const std::vector<DrawVertex> &Corners) {
  double Sum = 0;
  for (size_t I = 0; I < Corners.size(); ++I) {
    const DrawVertex &A = Corners[I], &B = Corners[(I + 1) % Corners.size()];
    Sum += static_cast<double>(A.X) * B.Y - static_cast<double>(B.X) * A.Y;
  }
  return Sum;
}

double length(const DrawVertex &A, const DrawVertex &B) {
  return std::hypot(static_cast<double>(A.X) - B.X, static_cast<double>(A.Y) - B.Y);
}

std::vector<DrawVertex> placedCorners(const DrawVertex *First, uint32_t Count,
                                      const AffineMap &Map) {
  std::vector<DrawVertex> Out;
  for (uint32_t I = 0; I < Count; ++I) {
    DrawVertex V = First[I];
    V.X = Map.Xx * First[I].X + Map.Yx * First[I].Y + Map.Tx;
    V.Y = Map.Xy * First[I].X + Map.Yy * First[I].Y + Map.Ty;
    Out.push_back(V);
  }
  return Out;
}

/// What a primitive covers: the area of its filled parts, or the length of
/// its lines, computed from its own definition.
double extentOf(const DrawVertex *Vertices, uint32_t Count, Primitive Kind, const AffineMap &Map) {
  const std::vector<DrawVertex> P = placedCorners(Vertices, Count, Map);
  double Sum = 0;
  switch (Kind) {
  case Primitive::Polygon:
    return std::fabs(doubledArea(P)) / 2;
  case Primitive::Quads:
    for (uint32_t I = 0; I + 4 <= Count; I += 4)
      Sum += std::fabs(doubledArea({P[I], P[I + 1], P[I + 2], P[I + 3]})) / 2;
    return Sum;
  case Primitive::Triangles:
    for (uint32_t I = 0; I + 3 <= Count; I += 3)
      Sum += std::fabs(doubledArea({P[I], P[I + 1], P[I + 2]})) / 2;
    return Sum;
  case Primitive::Lines:
    for (uint32_t I = 0; I + 2 <= Count; I += 2)
      Sum += length(P[I], P[I + 1]);
    return Sum;
  case Primitive::LineStrip:
  case Primitive::LineLoop:
    for (uint32_t I = 0; I + 1 < Count; ++I)
      Sum += length(P[I], P[I + 1]);
    if (Kind == Primitive::LineLoop && Count > 2)
      Sum += length(P[Count - 1], P[0]);
    return Sum;
  }
  return 0;
}

/// The same measure of separate triangles or segments.
double extentOfSeparate(const std::vector<DrawVertex> &Out, bool Lines) {
  double Sum = 0;
  const size_t Step = Lines ? 2 : 3;
  EXPECT_EQ(Out.size() % Step, 0u);
  for (size_t I = 0; I + Step <= Out.size(); I += Step)
    Sum += Lines ? length(Out[I], Out[I + 1])
                 : std::fabs(doubledArea({Out[I], Out[I + 1], Out[I + 2]})) / 2;
  return Sum;
}

/// Every primitive command of \p Frame, of which there are at least \p Least.
void expectSameExtent(const DrawList &Frame, int Least) {
  int Checked = 0;
  for (const DrawCommand &Command : Frame.Commands) {
    if (Command.Kind != DrawCommandKind::Primitives)
      continue;
    const AffineMap Map = placementOf(Command.Matrix);
    std::vector<DrawVertex> Out;
    appendAsSeparate(Frame.verticesOf(Command), Command.VertexCount, Command.Shape, Map, Out);
    const double Expected =
        extentOf(Frame.verticesOf(Command), Command.VertexCount, Command.Shape, Map);
    EXPECT_NEAR(extentOfSeparate(Out, isLineKind(Command.Shape)), Expected, 1e-3 * (1 + Expected))
        << "command " << Checked << " of kind " << static_cast<int>(Command.Shape);
    ++Checked;
  }
  EXPECT_GE(Checked, Least);
}

} // namespace

TEST(SeparatePrimitives, PlacementAgreesWithTheShapeFiguresMap) {
  for (int Rotation = -720; Rotation <= 720; Rotation += 15) {
    const UnitBoxPlacement Box{37.5f, -12.0f, Rotation, 20.0f, -60.0f};
    const UnitBoxMap Figure = unitBoxMap(Box);
    DrawTransform Matrix;
    Matrix.TranslateX = Box.CentreX;
    Matrix.TranslateY = Box.CentreY;
    Matrix.Turned = true;
    Matrix.Rotation = Rotation;
    Matrix.ScaleX = Box.ScaleX;
    Matrix.ScaleY = Box.ScaleY;
    const AffineMap Map = placementOf(Matrix);
    EXPECT_NEAR(Map.Xx, Figure.Xx, 1e-4) << Rotation;
    EXPECT_NEAR(Map.Xy, Figure.Xy, 1e-4) << Rotation;
    EXPECT_NEAR(Map.Yx, Figure.Yx, 1e-4) << Rotation;
    EXPECT_NEAR(Map.Yy, Figure.Yy, 1e-4) << Rotation;
    EXPECT_FLOAT_EQ(Map.Tx, Figure.Cx);
    EXPECT_FLOAT_EQ(Map.Ty, Figure.Cy);
  }
}

TEST(SeparatePrimitives, TheStartFrameKeepsItsAreasAndLengths) {
  EditorFixture F;
  appendExampleBlock(F.Work.algorithm(), F.Work.variables());
  DrawList Frame;
  buildFrame(Frame, F.Work, F.State);
  expectSameExtent(Frame, 90);
}

TEST(SeparatePrimitives, ATurnedPenMarkerKeepsItsLengths) {
  EditorFixture F;
  F.Work.variables().d().setValue(33);
  F.State.Tools.SelectedTool = ShapeKind::SoftPolyline;
  DrawList Frame;
  buildCanvasPicture(Frame, F.Work, F.State, true);
  // The grid, the marker's frame and its figure.
  expectSameExtent(Frame, 3);
}

TEST(SeparatePrimitives, IncompletePartsAreDropped) {
  const DrawVertex Five[5] = {
      {0, 0, 0, 0, {}}, {1, 0, 0, 0, {}}, {1, 1, 0, 0, {}}, {0, 1, 0, 0, {}}, {2, 2, 0, 0, {}}};
  std::vector<DrawVertex> Out;
  appendAsSeparate(Five, 5, Primitive::Quads, AffineMap(), Out);
  EXPECT_EQ(Out.size(), 6u);
  Out.clear();
  appendAsSeparate(Five, 5, Primitive::Triangles, AffineMap(), Out);
  EXPECT_EQ(Out.size(), 3u);
  Out.clear();
  appendAsSeparate(Five, 5, Primitive::Lines, AffineMap(), Out);
  EXPECT_EQ(Out.size(), 4u);
  Out.clear();
  appendAsSeparate(Five, 2, Primitive::LineLoop, AffineMap(), Out);
  EXPECT_EQ(Out.size(), 2u);
}
