// Random shape geometry pinned to seed 1, whose draws are 41, 18467, 6334,
// 26500, 19169, 15724, 11478, 29358, 26962, 24464, 5705, 28145, ... (worked
// out from state := state * 214013 + 2531011 mod 2^32, output bits 16 to 30).
// Every expected value below is computed by hand from those draws, so a
// changed draw order or formula fails; the next draw after each figure shows
// that it took exactly the draws it should.
#include <gtest/gtest.h>

#include "exec/random.h"
#include "exec/shape_geometry.h"

namespace {

constexpr float Tolerance = 1e-6f;

void expectPoint(const Point &P, double X, double Y, const char *What) {
  EXPECT_NEAR(P.x, X, Tolerance) << What;
  EXPECT_NEAR(P.y, Y, Tolerance) << What;
}

} // namespace

TEST(ShapeGeometry, SeedOneDrawsTheKnownSequence) {
  RandomGenerator R(1);
  const int Expected[] = {41,   18467, 6334,  26500, 19169, 15724, 11478, 29358, 26962, 24464,
                          5705, 28145, 23281, 16827, 9961,  491,   2995,  11942, 4827,  5436};
  for (int Value : Expected)
    EXPECT_EQ(R.nextRandom(), Value);
}

TEST(ShapeGeometry, BlobOutlineFromSeedOne) {
  // P0 = (41 mod 10 * 0.01, 0.5) = (0.01, 0.5)
  // P3 = (18467 mod 10 * 0.01, -0.5) = (0.07, -0.5)
  // P1 = (34/250 + 0.1, 0/250 + 0.1) = (0.236, 0.1)          from 6334, 26500
  // P2 = (69/250 + 0.1, -24/250 - 0.1) = (0.376, -0.196)     from 19169, 15724
  // P4 = (-78/250 - 0.1, -58/250 - 0.1) = (-0.412, -0.332)   from 11478, 29358
  // P5 = (-62/250 - 0.1, 64/250 + 0.1) = (-0.348, 0.356)     from 26962, 24464
  // Midpoints: M01 = (0.123, 0.3), M12 = (0.306, -0.048), M23 = (0.223, -0.348),
  // M34 = (-0.171, -0.416), M45 = (-0.38, 0.012), M50 = (-0.169, 0.428).
  RandomGenerator R(1);
  Point O[12];
  generateBlobOutline(R, O);
  expectPoint(O[0], 0.01, 0.5, "P0");
  expectPoint(O[1], 0.123, 0.3, "M01");
  expectPoint(O[2], 0.236, 0.1, "P1");
  expectPoint(O[3], 0.306, -0.048, "M12");
  expectPoint(O[4], 0.376, -0.196, "P2");
  expectPoint(O[5], 0.223, -0.348, "M23");
  expectPoint(O[6], 0.07, -0.5, "P3");
  expectPoint(O[7], -0.171, -0.416, "M34");
  expectPoint(O[8], -0.412, -0.332, "P4");
  expectPoint(O[9], -0.38, 0.012, "M45");
  expectPoint(O[10], -0.348, 0.356, "P5");
  expectPoint(O[11], -0.169, 0.428, "M50");
  EXPECT_EQ(R.nextRandom(), 5705) << "a blob takes ten draws";
}

TEST(ShapeGeometry, BlobTopAndBottomStayNearTheAxis) {
  RandomGenerator R(20240611u);
  for (int Round = 0; Round < 500; ++Round) {
    Point O[12];
    generateBlobOutline(R, O);
    ASSERT_EQ(O[0].y, 0.5f);
    ASSERT_EQ(O[6].y, -0.5f);
    ASSERT_GE(O[0].x, 0.0f);
    ASSERT_LE(O[0].x, 0.09f + Tolerance);
    ASSERT_GE(O[6].x, 0.0f);
    ASSERT_LE(O[6].x, 0.09f + Tolerance);
    // The side control points keep their quadrants, at least 0.1 off the axes.
    ASSERT_GE(O[2].x, 0.1f - Tolerance);
    ASSERT_GE(O[2].y, 0.1f - Tolerance);
    ASSERT_LE(O[8].x, -0.1f + Tolerance);
    ASSERT_LE(O[8].y, -0.1f + Tolerance);
  }
}

TEST(ShapeGeometry, FreeLineEndsInDrawOrder) {
  // 41, 18467, 6334, 26500 mod 100 = 41, 67, 34, 0; times 0.01 minus 0.5.
  RandomGenerator R(1);
  float Ends[4];
  generateFreeLineEnds(R, Ends);
  EXPECT_NEAR(Ends[0], -0.09, Tolerance);
  EXPECT_NEAR(Ends[1], 0.17, Tolerance);
  EXPECT_NEAR(Ends[2], -0.16, Tolerance);
  EXPECT_NEAR(Ends[3], -0.5, Tolerance);
  EXPECT_EQ(R.nextRandom(), 19169);
}

TEST(ShapeGeometry, SoftLineFromSeedOne) {
  // Q(k).x = (draw mod 10) * k / 50 - 0.5, Q(k).y = (draw mod 30) / 30 - 0.5:
  // k=0: x from 41 (replaced by -0.5), y 18467 mod 30 = 17 -> 0.0666667
  // k=1: 6334 mod 10 = 4 -> -0.42;  26500 mod 30 = 10 -> -0.1666667
  // k=2: 19169 -> 9 -> -0.14;       15724 mod 30 = 4 -> -0.3666667
  // k=3: 11478 -> 8 -> -0.02;       29358 mod 30 = 18 -> 0.1
  // k=4: 26962 -> 2 -> -0.34;       24464 mod 30 = 14 -> -0.0333333
  // k=5: x from 5705 (replaced by 0.5), 28145 mod 30 = 5 -> -0.3333333
  // M12 = (-0.28, -0.2666667), M23 = (-0.08, -0.1333333), M34 = (-0.18, 0.0333333)
  RandomGenerator R(1);
  Point O[12];
  O[9] = O[10] = O[11] = {7.0f, 7.0f};
  generateSoftLineOutline(R, O);
  expectPoint(O[0], -0.5, 17 / 30.0 - 0.5, "Q0");
  expectPoint(O[1], -0.42, 10 / 30.0 - 0.5, "Q1");
  expectPoint(O[2], -0.28, -0.8 / 3, "M12");
  expectPoint(O[3], -0.14, 4 / 30.0 - 0.5, "Q2");
  expectPoint(O[4], -0.08, -0.4 / 3, "M23");
  expectPoint(O[5], -0.02, 0.1, "Q3");
  expectPoint(O[6], -0.18, 0.1 / 3, "M34");
  expectPoint(O[7], -0.34, 14 / 30.0 - 0.5, "Q4");
  expectPoint(O[8], 0.5, 5 / 30.0 - 0.5, "Q5");
  expectPoint(O[9], 7, 7, "unused entries keep their values");
  expectPoint(O[11], 7, 7, "unused entries keep their values");
  EXPECT_EQ(R.nextRandom(), 23281) << "a soft line takes twelve draws";
}

TEST(ShapeGeometry, SoftLineAlwaysSpansTheCell) {
  RandomGenerator R(77u);
  for (int Round = 0; Round < 500; ++Round) {
    Point O[12];
    generateSoftLineOutline(R, O);
    ASSERT_EQ(O[0].x, -0.5f);
    ASSERT_EQ(O[8].x, 0.5f);
  }
}

TEST(ShapeGeometry, RasterPolylineCornersFromSeedOne) {
  // Random points at 0 and 2: (41, 67) and (34, 0) mod 100, times 0.01 - 0.5.
  // Corner 1 = (x of 0, y of 2); with n = 4 corner 3 = (x of 2, y of 0).
  RandomGenerator R(1);
  Point P[4];
  generateRasterPolyline(R, P, 4);
  expectPoint(P[0], -0.09, 0.17, "random 0");
  expectPoint(P[1], -0.09, -0.5, "corner 1");
  expectPoint(P[2], -0.16, -0.5, "random 2");
  expectPoint(P[3], -0.16, 0.17, "corner 3 leads back to point 0");
  EXPECT_EQ(R.nextRandom(), 19169);

  // n = 5 adds random point 4 = (69, 24) -> (0.19, -0.26); corner 3 meets it.
  R.seed(1);
  Point Q[5];
  generateRasterPolyline(R, Q, 5);
  expectPoint(Q[1], -0.09, -0.5, "corner 1");
  expectPoint(Q[3], -0.16, -0.26, "corner 3");
  expectPoint(Q[4], 0.19, -0.26, "random 4");
  EXPECT_EQ(R.nextRandom(), 11478);
}

TEST(ShapeGeometry, RasterPolylineOfTwentySevenHasFourteenRandomPoints) {
  RandomGenerator R(5u);
  Point P[27];
  generateRasterPolyline(R, P, 27);
  R.seed(5u);
  for (int I = 0; I < 27; I += 2) {
    // The 14 random points use two draws each, x first.
    float X = static_cast<float>(R.nextRandom() % 100 * 0.01 - 0.5);
    float Y = static_cast<float>(R.nextRandom() % 100 * 0.01 - 0.5);
    EXPECT_EQ(P[I].x, X) << I;
    EXPECT_EQ(P[I].y, Y) << I;
  }
  for (int I = 1; I < 27; I += 2) {
    // The 13 corners go straight up or down, then across.
    EXPECT_EQ(P[I].x, P[I - 1].x) << I;
    EXPECT_EQ(P[I].y, P[I + 1].y) << I;
  }
}

TEST(ShapeGeometry, FreeAndSoftPolylinesFromSeedOne) {
  // Points (41, 67), (34, 0), (69, 24) mod 100, times 0.01 - 0.5.
  RandomGenerator R(1);
  Point P[3];
  generateFreePolyline(R, P, 3);
  expectPoint(P[0], -0.09, 0.17, "P0");
  expectPoint(P[1], -0.16, -0.5, "P1");
  expectPoint(P[2], 0.19, -0.26, "P2");
  EXPECT_EQ(R.nextRandom(), 11478);

  // Midpoints: (P0 + P1) / 2 = (-0.125, -0.165), (P1 + P2) / 2 = (0.015, -0.38),
  // and the last one back to P0: (P2 + P0) / 2 = (0.05, -0.045).
  R.seed(1);
  Point S[3];
  Point M[3];
  generateSoftPolyline(R, S, M, 3);
  expectPoint(S[2], 0.19, -0.26, "same points as a free polyline");
  expectPoint(M[0], -0.125, -0.165, "M0");
  expectPoint(M[1], 0.015, -0.38, "M1");
  expectPoint(M[2], 0.05, -0.045, "M2");
  EXPECT_EQ(R.nextRandom(), 11478) << "midpoints cost no draws";
}

TEST(ShapeGeometry, OnePointSoftPolylineAndEmptyPolylines) {
  RandomGenerator R(1);
  Point P[1];
  Point M[1];
  generateSoftPolyline(R, P, M, 1);
  expectPoint(P[0], -0.09, 0.17, "the one point");
  EXPECT_EQ(M[0].x, P[0].x);
  EXPECT_EQ(M[0].y, P[0].y);

  // No points: nothing is written and nothing is drawn.
  R.seed(1);
  Point Untouched[1] = {{3.0f, 3.0f}};
  generateRasterPolyline(R, Untouched, 0);
  generateFreePolyline(R, Untouched, -2);
  generateSoftPolyline(R, Untouched, Untouched, -1);
  expectPoint(Untouched[0], 3, 3, "no point written");
  EXPECT_EQ(R.nextRandom(), 41);
}

TEST(ShapeGeometry, RandomCoordinatesStayInsideTheCell) {
  RandomGenerator R(99u);
  Point P[400];
  Point M[400];
  generateSoftPolyline(R, P, M, 400);
  for (int I = 0; I < 400; ++I) {
    ASSERT_GE(P[I].x, -0.5f);
    ASSERT_LE(P[I].x, 0.49f + Tolerance);
    ASSERT_GE(P[I].y, -0.5f);
    ASSERT_LE(P[I].y, 0.49f + Tolerance);
  }
}
