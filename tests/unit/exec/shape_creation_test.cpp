// Shapes made from draw commands: placement from the Variables, the geometry
// through the template buffers, the toggled line orientation, the kinds that
// make nothing, and polylines at the edges of n.
#include <gtest/gtest.h>

#include "exec/pen_templates.h"
#include "exec/random.h"
#include "exec/session.h"
#include "exec/shape_creation.h"

namespace {

/// Makes the only Command a draw command of \p Kind and creates its Shape.
const Shape *createOne(Session &S, int Kind) {
  S.algorithm().appendDraw(Kind);
  int Before = S.drawing().count();
  createShapeForCurrent(S);
  return S.drawing().count() > Before ? S.drawing().cursor() : nullptr;
}

void setPen(Session &S, int X, int Y, int Dx, int Dy, int H, int V, int D, int N) {
  VariableSet &Vars = S.variables();
  Vars.x().setValue(X);
  Vars.y().setValue(Y);
  Vars.dx().setValue(Dx);
  Vars.dy().setValue(Dy);
  Vars.h().setValue(H);
  Vars.v().setValue(V);
  Vars.d().setValue(D);
  Vars.n().setValue(N);
}

} // namespace

TEST(ShapeCreation, PlacementComesFromTheVariables) {
  Session S(1);
  setPen(S, 3, 4, 2, 5, -7, 8, 45, 27);
  const Shape *Sq = createOne(S, 1);
  ASSERT_NE(Sq, nullptr);
  EXPECT_EQ(Sq->kind, ShapeKind::Square);
  EXPECT_EQ(Sq->column, 3);
  EXPECT_EQ(Sq->row, 4);
  EXPECT_EQ(Sq->width, 2);
  EXPECT_EQ(Sq->height, 5);
  EXPECT_EQ(Sq->offsetX, -7);
  EXPECT_EQ(Sq->offsetY, 8);
  EXPECT_EQ(Sq->rotation, 45);
  EXPECT_EQ(Sq->pointCount, 0) << "n is read for polylines only";
}

TEST(ShapeCreation, NothingForOtherCommandsFilledKindsAndUnknownValues) {
  Session S(1);
  createShapeForCurrent(S); // no current Command
  S.algorithm().appendArithmetic(&S.variables().x(), ArithmeticOp::Add, 1);
  createShapeForCurrent(S);
  for (int Kind : {4, 5, 6, 0, 13, -1})
    EXPECT_EQ(createOne(S, Kind), nullptr) << Kind;
  EXPECT_EQ(S.drawing().count(), 0);
  EXPECT_EQ(S.random().nextRandom(), 41) << "no geometry was drawn";
}

TEST(ShapeCreation, SquaresRepeatWhileBlobsDiffer) {
  Session S(1);
  setPen(S, 1, 2, 3, 4, 5, 6, 7, 27);
  const Shape *A = createOne(S, 1);
  const Shape *B = createOne(S, 1);
  ASSERT_TRUE(A && B);
  EXPECT_EQ(A->column, B->column);
  EXPECT_EQ(A->rotation, B->rotation);
  for (int I = 0; I < 12; ++I)
    EXPECT_EQ(A->outline[I].x, B->outline[I].x);

  const Shape *C = createOne(S, 3);
  const Shape *D = createOne(S, 3);
  ASSERT_TRUE(C && D);
  EXPECT_EQ(C->column, D->column);
  int Different = 0;
  for (int I = 0; I < 12; ++I)
    Different += C->outline[I].x != D->outline[I].x || C->outline[I].y != D->outline[I].y;
  EXPECT_GT(Different, 0);
}

TEST(ShapeCreation, BlobFillsThePenMarkerTemplate) {
  Session S(1);
  const Shape *Blob = createOne(S, 3);
  ASSERT_NE(Blob, nullptr);
  // Seed 1: P0 = (0.01, 0.5), P1 = (0.236, 0.1) (see the geometry tests).
  EXPECT_NEAR(Blob->outline[0].x, 0.01, 1e-6);
  EXPECT_NEAR(Blob->outline[2].x, 0.236, 1e-6);
  for (int I = 0; I < 12; ++I) {
    EXPECT_EQ(S.templates().Points[I].x, Blob->outline[I].x);
    EXPECT_EQ(S.templates().Points[I].y, Blob->outline[I].y);
  }
}

TEST(ShapeCreation, RasterLinesAlternateTheirOrientation) {
  Session S(1);
  std::vector<int> Orientations;
  for (int I = 0; I < 4; ++I)
    Orientations.push_back(createOne(S, 7)->orientation);
  EXPECT_EQ(Orientations, (std::vector<int>{1, 0, 1, 0}));
  EXPECT_EQ(S.templates().LineOrientation, 0);
  EXPECT_EQ(S.random().nextRandom(), 41) << "a raster line draws nothing";
}

TEST(ShapeCreation, FreeLinePairsItsEndsAndToggles) {
  Session S(1);
  // Seed 1: r1..r4 = -0.09, 0.17, -0.16, -0.5. The template keeps the draw
  // order; the Shape's ends are (r1, r3, r2, r4).
  const Shape *Free = createOne(S, 8);
  ASSERT_NE(Free, nullptr);
  EXPECT_EQ(Free->orientation, 1);
  EXPECT_NEAR(Free->lineEnds[0], -0.09, 1e-6);
  EXPECT_NEAR(Free->lineEnds[1], -0.16, 1e-6);
  EXPECT_NEAR(Free->lineEnds[2], 0.17, 1e-6);
  EXPECT_NEAR(Free->lineEnds[3], -0.5, 1e-6);
  EXPECT_NEAR(S.templates().LineEnds[1], 0.17, 1e-6);
  EXPECT_NEAR(S.templates().LineEnds[2], -0.16, 1e-6);
  // Lines of all three kinds share one orientation.
  EXPECT_EQ(createOne(S, 7)->orientation, 0);
  EXPECT_EQ(createOne(S, 9)->orientation, 1);
}

TEST(ShapeCreation, SoftLineFromTheTemplate) {
  Session S(1);
  const Shape *Soft = createOne(S, 9);
  ASSERT_NE(Soft, nullptr);
  EXPECT_EQ(Soft->orientation, 1);
  EXPECT_EQ(Soft->outline[0].x, -0.5f);
  EXPECT_EQ(Soft->outline[8].x, 0.5f);
  // Seed 1: Q1 = (-0.42, -0.1666667) and M12 = (-0.28, -0.2666667).
  EXPECT_NEAR(Soft->outline[1].x, -0.42, 1e-6);
  EXPECT_NEAR(Soft->outline[2].y, -0.8 / 3, 1e-6);
  EXPECT_EQ(S.templates().Points[5].x, Soft->outline[5].x);
}

TEST(ShapeCreation, PolylinesTakeNPointsFromTheTemplate) {
  Session S(1);
  setPen(S, 0, 0, 1, 1, 0, 0, 0, 27);
  const Shape *Raster = createOne(S, 10);
  ASSERT_NE(Raster, nullptr);
  EXPECT_EQ(Raster->pointCount, 27);
  ASSERT_EQ(Raster->points.size(), 27u);
  EXPECT_TRUE(Raster->midpoints.empty());
  // Seed 1: random points 0 and 2 are (-0.09, 0.17) and (-0.16, -0.5).
  EXPECT_NEAR(Raster->points[1].x, -0.09, 1e-6);
  EXPECT_NEAR(Raster->points[1].y, -0.5, 1e-6);
  int Corners = 0;
  for (int I = 1; I < 27; I += 2)
    Corners += Raster->points[I].x == Raster->points[I - 1].x &&
               Raster->points[I].y == Raster->points[I + 1].y;
  EXPECT_EQ(Corners, 13);

  S.variables().n().setValue(1);
  const Shape *Soft = createOne(S, 12);
  ASSERT_EQ(Soft->points.size(), 1u);
  ASSERT_EQ(Soft->midpoints.size(), 1u);
  EXPECT_EQ(Soft->midpoints[0].x, Soft->points[0].x);
  EXPECT_EQ(Soft->midpoints[0].y, Soft->points[0].y);

  S.variables().n().setValue(6);
  const Shape *Free = createOne(S, 11);
  ASSERT_EQ(Free->pointCount, 6);
  for (int I = 0; I < 6; ++I)
    EXPECT_EQ(Free->points[I].x, S.templates().PolyPoints[I].x);
}

TEST(ShapeCreation, EvenRasterPolylineEndsOnTheYOfItsFirstPoint) {
  Session S(1);
  S.templates().PolyPoints[4] = {0.3f, 0.3f}; // left over from an earlier figure
  S.variables().n().setValue(4);
  const Shape *Raster = createOne(S, 10);
  ASSERT_EQ(Raster->pointCount, 4);
  EXPECT_EQ(Raster->points[3].x, Raster->points[2].x);
  EXPECT_EQ(Raster->points[3].y, Raster->points[0].y);
}

TEST(ShapeCreation, PolylinesWithoutPointsOrBeyondTheBuffer) {
  Session S(1);
  for (int N : {0, -5}) {
    S.variables().n().setValue(N);
    for (int Kind : {10, 11, 12}) {
      const Shape *P = createOne(S, Kind);
      ASSERT_NE(P, nullptr) << "a polyline Shape is made even without points";
      EXPECT_EQ(P->pointCount, 0);
      EXPECT_TRUE(P->points.empty());
    }
  }
  EXPECT_EQ(S.random().nextRandom(), 41);

  // n above the 400-point buffers: 400 points are made and nothing beyond
  // the point buffer is written (the midpoint buffer lies right behind it).
  S.random().seed(1);
  S.variables().n().setValue(1000);
  for (Point &M : S.templates().PolyMidpoints)
    M = {9.0f, 9.0f};
  const Shape *Raster = createOne(S, 10);
  EXPECT_EQ(Raster->pointCount, TemplatePolyCapacity);
  EXPECT_EQ(Raster->points.size(), 400u);
  EXPECT_EQ(S.templates().PolyMidpoints[0].x, 9.0f);
  const Shape *Soft = createOne(S, 12);
  EXPECT_EQ(Soft->pointCount, 400);
  EXPECT_EQ(Soft->midpoints.size(), 400u);
}

TEST(ShapeCreation, ToolTemplatesFollowTheShapeRules) {
  Session S(1);
  EXPECT_EQ(fillToolTemplate(S, ShapeKind::Square), 0);
  EXPECT_EQ(fillToolTemplate(S, ShapeKind::Circle), 0);
  EXPECT_EQ(S.random().nextRandom(), 41) << "squares and circles have no template";

  S.random().seed(1);
  fillToolTemplate(S, ShapeKind::FreeLine);
  EXPECT_NEAR(S.templates().LineEnds[0], -0.09, 1e-6);
  EXPECT_NEAR(S.templates().LineEnds[1], 0.17, 1e-6);
  EXPECT_EQ(S.templates().LineOrientation, 1);

  S.variables().n().setValue(4);
  EXPECT_EQ(fillToolTemplate(S, ShapeKind::RasterPolyline), 4);
  EXPECT_EQ(S.templates().PolyPoints[3].y, S.templates().PolyPoints[0].y);
  EXPECT_EQ(S.drawing().count(), 0) << "a template alone makes no Shape";
}

TEST(ShapeCreation, TemplatesNeedNoSessionOnlyAGenerator) {
  // The pen marker's preview fills templates of its own the same way.
  PenTemplates T;
  RandomGenerator R(1);
  EXPECT_EQ(fillShapeTemplate(T, ShapeKind::FreePolyline, 3, R), 3);
  EXPECT_NEAR(T.PolyPoints[2].x, 0.19, 1e-6) << "the third point of seed 1";
  EXPECT_EQ(R.nextRandom(), 11478) << "three points take six draws";
  EXPECT_EQ(fillShapeTemplate(T, ShapeKind::SoftPolyline, 1000, R), TemplatePolyCapacity);
  EXPECT_EQ(fillShapeTemplate(T, ShapeKind::RasterLine, 5, R), 0);
  EXPECT_EQ(T.LineOrientation, 1);

  EXPECT_EQ(polylinePointCount(-1), 0);
  EXPECT_EQ(polylinePointCount(0), 0);
  EXPECT_EQ(polylinePointCount(TemplatePolyCapacity), TemplatePolyCapacity);
  EXPECT_EQ(polylinePointCount(TemplatePolyCapacity + 1), TemplatePolyCapacity);
}
