// The tool panel's decorative rectangles and the pen-menu placement.
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/screen_geometry.h"
#include "exec/random.h"
#include "model/variable.h"

TEST(BackgroundRectangles, ComeFromTheInitialGeneratorStateAtEveryStart) {
  seedRandom(987654u);
  const uint32_t Before = randomState();
  const auto First = backgroundRectangles();
  EXPECT_EQ(randomState(), Before);
  seedRandom(1);
  nextRandom();
  const auto Second = backgroundRectangles();
  for (int I = 0; I < BackgroundRectangleCount; ++I)
    for (int C = 0; C < 4; ++C) {
      EXPECT_EQ(First[I][C].x, Second[I][C].x);
      EXPECT_EQ(First[I][C].y, Second[I][C].y);
    }
  // The draws from state 1 are 41, 18467, 6334, 26500, then 19169, 15724,
  // 11478, 29358. Rectangle 0: X = 1 * 9.7 + 10, Y = 27 * 1.65 + 10,
  // A = 4 * 194 / 30 exceeds X and becomes X, B = 0.
  const Point Expected0[4] = {{29.7f, 64.55f}, {29.7f, 64.55f}, {29.7f, 10}, {29.7f, 10}};
  // Rectangle 1: X = 9 * 9.7 + 10, Y = 4 * 1.65 + 10, A = 8 * 194 / 30,
  // B = 8 * 2.2 exceeds Y and becomes Y.
  const Point Expected1[4] = {
      {107.3f, 26.6f}, {61.7333f, 26.6f}, {61.7333f, 26.6f}, {107.3f, 26.6f}};
  for (int C = 0; C < 4; ++C) {
    EXPECT_NEAR(First[0][C].x, Expected0[C].x, 1e-3);
    EXPECT_NEAR(First[0][C].y, Expected0[C].y, 1e-3);
    EXPECT_NEAR(First[1][C].x, Expected1[C].x, 1e-3);
    EXPECT_NEAR(First[1][C].y, Expected1[C].y, 1e-3);
  }
}

TEST(PenMenu, SurroundsThePenAndStaysInsideTheCanvas) {
  createFixedVariables();
  // Pen in the top-left cell: centre (266, 10) is clamped to (336, 80), which
  // is (80, 80) of the canvas; the stamp sits in the middle.
  auto Corners = penMenuCorners(penCentre());
  EXPECT_EQ(Corners[4].X + PenMenuButtonSide / 2, 80);
  EXPECT_EQ(Corners[4].Y + PenMenuButtonSide / 2, 80);
  EXPECT_EQ(Corners[0].X, 30); // xyAbs
  EXPECT_EQ(Corners[0].Y, 0);
  EXPECT_EQ(Corners[5].X, 100); // xyRel
  EXPECT_EQ(Corners[1].X, 0);   // hvAbs
  EXPECT_EQ(Corners[1].Y, 40);
  EXPECT_EQ(Corners[2].X, 120); // dAbs
  EXPECT_EQ(Corners[6].Y, 80);  // hvRel
  EXPECT_EQ(Corners[7].X, 120); // dRel
  EXPECT_EQ(Corners[3].Y, 120); // whAbs
  EXPECT_EQ(Corners[8].X, 100); // whRel
  EXPECT_EQ(Corners[8].Y, 120);

  // Inside the canvas the centre follows column, row and offsets:
  // px = -7 + 8 * 20 + 10 + 256 = 419, py = 3 + 10 * 20 + 10 = 213.
  app.x->setValue(8);
  app.y->setValue(10);
  app.h->setValue(-7);
  app.v->setValue(3);
  EXPECT_EQ(penCentre().X, 419);
  EXPECT_EQ(penCentre().Y, 213);
  Corners = penMenuCorners(penCentre());
  EXPECT_EQ(Corners[4].X, 419 - 256 - 20);
  EXPECT_EQ(Corners[4].Y, 193);

  // Far beyond the bottom-right corner: clamped to (688, 688).
  app.x->setValue(40);
  app.y->setValue(60);
  app.h->setValue(0);
  app.v->setValue(0);
  Corners = penMenuCorners(penCentre());
  EXPECT_EQ(Corners[4].X, 688 - 256 - 20);
  EXPECT_EQ(Corners[4].Y, 668);
  EXPECT_EQ(Corners[3].Y, 728); // whAbs: still inside the 768 units
}
