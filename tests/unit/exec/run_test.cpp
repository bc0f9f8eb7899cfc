// Animated runs driven by hand on a Session: loop semantics and arithmetic
// within a run, the start on a draw command, the normal end against the
// abort, and the pace (the step delay). What the window sees of a run is
// the editor's, and is tested there.
#include <climits>
#include <gtest/gtest.h>

#include "exec/run.h"
#include "exec/session.h"
#include "session_run.h"

namespace {

Variable *counterOf(Session &S, int StartNumber) {
  return S.algorithm().lookup(StartNumber)->target();
}

} // namespace

TEST(AnimatedRun, LoopsRepeatTheirBodies) {
  {
    // Three passes leave x = 3 and the counter at 0.
    Session S(1);
    VariableSet &V = S.variables();
    S.algorithm().appendRepeatStart(3);
    S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 1);
    S.algorithm().appendRepeatEnd();
    ASSERT_TRUE(runToEnd(S).Ended);
    EXPECT_EQ(V.x().value(), 3);
    EXPECT_EQ(counterOf(S, 1)->value(), 0);
  }
  {
    // Nested 2 x 3 adds 6.
    Session S(1);
    VariableSet &V = S.variables();
    S.algorithm().appendRepeatStart(2);
    S.algorithm().appendRepeatStart(3);
    S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 1);
    S.algorithm().appendRepeatEnd();
    S.algorithm().appendRepeatEnd();
    ASSERT_TRUE(runToEnd(S).Ended);
    EXPECT_EQ(V.x().value(), 6);
  }
}

TEST(AnimatedRun, CountsOfOneZeroAndBelowRunOnceAndTheRunGoesOn) {
  for (int Count : {1, 0, -4}) {
    Session S(1);
    VariableSet &V = S.variables();
    S.algorithm().appendRepeatStart(Count);
    S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 1);
    S.algorithm().appendRepeatEnd();
    S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 100);
    S.algorithm().appendDraw(2);
    ASSERT_TRUE(runToEnd(S).Ended);
    EXPECT_EQ(V.x().value(), 101) << "count " << Count;
    ASSERT_EQ(S.drawing().count(), 1) << "count " << Count;
    EXPECT_EQ(S.drawing().head()->column, 101);
  }
}

TEST(AnimatedRun, DivisionAndRandomValuesWithinARun) {
  Session S(1);
  VariableSet &V = S.variables();
  V.x().setValue(-7);
  V.y().setValue(12);
  S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Divide, 2);
  S.algorithm().appendArithmetic(&V.y(), ArithmeticOp::Divide, 0);
  S.algorithm().appendArithmetic(&V.max(), ArithmeticOp::Give, 5);
  S.algorithm().appendArithmetic(&V.min(), ArithmeticOp::Give, 5);
  S.algorithm().appendRandom(&V.h(), &V.max(), &V.min());
  ASSERT_TRUE(runToEnd(S).Ended);
  EXPECT_EQ(V.x().value(), -3) << "truncates toward zero";
  EXPECT_EQ(V.y().value(), 12) << "division by zero changes nothing";
  EXPECT_EQ(V.h().value(), 0) << "equal bounds give 0";
  EXPECT_EQ(S.random().nextRandom(), 41) << "equal bounds take no draw";
}

TEST(AnimatedRun, RandomValuesLieBetweenMinAndMaxMinusOne) {
  Session S(1);
  VariableSet &V = S.variables();
  S.algorithm().appendArithmetic(&V.max(), ArithmeticOp::Give, 18);
  S.algorithm().appendArithmetic(&V.min(), ArithmeticOp::Give, 8);
  S.algorithm().appendRepeatStart(2000);
  S.algorithm().appendRandom(&V.x(), &V.max(), &V.min());
  S.algorithm().appendDraw(1);
  S.algorithm().appendRepeatEnd();
  ASSERT_TRUE(runToEnd(S).Ended);
  ASSERT_EQ(S.drawing().count(), 2000);
  int Lowest = INT_MAX;
  int Highest = INT_MIN;
  for (const Shape *Sq : shapesOf(S.drawing())) {
    Lowest = std::min(Lowest, Sq->column);
    Highest = std::max(Highest, Sq->column);
  }
  EXPECT_EQ(Lowest, 8);
  EXPECT_EQ(Highest, 17);
}

TEST(AnimatedRun, EmptyAlgorithmEndsAtTheFirstStep) {
  Session S(1);
  EXPECT_TRUE(startRun(S));
  EXPECT_EQ(S.run().Start, -1);
  EXPECT_TRUE(S.run().active());
  EXPECT_EQ(stepRun(S).Kind, StepKind::NoCurrent);
  EXPECT_EQ(S.run().Start, 0);
  EXPECT_EQ(S.algorithm().current(), nullptr);
  // Without a run a step does nothing.
  S.algorithm().appendDraw(1);
  EXPECT_FALSE(stepRun(S).goesOn());
  EXPECT_EQ(S.drawing().count(), 0);
}

TEST(AnimatedRun, StartOnADrawCommandMakesItsShapeAtOnce) {
  Session S(1);
  VariableSet &V = S.variables();
  V.x().setValue(4);
  S.algorithm().appendDraw(1);
  S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 1);
  S.drawing().addCircle(0, 0, 0, 0, 1, 1, 0); // left from an earlier run
  startRun(S);
  ASSERT_EQ(S.drawing().count(), 1) << "the old picture is cleared";
  EXPECT_EQ(S.drawing().head()->kind, ShapeKind::Square);
  EXPECT_EQ(S.drawing().head()->column, 4);
  EXPECT_EQ(S.run().Start, 2) << "the current Command when the run began";
  EXPECT_EQ(S.algorithm().currentNumber(), 1);
  EXPECT_EQ(stepRun(S).Kind, StepKind::Moved);
  EXPECT_EQ(S.drawing().count(), 1) << "executing the draw command adds nothing";
}

TEST(AnimatedRun, StartIgnoredWhileARunIsActive) {
  Session S(1);
  S.algorithm().appendDraw(1);
  S.algorithm().appendDraw(1);
  ASSERT_TRUE(startRun(S));
  stepRun(S);
  EXPECT_EQ(S.drawing().count(), 2);
  S.run().StepDelay = 77;
  EXPECT_FALSE(startRun(S));
  EXPECT_EQ(S.drawing().count(), 2);
  EXPECT_EQ(S.run().StepDelay, 77);
  EXPECT_EQ(S.run().Start, 2);
}

TEST(AnimatedRun, NormalEndKeepsValuesAbortRestoresThem) {
  auto Build = [](Session &S) {
    VariableSet &V = S.variables();
    S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Give, 9);
    S.algorithm().appendDraw(1);
    S.algorithm().appendArithmetic(&V.n(), ArithmeticOp::Add, 3);
    S.algorithm().appendArithmetic(&V.max(), ArithmeticOp::Give, 1);
    S.algorithm().select(3);
  };
  {
    Session S(1);
    VariableSet &V = S.variables();
    Build(S);
    ASSERT_TRUE(runToEnd(S).Ended);
    EXPECT_EQ(V.x().value(), 9);
    EXPECT_EQ(V.n().value(), 30);
    EXPECT_EQ(V.max().value(), 1);
    EXPECT_EQ(S.algorithm().currentNumber(), 3) << "the cursor returns";
    EXPECT_EQ(S.drawing().count(), 1);
  }
  {
    Session S(1);
    VariableSet &V = S.variables();
    Build(S);
    startRun(S);
    stepRun(S); // x := 9, arriving at the square
    stepRun(S); // the square
    stepRun(S); // n + 3
    EXPECT_EQ(V.x().value(), 9);
    EXPECT_EQ(V.n().value(), 30);
    EXPECT_TRUE(abortRun(S));
    EXPECT_EQ(S.run().Start, 0);
    EXPECT_EQ(V.x().value(), 0);
    EXPECT_EQ(V.n().value(), 27);
    EXPECT_EQ(V.max().value(), 10);
    EXPECT_EQ(S.algorithm().currentNumber(), 3);
    EXPECT_EQ(S.drawing().count(), 1) << "the picture so far stays";

    // A second abort, or one without a run, leaves everything alone.
    V.x().setValue(5);
    S.algorithm().select(4);
    EXPECT_FALSE(abortRun(S));
    EXPECT_EQ(V.x().value(), 5);
    EXPECT_EQ(S.algorithm().currentNumber(), 4);
  }
}

TEST(AnimatedRun, PaceOfOneLoopOfTwenty) {
  Session S(1);
  VariableSet &V = S.variables();
  S.algorithm().appendRepeatStart(20);
  S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 1);
  S.algorithm().appendRepeatEnd();
  S.algorithm().appendArithmetic(&V.y(), ArithmeticOp::Add, 1);
  S.run().StepDelay = 12;
  const DrivenRun Run = runToEnd(S);
  ASSERT_TRUE(Run.Ended);
  // 5000000 halved (truncating) at each of the 20 arrivals at the end.
  const int Halved[20] = {2500000, 1250000, 625000, 312500, 156250, 78125, 39062, 19531, 9765, 4882,
                          2441,    1220,    610,    305,    152,    76,    38,    19,    9,    4};
  std::vector<int> Expected = {5000000}; // start -> body
  for (int Pass = 0; Pass < 20; ++Pass) {
    Expected.push_back(Halved[Pass]); // arrival at the end
    if (Pass < 19) {
      Expected.push_back(Halved[Pass]); // jump back to the start
      Expected.push_back(Halved[Pass]); // start -> body
    }
  }
  Expected.push_back(160); // the loop is done: 4 * 40
  EXPECT_EQ(Run.Paces, Expected);
  EXPECT_EQ(S.run().StepDelay, 160) << "kept until the next start";
}

TEST(AnimatedRun, PaceNeverOverflows) {
  Session S(1);
  VariableSet &V = S.variables();
  // The body sets the loop counter to the count itself, so that the loop
  // finishes at once and reports 2 * 1000000000.
  S.algorithm().appendRepeatStart(1000000000);
  S.algorithm().appendArithmetic(counterOf(S, 1), ArithmeticOp::Give, 1000000000);
  S.algorithm().appendRepeatEnd();
  S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 1);
  const DrivenRun Run = runToEnd(S);
  ASSERT_TRUE(Run.Ended);
  EXPECT_EQ(Run.Paces, (std::vector<int>{5000000, 2500000, INT_MAX}));
  EXPECT_EQ(V.x().value(), 1);
}

TEST(AnimatedRun, BusyWaitCountsUpToItsLength) {
  EXPECT_EQ(busyWait(1000), 1000);
  EXPECT_EQ(busyWait(2), 2);
  EXPECT_EQ(busyWait(1), 1);
  EXPECT_EQ(busyWait(0), 1) << "no increments";
  EXPECT_EQ(busyWait(-50), 1);
}
