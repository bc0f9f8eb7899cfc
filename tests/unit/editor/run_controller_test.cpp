// The animated run as the window sees it: the idle step installed and
// removed, each step's Labels refreshed before its frame is drawn, the pace
// handed to the wait, a redisplay after it, and the grid hidden at the end.
// The run's own rules (loops, values, pace numbers) are exec's tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor_fixture.h"

namespace {

/// An editor whose learner starts runs with the go Button.
struct EditorRun : EditorFixture {
  /// Clicks go, then idle steps until the run has ended; false if it has
  /// not after \p Limit.
  bool runToEnd(int Limit = 100000) {
    toolClick(PickName::Go);
    for (int I = 0; I < Limit && Work.run().active(); ++I)
      Editing.idleStep();
    return !Work.run().active();
  }
  const std::vector<int> &waits() const { return Host.StepWaits; }
};

} // namespace

TEST(EditorRun, EachStepRefreshesDrawsWaitsAndPostsARedisplay) {
  EditorRun R;
  for (int I = 0; I < 3; ++I)
    R.Work.algorithm().appendArithmetic(&R.vars().x(), ArithmeticOp::Add, 1);
  std::vector<std::string> Drawn;
  R.Host.OnDraw = [&] { Drawn.push_back(R.State.Labels.row(1).text()); };
  R.toolClick(PickName::Go);
  EXPECT_TRUE(R.Host.IdleStepping);
  EXPECT_EQ(R.Host.IdleInstalls, 1);
  EXPECT_EQ(R.Host.Redisplays, 1) << "the click's";
  R.Editing.idleStep();
  R.Editing.idleStep();
  EXPECT_EQ(R.Host.Draws, 2);
  EXPECT_EQ(Drawn, (std::vector<std::string>{"x=1", "x=2"})) << "Labels refreshed before the frame";
  EXPECT_EQ(R.waits(), (std::vector<int>{5000000, 5000000}));
  // One redisplay for the refreshed Labels, one after the wait.
  EXPECT_EQ(R.Host.Redisplays, 5);

  R.Editing.idleStep(); // the last Command: the run ends without a wait or a frame
  EXPECT_FALSE(R.Work.run().active());
  EXPECT_EQ(R.Host.Draws, 2);
  EXPECT_EQ(R.Host.Redisplays, 6);
  EXPECT_EQ(R.Host.IdleRemovals, 1);
  EXPECT_FALSE(R.Host.IdleStepping);
  EXPECT_EQ(R.waits().size(), 2u);
  EXPECT_FALSE(R.State.GridVisible) << "the finished picture shows without grid";
  EXPECT_EQ(R.vars().x().value(), 3);

  R.Editing.idleStep(); // a stray call without a run only removes the callback again
  EXPECT_EQ(R.Host.Redisplays, 6);
  EXPECT_EQ(R.Host.IdleRemovals, 2);
  EXPECT_EQ(R.vars().x().value(), 3);
}

TEST(EditorRun, EmptyAlgorithmEndsAtTheFirstIdleStep) {
  EditorRun R;
  R.toolClick(PickName::Go);
  EXPECT_TRUE(R.Host.IdleStepping);
  EXPECT_TRUE(R.State.GridVisible);
  R.Editing.idleStep();
  EXPECT_FALSE(R.Work.run().active());
  EXPECT_FALSE(R.State.GridVisible);
  EXPECT_FALSE(R.Host.IdleStepping);
  EXPECT_EQ(R.Host.Redisplays, 2) << "the click's and the end's";
  EXPECT_EQ(R.Host.Draws, 0);
  EXPECT_TRUE(R.waits().empty());
}

TEST(EditorRun, GoDuringARunBeginsItAnew) {
  EditorRun R;
  R.Work.algorithm().appendDraw(1);
  R.Work.algorithm().appendDraw(1);
  R.toolClick(PickName::Go);
  R.Editing.idleStep();
  ASSERT_EQ(R.Work.drawing().count(), 2) << "the start draws the first square, the step the second";
  // The press ends the run and the release starts it from the beginning.
  R.toolClick(PickName::Go);
  EXPECT_TRUE(R.Work.run().active());
  EXPECT_EQ(R.Host.IdleInstalls, 2);
  EXPECT_EQ(R.Host.IdleRemovals, 1);
  EXPECT_EQ(R.Work.drawing().count(), 1) << "the picture begun anew";
  EXPECT_EQ(R.Work.algorithm().currentNumber(), 1);
  EXPECT_EQ(R.State.Mode, InteractionMode::Idle);
}

TEST(EditorRun, ThePaceOfEachStepIsWaited) {
  // Two passes: the arrivals at the end halve the pace, the jump back and
  // the start keep it, and the finished loop ends the run without a wait.
  EditorRun R;
  R.Work.algorithm().appendRepeatStart(2);
  R.Work.algorithm().appendArithmetic(&R.vars().x(), ArithmeticOp::Add, 1);
  R.Work.algorithm().appendRepeatEnd();
  ASSERT_TRUE(R.runToEnd());
  EXPECT_EQ(R.waits(), (std::vector<int>{5000000, 2500000, 2500000, 2500000, 1250000}));
  EXPECT_EQ(R.Host.Draws, 5);
}

TEST(EditorRun, AbortShowsTheValuesFromBeforeTheRun) {
  EditorRun R;
  R.Work.algorithm().appendArithmetic(&R.vars().x(), ArithmeticOp::Give, 9);
  R.Work.algorithm().appendDraw(1);
  R.Work.algorithm().appendArithmetic(&R.vars().n(), ArithmeticOp::Add, 3);
  R.Work.algorithm().appendArithmetic(&R.vars().max(), ArithmeticOp::Give, 1);
  R.toolClick(PickName::Go);
  R.Editing.idleStep(); // x := 9
  R.Editing.idleStep(); // the square
  R.Editing.idleStep(); // n + 3
  EXPECT_EQ(R.State.Labels.row(1).text(), "x=9");
  EXPECT_EQ(R.State.Labels.row(8).text(), "n=30");
  const int Redisplays = R.Host.Redisplays;
  const int Draws = R.Host.Draws;
  // The middle button does nothing on the canvas but end the run.
  R.mouse(MouseButton::Middle, ButtonState::Down, EditorFixture::CanvasX);
  EXPECT_FALSE(R.Work.run().active());
  EXPECT_FALSE(R.Host.IdleStepping);
  EXPECT_EQ(R.State.Labels.row(1).text(), "x=0");
  EXPECT_EQ(R.State.Labels.row(8).text(), "n=27");
  EXPECT_EQ(R.Host.Redisplays, Redisplays + 2) << "the Labels' and the abort's";
  EXPECT_EQ(R.Host.Draws, Draws);
  EXPECT_TRUE(R.State.GridVisible) << "the aborting click decides the grid";

  // A button event without a run aborts nothing and asks for no frame.
  R.mouse(MouseButton::Middle, ButtonState::Up, EditorFixture::CanvasX);
  EXPECT_EQ(R.Host.Redisplays, Redisplays + 2);
  EXPECT_EQ(R.Host.IdleRemovals, 1);
}

TEST(EditorVariables, RestartShowsTheStartValuesAndLeavesCountAndR) {
  EditorRun R;
  VariableSet &V = R.vars();
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    V.user(FieldLabels::rowVariable(Row)).setValue(99);
  V.count().setValue(3);
  V.randomTarget().setValue(4);
  R.toolClick(PickName::Restart);
  EXPECT_EQ(V.x().value(), 0);
  EXPECT_EQ(V.dy().value(), 1);
  EXPECT_EQ(V.n().value(), 27);
  EXPECT_EQ(V.max().value(), 10);
  EXPECT_EQ(V.count().value(), 3);
  EXPECT_EQ(V.randomTarget().value(), 4);
  EXPECT_EQ(R.State.Labels.row(1).text(), "x=0");
  EXPECT_EQ(R.State.Labels.row(9).text(), "max=10");
  EXPECT_EQ(R.State.Labels.row(10).text(), "min=0");
  EXPECT_EQ(R.State.Labels.count().text(), "10") << "c still shows its operand, not the count 3";
}
