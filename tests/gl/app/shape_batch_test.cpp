// The shape batch against drawShape, compared through GL feedback: the same
// line segments, in the same order and place, for every kind, rotated and
// mirrored, for loops of two points and for many Shapes in one call; where
// each Shape's vertices lie; and a batch that never holds more than a bounded
// number of vertices.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/canvas_view.h"
#include "app/shape_batch.h"
#include "app/shape_renderer.h"
#include "editor/window_layout.h"
#include "exec/drawing.h"
#include "gl_test_support.h"

namespace {

using Segments = std::vector<std::array<float, 2>>;

class ShapeBatchTest : public testing::Test {
protected:
  void SetUp() override {
    clearToWhite();
    setCanvasView(WindowLayout(ScreenSize{GlTestWindowWidth, GlTestWindowHeight}));
  }
  /// Five feedback values per segment.
  Segments oneByOne(int Capacity = 200000) const {
    return feedbackLineVertices(
        [&] {
          for (const Shape *S = D.head(); S; S = S->next)
            drawShape(*S);
        },
        Capacity);
  }
  Segments batched(int Capacity) const {
    return feedbackLineVertices(
        [&] {
          ShapeBatch Batch;
          for (const Shape *S = D.head(); S; S = S->next)
            Batch.add(*S);
          Batch.draw();
        },
        Capacity);
  }
  void expectSameSegments(int Capacity = 200000) const {
    const Segments Expected = oneByOne(Capacity), Actual = batched(Capacity);
    ASSERT_EQ(Actual.size(), Expected.size());
    for (size_t I = 0; I < Expected.size(); ++I) {
      EXPECT_NEAR(Actual[I][0], Expected[I][0], 1e-3) << "segment end " << I;
      EXPECT_NEAR(Actual[I][1], Expected[I][1], 1e-3) << "segment end " << I;
    }
  }
  Drawing D;
};

} // namespace

TEST_F(ShapeBatchTest, EveryKindGivesTheSegmentsDrawShapeDraws) {
  Point Outline[12], Points[4] = {{-0.4f, -0.4f}, {0.4f, -0.1f}, {0, 0.4f}, {0.3f, 0.3f}};
  for (int I = 0; I < 12; ++I)
    Outline[I] = {0.4f * std::cos(I * 0.5f), 0.4f * std::sin(I * 0.5f)};
  D.addSquare(1, 1, 2, -3, 2, 1, 0);
  D.addCircle(5, 2, 0, 0, 3, 2, 30);
  D.addBlob(10, 3, 0, 0, -3, 3, 300, Outline);
  D.addRasterLine(15, 2, 0, 0, 4, 1, 45, 1);
  D.addRasterLine(15, 6, 0, 0, 4, 1, 0, 0);
  D.addFreeLine(20, 2, 0, 0, 2, 3, 0, 0, 0.1f, -0.3f, 0.2f, 0.4f);
  D.addFreeLine(20, 6, 0, 0, 2, 3, 90, 1, 0.1f, -0.3f, 0.2f, 0.4f);
  D.addSoftLine(2, 8, 0, 0, -3, 2, 10, Outline, 1);
  D.addRasterPolyline(8, 8, 0, 0, 3, 3, 0, 4, Points);
  D.addFreePolyline(14, 8, 0, 0, 2, -3, 200, 3, Points);
  D.addSoftPolyline(20, 8, 0, 0, 4, 4, 0, 4, Points, Outline);
  const Segments Expected = oneByOne();
  // 4 + 100 + 126 + 1 + 1 + 1 + 1 + 83 + 4 + 3 + 63 segments.
  EXPECT_EQ(Expected.size(), 2u * 387);
  expectSameSegments();
}

TEST_F(ShapeBatchTest, ShortLoopsAndFlatShapes) {
  Point Points[2] = {{-0.4f, 0.2f}, {0.3f, -0.2f}};
  // A loop of two points is the same line there and back; of one point,
  // nothing; a soft polyline of two points, one arc closed by a line.
  D.addRasterPolyline(3, 3, 0, 0, 2, 2, 0, 2, Points);
  D.addFreePolyline(6, 3, 0, 0, 2, 2, 0, 1, Points);
  D.addSoftPolyline(9, 3, 0, 0, 2, 2, 0, 2, Points, Points);
  D.addSquare(12, 3, 0, 0, 0, 2, 0);
  D.addCircle(15, 3, 0, 0, 2, 0, 0);
  const Segments Expected = oneByOne();
  EXPECT_EQ(Expected.size(), 2u * (2 + 21 + 4 + 100));
  expectSameSegments();
}

TEST_F(ShapeBatchTest, ALargeBatchDrawsOnItsOwnAndKeepsTheOrder) {
  for (int I = 0; I < 700; ++I)
    D.addCircle(I % 25, (I / 25) % 38, 0, 0, 1, 1, I);
  ShapeBatch Batch;
  size_t MostVertices = 0;
  for (const Shape *S = D.head(); S; S = S->next) {
    Batch.add(*S);
    MostVertices = std::max(MostVertices, Batch.vertices().size() / 2);
  }
  EXPECT_LE(MostVertices, 1u << 16) << "70,000 vertices never all at once";
  EXPECT_LT(Batch.segments().size(), 2u * 70000) << "part of them drawn already";
  expectSameSegments(400000);
}

TEST_F(ShapeBatchTest, BoundsHoldEveryPlacedVertex) {
  ShapeBatch Batch;
  EXPECT_TRUE(Batch.bounds().Empty);
  D.addSquare(2, 5, 3, -4, 3, 1, 0); // centre (53, 106), 60 x 20
  const CanvasBounds Square = Batch.add(*D.cursor());
  EXPECT_FLOAT_EQ(Square.Left, 23);
  EXPECT_FLOAT_EQ(Square.Right, 83);
  EXPECT_FLOAT_EQ(Square.Top, 96);
  EXPECT_FLOAT_EQ(Square.Bottom, 116);
  EXPECT_FLOAT_EQ(Batch.bounds().Right, 83);
  // Turned a quarter, the 60 units run down: the line's own bounds, while
  // the batch's take in both, drawn or not.
  D.addRasterLine(20, 20, 0, 0, 3, 1, 90, 1); // centre (410, 410)
  const CanvasBounds Line = Batch.add(*D.cursor());
  EXPECT_NEAR(Line.Left, 410, 1e-3);
  EXPECT_NEAR(Line.Right, 410, 1e-3);
  EXPECT_NEAR(Line.Top, 380, 1e-3);
  EXPECT_NEAR(Line.Bottom, 440, 1e-3);
  Batch.draw();
  EXPECT_TRUE(Batch.segments().empty());
  EXPECT_FLOAT_EQ(Batch.bounds().Left, 23);
  EXPECT_NEAR(Batch.bounds().Right, 410, 1e-3);
  EXPECT_FLOAT_EQ(Batch.bounds().Top, 96);
  EXPECT_NEAR(Batch.bounds().Bottom, 440, 1e-3);
  // A kind that only files know places no vertex.
  const Shape Filled(ShapeKind::FilledSquare, {2, 5, 0, 0, 1, 1, 0});
  EXPECT_TRUE(Batch.add(Filled).Empty);
  EXPECT_FLOAT_EQ(Batch.bounds().Left, 23);
}
