// Animated runs driven by hand: loop semantics and arithmetic within a run,
// the start on a draw command, the normal end against the abort, the pace
// (stepDelay) and the calls into the window system.
#include <climits>
#include <gtest/gtest.h>

#include "app_session.h"
#include "exec/run.h"

namespace {

Variable *counterOf(int StartNumber) { return app.algorithm->lookup(StartNumber)->target(); }

} // namespace

TEST(AnimatedRun, LoopsRepeatTheirBodies) {
  {
    // Three passes leave x = 3 and the counter at 0.
    AppSession S;
    S.algorithm().appendRepeatStart(3);
    S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
    S.algorithm().appendRepeatEnd();
    ASSERT_TRUE(S.runToEnd());
    EXPECT_EQ(app.x->value(), 3);
    EXPECT_EQ(counterOf(1)->value(), 0);
  }
  {
    // Nested 2 x 3 adds 6.
    AppSession S;
    S.algorithm().appendRepeatStart(2);
    S.algorithm().appendRepeatStart(3);
    S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
    S.algorithm().appendRepeatEnd();
    S.algorithm().appendRepeatEnd();
    ASSERT_TRUE(S.runToEnd());
    EXPECT_EQ(app.x->value(), 6);
  }
}

TEST(AnimatedRun, CountsOfOneZeroAndBelowRunOnceAndTheRunGoesOn) {
  for (int Count : {1, 0, -4}) {
    AppSession S;
    S.algorithm().appendRepeatStart(Count);
    S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
    S.algorithm().appendRepeatEnd();
    S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 100);
    S.algorithm().appendDraw(2);
    ASSERT_TRUE(S.runToEnd());
    EXPECT_EQ(app.x->value(), 101) << "count " << Count;
    ASSERT_EQ(S.drawing().count(), 1) << "count " << Count;
    EXPECT_EQ(S.drawing().head()->column, 101);
  }
}

TEST(AnimatedRun, DivisionAndRandomValuesWithinARun) {
  AppSession S;
  app.x->setValue(-7);
  app.y->setValue(12);
  S.algorithm().appendArithmetic(app.x, ArithmeticOp::Divide, 2);
  S.algorithm().appendArithmetic(app.y, ArithmeticOp::Divide, 0);
  S.algorithm().appendArithmetic(app.max, ArithmeticOp::Give, 5);
  S.algorithm().appendArithmetic(app.min, ArithmeticOp::Give, 5);
  S.algorithm().appendRandom(app.h, app.max, app.min);
  ASSERT_TRUE(S.runToEnd());
  EXPECT_EQ(app.x->value(), -3) << "truncates toward zero";
  EXPECT_EQ(app.y->value(), 12) << "division by zero changes nothing";
  EXPECT_EQ(app.h->value(), 0) << "equal bounds give 0";
  EXPECT_EQ(nextRandom(), 41) << "equal bounds take no draw";
}

TEST(AnimatedRun, RandomValuesLieBetweenMinAndMaxMinusOne) {
  AppSession S;
  // The loop body: x between max = 18 and min = 8, then tally x into y or h
  // when it sits on one of the ends of the range.
  S.algorithm().appendArithmetic(app.max, ArithmeticOp::Give, 18);
  S.algorithm().appendArithmetic(app.min, ArithmeticOp::Give, 8);
  S.algorithm().appendRepeatStart(2000);
  S.algorithm().appendRandom(app.x, app.max, app.min);
  S.algorithm().appendDraw(1);
  S.algorithm().appendRepeatEnd();
  ASSERT_TRUE(S.runToEnd());
  ASSERT_EQ(S.drawing().count(), 2000);
  int Lowest = INT_MAX;
  int Highest = INT_MIN;
  for (const Shape *Sq : S.shapes()) {
    Lowest = std::min(Lowest, Sq->column);
    Highest = std::max(Highest, Sq->column);
  }
  EXPECT_EQ(Lowest, 8);
  EXPECT_EQ(Highest, 17);
}

TEST(AnimatedRun, EmptyAlgorithmEndsAtTheFirstIdleStep) {
  AppSession S;
  startRun();
  EXPECT_EQ(app.runStart, -1);
  EXPECT_TRUE(S.Counts.IdleInstalled);
  idleStep();
  EXPECT_EQ(app.runStart, 0);
  EXPECT_EQ(app.gridVisible, 0);
  EXPECT_FALSE(S.Counts.IdleInstalled);
  EXPECT_EQ(S.Counts.Redisplays, 1);
  EXPECT_EQ(S.algorithm().current(), nullptr);
}

TEST(AnimatedRun, StartOnADrawCommandMakesItsShapeAtOnce) {
  AppSession S;
  app.x->setValue(4);
  S.algorithm().appendDraw(1);
  S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
  S.drawing().addCircle(0, 0, 0, 0, 1, 1, 0); // left from an earlier run
  startRun();
  ASSERT_EQ(S.drawing().count(), 1) << "the old picture is cleared";
  EXPECT_EQ(S.drawing().head()->kind, ShapeKind::Square);
  EXPECT_EQ(S.drawing().head()->column, 4);
  EXPECT_EQ(app.runStart, 2) << "the current Command when the run began";
  EXPECT_EQ(S.algorithm().currentNumber(), 1);
  idleStep();
  EXPECT_EQ(S.drawing().count(), 1) << "executing the draw command adds nothing";
}

TEST(AnimatedRun, StartIgnoredWhileARunIsActive) {
  AppSession S;
  S.algorithm().appendDraw(1);
  S.algorithm().appendDraw(1);
  startRun();
  idleStep();
  EXPECT_EQ(S.drawing().count(), 2);
  app.stepDelay = 77;
  startRun();
  EXPECT_EQ(S.drawing().count(), 2);
  EXPECT_EQ(app.stepDelay, 77);
  EXPECT_EQ(S.Counts.IdleInstalls, 1);
}

TEST(AnimatedRun, NormalEndKeepsValuesAbortRestoresThem) {
  auto Build = [](AppSession &S) {
    S.algorithm().appendArithmetic(app.x, ArithmeticOp::Give, 9);
    S.algorithm().appendDraw(1);
    S.algorithm().appendArithmetic(app.n, ArithmeticOp::Add, 3);
    S.algorithm().appendArithmetic(app.max, ArithmeticOp::Give, 1);
    S.algorithm().select(3);
  };
  {
    AppSession S;
    Build(S);
    ASSERT_TRUE(S.runToEnd());
    EXPECT_EQ(app.x->value(), 9);
    EXPECT_EQ(app.n->value(), 30);
    EXPECT_EQ(app.max->value(), 1);
    EXPECT_EQ(app.gridVisible, 0);
    EXPECT_EQ(S.algorithm().currentNumber(), 3) << "the cursor returns";
    EXPECT_EQ(S.drawing().count(), 1);
  }
  {
    AppSession S;
    Build(S);
    startRun();
    idleStep(); // x := 9, arriving at the square
    idleStep(); // the square
    idleStep(); // n + 3
    EXPECT_EQ(app.x->value(), 9);
    EXPECT_EQ(app.n->value(), 30);
    int Refreshes = S.Counts.LabelRefreshes;
    int Redisplays = S.Counts.Redisplays;
    abortRun();
    EXPECT_EQ(app.runStart, 0);
    EXPECT_FALSE(S.Counts.IdleInstalled);
    EXPECT_EQ(app.x->value(), 0);
    EXPECT_EQ(app.n->value(), 27);
    EXPECT_EQ(app.max->value(), 10);
    EXPECT_EQ(S.Counts.LabelRefreshes, Refreshes + 1);
    EXPECT_EQ(S.Counts.Redisplays, Redisplays + 1);
    EXPECT_EQ(app.gridVisible, 1) << "the aborting click decides the grid";
    EXPECT_EQ(S.algorithm().currentNumber(), 3);
    EXPECT_EQ(S.drawing().count(), 1) << "the picture so far stays";

    // A second abort, or one without a run, leaves everything alone.
    app.x->setValue(5);
    S.algorithm().select(4);
    abortRun();
    EXPECT_EQ(app.x->value(), 5);
    EXPECT_EQ(S.algorithm().currentNumber(), 4);
  }
}

TEST(AnimatedRun, EachStepRefreshesDrawsWaitsAndPostsARedisplay) {
  AppSession S;
  S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
  S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
  S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
  startRun();
  EXPECT_EQ(S.Counts.IdleInstalls, 1);
  EXPECT_EQ(S.Counts.Redisplays, 0);
  idleStep();
  idleStep();
  EXPECT_EQ(S.Counts.ScreenDraws, 2);
  EXPECT_EQ(S.Counts.LabelRefreshes, 2);
  EXPECT_EQ(S.Counts.Redisplays, 2);
  EXPECT_EQ(recordedWaits().size(), 2u);
  idleStep(); // the last Command: the run ends without a wait or a drawing
  EXPECT_EQ(app.runStart, 0);
  EXPECT_EQ(S.Counts.ScreenDraws, 2);
  EXPECT_EQ(S.Counts.Redisplays, 3);
  EXPECT_EQ(S.Counts.IdleRemovals, 1);
  EXPECT_EQ(recordedWaits().size(), 2u);
  EXPECT_EQ(app.x->value(), 3);

  idleStep(); // a stray call without a run only removes the callback again
  EXPECT_EQ(S.Counts.Redisplays, 3);
  EXPECT_EQ(S.Counts.IdleRemovals, 2);
  EXPECT_EQ(app.x->value(), 3);
}

TEST(AnimatedRun, PaceOfOneLoopOfTwenty) {
  AppSession S;
  S.algorithm().appendRepeatStart(20);
  S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
  S.algorithm().appendRepeatEnd();
  S.algorithm().appendArithmetic(app.y, ArithmeticOp::Add, 1);
  app.stepDelay = 12;
  ASSERT_TRUE(S.runToEnd());
  // 5000000 halved (truncating) at each of the 20 arrivals at the end.
  const int Halved[20] = {2500000, 1250000, 625000, 312500, 156250, 78125, 39062,
                          19531,   9765,    4882,   2441,   1220,   610,   305,
                          152,     76,      38,     19,     9,      4};
  std::vector<int> Expected = {5000000}; // start -> body
  for (int Pass = 0; Pass < 20; ++Pass) {
    Expected.push_back(Halved[Pass]); // arrival at the end
    if (Pass < 19) {
      Expected.push_back(Halved[Pass]); // jump back to the start
      Expected.push_back(Halved[Pass]); // start -> body
    }
  }
  Expected.push_back(160); // the loop is done: 4 * 40
  EXPECT_EQ(recordedWaits(), Expected);
  EXPECT_EQ(app.stepDelay, 160) << "kept until the next start";
}

TEST(AnimatedRun, PaceNeverOverflows) {
  AppSession S;
  // The body sets the loop counter to the count itself, so that the loop
  // finishes at once and reports 2 * 1000000000.
  S.algorithm().appendRepeatStart(1000000000);
  S.algorithm().appendArithmetic(counterOf(1), ArithmeticOp::Give, 1000000000);
  S.algorithm().appendRepeatEnd();
  S.algorithm().appendArithmetic(app.x, ArithmeticOp::Add, 1);
  ASSERT_TRUE(S.runToEnd());
  EXPECT_EQ(recordedWaits(), (std::vector<int>{5000000, 2500000, INT_MAX}));
  EXPECT_EQ(app.x->value(), 1);
}

TEST(AnimatedRun, BusyWaitCountsUpToItsLength) {
  EXPECT_EQ(busyWait(1000), 1000);
  EXPECT_EQ(busyWait(2), 2);
  EXPECT_EQ(busyWait(1), 1);
  EXPECT_EQ(busyWait(0), 1) << "no increments";
  EXPECT_EQ(busyWait(-50), 1);
}
