// The tool panel's decorative outlines: the same pattern at every start,
// drawn from a generator of their own in the state 1.
#include <gtest/gtest.h>

#include "screen/tool_panel_background.h"

TEST(BackgroundRectangles, SamePatternAtEveryStart) {
  const auto First = backgroundRectangles();
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
