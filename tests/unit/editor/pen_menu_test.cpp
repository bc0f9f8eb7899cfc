// The pen-menu placement around the pen, kept inside the canvas.
#include <cstdint>
#include <gtest/gtest.h>

#include "editor/pen_menu.h"
#include "exec/variable_set.h"

TEST(PenMenu, SurroundsThePenAndStaysInsideTheCanvas) {
  VariableSet V;
  // Pen in the top-left cell: centre (266, 10) is clamped to (336, 80), which
  // is (80, 80) of the canvas; the stamp sits in the middle.
  auto Corners = penMenuCorners(penCentre(V));
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
  V.x().setValue(8);
  V.y().setValue(10);
  V.h().setValue(-7);
  V.v().setValue(3);
  EXPECT_EQ(penCentre(V).X, 419);
  EXPECT_EQ(penCentre(V).Y, 213);
  Corners = penMenuCorners(penCentre(V));
  EXPECT_EQ(Corners[4].X, 419 - 256 - 20);
  EXPECT_EQ(Corners[4].Y, 193);

  // Far beyond the bottom-right corner: clamped to (688, 688).
  V.x().setValue(40);
  V.y().setValue(60);
  V.h().setValue(0);
  V.v().setValue(0);
  Corners = penMenuCorners(penCentre(V));
  EXPECT_EQ(Corners[4].X, 688 - 256 - 20);
  EXPECT_EQ(Corners[4].Y, 668);
  EXPECT_EQ(Corners[3].Y, 728); // whAbs: still inside the 768 units
}

TEST(PenMenu, PenFarOffTheScreenDoesNotOverflow) {
  // Learners' Variables may hold any value; the centre saturates and the
  // menu still lands in the nearest canvas corner.
  VariableSet V;
  V.x().setValue(INT32_MAX);
  V.y().setValue(INT32_MIN);
  const IntPoint Pen = penCentre(V);
  EXPECT_EQ(Pen.X, INT32_MAX);
  EXPECT_EQ(Pen.Y, INT32_MIN);
  const auto Corners = penMenuCorners(Pen);
  EXPECT_EQ(Corners[4].X, 688 - 256 - 20);
  EXPECT_EQ(Corners[4].Y, 60);
}
