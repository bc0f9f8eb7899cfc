// A point of shape geometry, in unit-cell coordinates (-0.5 to 0.5).
#ifndef QUOVADRIN_EXEC_POINT_H
#define QUOVADRIN_EXEC_POINT_H

struct Point {
  float x = 0.0f;
  float y = 0.0f;
};

#endif
