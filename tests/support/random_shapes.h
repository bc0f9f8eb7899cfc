// A Drawing of many random Shapes for the tests: a seeded program whose
// every pass draws each kind once at a random cell, size and rotation.
#ifndef QUOVADRIN_TESTS_RANDOM_SHAPES_H
#define QUOVADRIN_TESTS_RANDOM_SHAPES_H

#include "exec/immediate_run.h"
#include "exec/session.h"
#include "model/algorithm.h"
#include "model/variable.h"

/// Appends a loop of \p Passes passes to the Algorithm of \p S and runs it
/// at once: nine Shapes a pass, sizes from -3 to 4 cells across and -2 to 3
/// down (mirrored and flat ones included), any rotation, polylines of 2 to 9
/// points.
inline void drawRandomShapes(Session &S, int Passes) {
  VariableSet &V = S.variables();
  Algorithm &A = S.algorithm();
  A.appendRepeatStart(Passes);
  const struct {
    Variable *Target;
    int Lower, Upper;
  } Ranges[] = {{&V.x(), 0, 24},  {&V.y(), 0, 37},  {&V.dx(), -3, 4},
                {&V.dy(), -2, 3}, {&V.d(), 0, 359}, {&V.n(), 2, 9}};
  for (const auto &R : Ranges) {
    A.appendArithmetic(&V.min(), ArithmeticOp::Give, R.Lower);
    A.appendArithmetic(&V.max(), ArithmeticOp::Give, R.Upper);
    A.appendRandom(R.Target, &V.max(), &V.min());
  }
  for (int Kind : {1, 2, 3, 7, 8, 9, 10, 11, 12})
    A.appendDraw(Kind);
  A.appendRepeatEnd();
  runWholeAlgorithm(S);
}

#endif
