// Immediate runs: the whole algorithm and up to a chosen Command, the step
// cap at its exact boundary, the restored Variables, and the same Shapes an
// animated run would make.
#include <gtest/gtest.h>

#include "algorithm_text.h"
#include "exec/immediate_run.h"
#include "exec/session.h"
#include "session_run.h"

namespace {

/// A loop of \p Count passes around a square, behind \p Lead additions to x,
/// and a circle after it.
void buildSquareLoop(Session &S, int Lead, int Count) {
  Algorithm &A = S.algorithm();
  for (int I = 0; I < Lead; ++I)
    A.appendArithmetic(&S.variables().x(), ArithmeticOp::Add, 1);
  A.appendRepeatStart(Count);
  A.appendDraw(1);
  A.appendRepeatEnd();
  A.appendDraw(2);
}

int countKind(const Session &S, ShapeKind Kind) {
  int Count = 0;
  for (const Shape *Sh : shapesOf(S.drawing()))
    Count += Sh->kind == Kind;
  return Count;
}

} // namespace

TEST(ImmediateRun, PreviewUpToALineOrAsAWhole) {
  Session S(1);
  S.algorithm().appendRepeatStart(5);
  S.algorithm().appendDraw(1);
  S.algorithm().appendRepeatEnd();

  ImmediateRunResult UpTo = runUpToCommand(S, 2);
  EXPECT_EQ(UpTo.Outcome, ImmediateRunOutcome::Finished);
  EXPECT_EQ(S.drawing().count(), 1) << "the first arrival at line 2";
  EXPECT_EQ(S.algorithm().currentNumber(), 2);

  ImmediateRunResult Whole = runWholeAlgorithm(S);
  EXPECT_EQ(Whole.Outcome, ImmediateRunOutcome::Finished);
  EXPECT_EQ(S.drawing().count(), 5) << "the earlier preview was cleared first";
  EXPECT_EQ(S.algorithm().currentNumber(), 3) << "the cursor stays where the run ended";
}

TEST(ImmediateRun, VariablesComeBackAndOnlyThePictureRemains) {
  Session S(1);
  VariableSet &V = S.variables();
  V.x().setValue(2);
  V.n().setValue(5);
  S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Multiply, 7);
  S.algorithm().appendArithmetic(&V.n(), ArithmeticOp::Give, -1);
  S.algorithm().appendDraw(11);
  S.algorithm().appendArithmetic(&V.max(), ArithmeticOp::Subtract, 4);
  for (int Run = 0; Run < 2; ++Run) {
    if (Run == 0)
      runWholeAlgorithm(S);
    else
      runUpToCommand(S, 4);
    EXPECT_EQ(V.x().value(), 2);
    EXPECT_EQ(V.n().value(), 5);
    EXPECT_EQ(V.max().value(), 10);
    EXPECT_EQ(S.run().SavedValues[VariableSet::index(UserVariable::X)], 2);
    EXPECT_EQ(S.run().SavedValues[VariableSet::index(UserVariable::Max)], 10);
    ASSERT_EQ(S.drawing().count(), 1);
    EXPECT_EQ(S.drawing().head()->column, 14) << "the Shape saw the run's values";
    EXPECT_EQ(S.drawing().head()->pointCount, 0) << "n = -1 gives no points";
  }
  EXPECT_FALSE(S.run().active()) << "immediate runs never start an animated run";
}

TEST(ImmediateRun, FirstCommandDrawsAndLoopsOfZeroLetTheRunGoOn) {
  Session S(1);
  S.algorithm().appendDraw(3);
  S.algorithm().appendRepeatStart(0);
  S.algorithm().appendDraw(1);
  S.algorithm().appendRepeatEnd();
  S.algorithm().appendDraw(2);
  S.drawing().addSquare(0, 0, 0, 0, 1, 1, 0);
  runWholeAlgorithm(S);
  ASSERT_EQ(S.drawing().count(), 3);
  EXPECT_EQ(S.drawing().head()->kind, ShapeKind::Blob);
  EXPECT_EQ(countKind(S, ShapeKind::Square), 1) << "a count of 0 runs its body once";
  EXPECT_EQ(countKind(S, ShapeKind::Circle), 1) << "and the run goes on after it";

  runUpToCommand(S, 5);
  EXPECT_EQ(S.drawing().count(), 3);
  EXPECT_EQ(S.algorithm().currentNumber(), 5);
}

TEST(ImmediateRun, WholeRunCapAtItsExactBoundary) {
  {
    // 33334 passes of three steps: the 100002nd step ends the algorithm.
    Session S(1);
    buildSquareLoop(S, 0, 33334);
    S.algorithm().deleteCurrent(); // no circle: the loop end is the last Command
    ImmediateRunResult R = runWholeAlgorithm(S);
    EXPECT_EQ(R.Outcome, ImmediateRunOutcome::Finished);
    EXPECT_EQ(R.Steps, 100002);
    EXPECT_EQ(S.drawing().count(), 33334);
  }
  {
    // One pass more: the 100002nd step is a jump back, and the run stops.
    Session S(1);
    buildSquareLoop(S, 0, 33335);
    ImmediateRunResult R = runWholeAlgorithm(S);
    EXPECT_EQ(R.Outcome, ImmediateRunOutcome::StepCapReached);
    EXPECT_EQ(R.Steps, 100002);
    EXPECT_EQ(countKind(S, ShapeKind::Square), 33334);
    EXPECT_EQ(countKind(S, ShapeKind::Circle), 0);
  }
}

TEST(ImmediateRun, RunUpToACommandCapAtItsExactBoundary) {
  {
    // Two additions and 33333 passes: the circle is reached by step 100001.
    Session S(1);
    buildSquareLoop(S, 2, 33333);
    ImmediateRunResult R = runUpToCommand(S, 6);
    EXPECT_EQ(R.Outcome, ImmediateRunOutcome::Finished);
    EXPECT_EQ(countKind(S, ShapeKind::Square), 33333);
    EXPECT_EQ(countKind(S, ShapeKind::Circle), 1);
    EXPECT_EQ(S.algorithm().currentNumber(), 6);
    EXPECT_EQ(S.variables().x().value(), 0);
  }
  {
    Session S(1);
    buildSquareLoop(S, 2, 33334);
    ImmediateRunResult R = runUpToCommand(S, 6);
    EXPECT_EQ(R.Outcome, ImmediateRunOutcome::StepCapReached);
    EXPECT_EQ(R.Steps, 100002) << "100001 steps, then the line's own step";
    EXPECT_EQ(countKind(S, ShapeKind::Square), 33333);
    EXPECT_EQ(countKind(S, ShapeKind::Circle), 0);
    EXPECT_EQ(S.algorithm().currentNumber(), 6);
  }
}

TEST(ImmediateRun, EndlessLoopStopsAtTheCapAndKeepsItsShapes) {
  Session S(1);
  VariableSet &V = S.variables();
  // A second end inside a closed loop: the outer end resets the shared
  // counter and jumps back, so the loop never finishes.
  S.algorithm().appendRepeatStart(2);
  S.algorithm().appendArithmetic(&V.x(), ArithmeticOp::Add, 1);
  S.algorithm().appendDraw(1);
  S.algorithm().appendRepeatEnd();
  S.algorithm().appendDraw(2);
  S.algorithm().select(3);
  S.algorithm().insertRepeatEnd();
  ASSERT_EQ(numbers(S.algorithm()), "1 2 3 6 4 5");
  V.x().setValue(-3);

  ImmediateRunResult Whole = runWholeAlgorithm(S);
  EXPECT_EQ(Whole.Outcome, ImmediateRunOutcome::StepCapReached);
  EXPECT_GT(S.drawing().count(), 10000);
  EXPECT_EQ(countKind(S, ShapeKind::Circle), 0);
  EXPECT_EQ(V.x().value(), -3);

  ImmediateRunResult UpTo = runUpToCommand(S, 5);
  EXPECT_EQ(UpTo.Outcome, ImmediateRunOutcome::StepCapReached);
  EXPECT_GT(S.drawing().count(), 10000);
  EXPECT_EQ(S.algorithm().currentNumber(), 5);
  EXPECT_EQ(V.x().value(), -3);
}

TEST(ImmediateRun, EmptyAlgorithmClearsThePictureAndEnds) {
  Session S(1);
  S.drawing().addSquare(0, 0, 0, 0, 1, 1, 0);
  ImmediateRunResult R = runWholeAlgorithm(S);
  EXPECT_EQ(R.Outcome, ImmediateRunOutcome::Finished);
  EXPECT_EQ(S.drawing().count(), 0);
}

TEST(ImmediateRun, SameShapesAsAnAnimatedRun) {
  auto Build = [](Session &S) {
    Algorithm &A = S.algorithm();
    VariableSet &V = S.variables();
    A.appendArithmetic(&V.max(), ArithmeticOp::Give, 20);
    A.appendRepeatStart(4);
    A.appendRandom(&V.x(), &V.max(), &V.min());
    A.appendDraw(3);
    A.appendDraw(8);
    A.appendDraw(12);
    A.appendRepeatEnd();
  };
  struct Seen {
    ShapeKind Kind;
    int Column;
    int Orientation;
    float Geometry;
  };
  auto Record = [](const Session &S) {
    std::vector<Seen> All;
    for (const Shape *Sh : shapesOf(S.drawing()))
      All.push_back(
          {Sh->kind, Sh->column, Sh->orientation,
           Sh->outline[3].x + Sh->lineEnds[1] + (Sh->points.empty() ? 0.0f : Sh->midpoints[26].y)});
    return All;
  };
  std::vector<Seen> Immediate;
  std::vector<Seen> Animated;
  {
    Session S(1);
    Build(S);
    runWholeAlgorithm(S);
    Immediate = Record(S);
  }
  {
    Session S(1);
    Build(S);
    ASSERT_TRUE(runToEnd(S).Ended);
    Animated = Record(S);
  }
  ASSERT_EQ(Immediate.size(), 12u);
  ASSERT_EQ(Animated.size(), Immediate.size());
  for (size_t I = 0; I < Immediate.size(); ++I) {
    EXPECT_EQ(Immediate[I].Kind, Animated[I].Kind) << I;
    EXPECT_EQ(Immediate[I].Column, Animated[I].Column) << I;
    EXPECT_EQ(Immediate[I].Orientation, Animated[I].Orientation) << I;
    EXPECT_EQ(Immediate[I].Geometry, Animated[I].Geometry) << I;
  }
}
