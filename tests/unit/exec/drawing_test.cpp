// The Drawing's list: appending every kind, the one cursor for appending and
// walking, clearing, and the copies a Shape keeps of its geometry.
#include <gtest/gtest.h>
#include <vector>

#include "exec/drawing.h"

namespace {

/// The column of each Shape walked with the Drawing's own cursor.
std::vector<int> walkColumns(Drawing &D) {
  std::vector<int> Columns;
  if (!D.rewind())
    return Columns;
  do
    Columns.push_back(D.cursor()->column);
  while (D.advance());
  return Columns;
}

} // namespace

TEST(Drawing, EmptyDrawingWalksAndClearsToNothing) {
  Drawing D;
  EXPECT_EQ(D.count(), 0);
  EXPECT_EQ(D.head(), nullptr);
  EXPECT_EQ(D.rewind(), 0);
  EXPECT_EQ(D.advance(), 0);
  EXPECT_EQ(D.hasNext(), 0);
  EXPECT_EQ(D.cursor(), nullptr);
  EXPECT_EQ(D.clear(), 0);
}

TEST(Drawing, AppendMovesTheCursorAndAWalkEndsOnTheLastShape) {
  Drawing D;
  D.addSquare(1, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(D.head(), D.cursor());
  D.addCircle(2, 0, 0, 0, 1, 1, 0);
  D.addSquare(3, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(D.count(), 3);
  EXPECT_EQ(D.cursor()->column, 3);
  EXPECT_EQ(D.hasNext(), 0);

  EXPECT_EQ(D.rewind(), 1);
  EXPECT_EQ(D.cursor(), D.head());
  EXPECT_EQ(D.hasNext(), 1);
  EXPECT_EQ(walkColumns(D), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(D.cursor()->column, 3) << "a full walk rests on the last Shape";
  EXPECT_EQ(D.advance(), 0);
  EXPECT_EQ(D.cursor()->column, 3);

  D.addCircle(4, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(walkColumns(D), (std::vector<int>{1, 2, 3, 4}));
}

TEST(Drawing, AppendAfterAnUnfinishedWalkKeepsEveryShape) {
  Drawing D;
  for (int I = 1; I <= 3; ++I)
    D.addSquare(I, 0, 0, 0, 1, 1, 0);
  D.rewind(); // the cursor now rests on the first of three
  D.addCircle(4, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(D.count(), 4);
  EXPECT_EQ(walkColumns(D), (std::vector<int>{1, 2, 3, 4}));
}

TEST(Drawing, ClearDestroysAllAndTheDrawingIsReusable) {
  Drawing D;
  for (int I = 0; I < 5; ++I)
    D.addSquare(I, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(D.clear(), 1);
  EXPECT_EQ(D.count(), 0);
  EXPECT_EQ(D.head(), nullptr);
  EXPECT_EQ(D.cursor(), nullptr);
  EXPECT_EQ(D.clear(), 0);
  D.addCircle(7, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(D.count(), 1);
  EXPECT_EQ(walkColumns(D), (std::vector<int>{7}));
}

TEST(Drawing, OnlyAClearStartsANewGeneration) {
  // A view that drew the Shapes tells a grown Drawing from one that was
  // cleared and refilled to the same count by the generation alone.
  Drawing D;
  const unsigned First = D.generation();
  D.addSquare(1, 0, 0, 0, 1, 1, 0);
  D.addCircle(2, 0, 0, 0, 1, 1, 0);
  D.rewind();
  D.advance();
  EXPECT_EQ(D.generation(), First) << "appending and walking keep it";
  D.clear();
  const unsigned Second = D.generation();
  EXPECT_NE(Second, First);
  D.addSquare(3, 0, 0, 0, 1, 1, 0);
  D.addCircle(4, 0, 0, 0, 1, 1, 0);
  EXPECT_EQ(D.count(), 2);
  EXPECT_EQ(D.generation(), Second);
  EXPECT_EQ(D.clear(), 1);
  EXPECT_EQ(D.clear(), 0);
  EXPECT_NE(D.generation(), Second) << "an empty clear changes it as well";
  EXPECT_NE(D.generation(), First);
}

TEST(Drawing, CommonArgumentsLandInTheirFields) {
  Drawing D;
  // column, row, offsetX, offsetY, width, height, rotation
  D.addSquare(3, 4, -5, 6, 7, -8, 90);
  const Shape &S = *D.cursor();
  EXPECT_EQ(S.kind, ShapeKind::Square);
  EXPECT_EQ(S.column, 3);
  EXPECT_EQ(S.row, 4);
  EXPECT_EQ(S.offsetX, -5);
  EXPECT_EQ(S.offsetY, 6);
  EXPECT_EQ(S.width, 7);
  EXPECT_EQ(S.height, -8);
  EXPECT_EQ(S.rotation, 90);
  EXPECT_EQ(S.orientation, 0);
  EXPECT_EQ(S.pointCount, 0);
  EXPECT_TRUE(S.points.empty());
  EXPECT_TRUE(S.midpoints.empty());
  EXPECT_EQ(S.lineEnds[0], 0.0f);
  EXPECT_EQ(S.outline[11].y, 0.0f);
  EXPECT_EQ(S.next, nullptr);
}

TEST(Drawing, EachKindKeepsItsOwnGeometry) {
  Drawing D;
  Point Outline[12];
  for (int I = 0; I < 12; ++I)
    Outline[I] = {I * 0.01f, -I * 0.01f};
  Point Points[5] = {{0.1f, 0.2f}, {0.3f, 0.4f}, {-0.1f, -0.2f}, {9, 9}, {9, 9}};
  Point Mids[5] = {{0.2f, 0.3f}, {0.1f, 0.1f}, {0.0f, 0.0f}, {9, 9}, {9, 9}};

  D.addBlob(0, 0, 0, 0, 1, 1, 0, Outline);
  EXPECT_EQ(D.cursor()->kind, ShapeKind::Blob);
  EXPECT_EQ(D.cursor()->outline[11].y, -0.11f);

  D.addRasterLine(0, 0, 0, 0, 1, 1, 0, 1);
  EXPECT_EQ(D.cursor()->kind, ShapeKind::RasterLine);
  EXPECT_EQ(D.cursor()->orientation, 1);

  D.addFreeLine(0, 0, 0, 0, 1, 1, 0, 1, 0.1f, 0.2f, 0.3f, 0.4f);
  const Shape &Free = *D.cursor();
  EXPECT_EQ(Free.kind, ShapeKind::FreeLine);
  EXPECT_EQ(Free.orientation, 1);
  EXPECT_EQ(Free.lineEnds[0], 0.1f);
  EXPECT_EQ(Free.lineEnds[1], 0.2f);
  EXPECT_EQ(Free.lineEnds[2], 0.3f);
  EXPECT_EQ(Free.lineEnds[3], 0.4f);

  D.addSoftLine(0, 0, 0, 0, 1, 1, 0, Outline, 0);
  EXPECT_EQ(D.cursor()->kind, ShapeKind::SoftLine);
  EXPECT_EQ(D.cursor()->outline[8].x, 0.08f);

  D.addRasterPolyline(0, 0, 0, 0, 1, 1, 0, 3, Points);
  const Shape &Raster = *D.cursor();
  EXPECT_EQ(Raster.kind, ShapeKind::RasterPolyline);
  EXPECT_EQ(Raster.pointCount, 3);
  ASSERT_EQ(Raster.points.size(), 3u) << "only the first n points are copied";
  EXPECT_EQ(Raster.points[2].y, -0.2f);
  EXPECT_TRUE(Raster.midpoints.empty());

  D.addFreePolyline(0, 0, 0, 0, 1, 1, 0, 2, Points);
  EXPECT_EQ(D.cursor()->kind, ShapeKind::FreePolyline);
  EXPECT_EQ(D.cursor()->points.size(), 2u);

  D.addSoftPolyline(0, 0, 0, 0, 1, 1, 0, 3, Points, Mids);
  const Shape &Soft = *D.cursor();
  EXPECT_EQ(Soft.kind, ShapeKind::SoftPolyline);
  ASSERT_EQ(Soft.midpoints.size(), 3u);
  EXPECT_EQ(Soft.midpoints[0].x, 0.2f);

  // The Shapes own copies: changing the buffers afterwards changes nothing.
  Outline[11].y = 5;
  Points[2].y = 5;
  Mids[0].x = 5;
  EXPECT_EQ(D.head()->outline[11].y, -0.11f);
  EXPECT_EQ(Raster.points[2].y, -0.2f);
  EXPECT_EQ(Soft.midpoints[0].x, 0.2f);
  EXPECT_EQ(D.count(), 7);
}

TEST(Drawing, PolylineWithoutPointsForZeroOrNegativeN) {
  Drawing D;
  Point Points[1] = {{0.1f, 0.1f}};
  D.addRasterPolyline(0, 0, 0, 0, 1, 1, 0, 0, Points);
  EXPECT_EQ(D.cursor()->pointCount, 0);
  EXPECT_TRUE(D.cursor()->points.empty());
  D.addSoftPolyline(0, 0, 0, 0, 1, 1, 0, -4, Points, Points);
  EXPECT_EQ(D.cursor()->pointCount, 0);
  EXPECT_TRUE(D.cursor()->points.empty());
  EXPECT_TRUE(D.cursor()->midpoints.empty());
  EXPECT_EQ(D.count(), 2);
}
