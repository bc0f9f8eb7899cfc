// The animated run as the window sees it: the idle step installed and
// removed, each step's Labels refreshed before its frame is drawn, the pace
// handed to the wait, a redisplay after it, and the grid hidden at the end.
// The run's own rules (loops, values, pace numbers) are exec's tests.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "fake_picker.h"
#include "recording_window.h"

namespace {

struct EditorRun {
  Session S{1};
  EditorState E{S.variables()};
  RecordingWindow W;
  FakePicker P;
  FileOperations Storage;
  Editor Ed{S, E, W, P, Storage};
  /// The waits the run asked for, recorded instead of spent.
  std::vector<int> Waits;

  EditorRun() {
    Ed.runs().setStepWait([this](int Length) { Waits.push_back(Length); });
  }

  VariableSet &vars() { return S.variables(); }

  /// Idle steps until the run has ended; false if it has not after \p Limit.
  bool runToEnd(int Limit = 100000) {
    Ed.runs().startRun();
    for (int I = 0; I < Limit && S.run().active(); ++I)
      Ed.idleStep();
    return !S.run().active();
  }
};

} // namespace

TEST(EditorRun, EachStepRefreshesDrawsWaitsAndPostsARedisplay) {
  EditorRun R;
  for (int I = 0; I < 3; ++I)
    R.S.algorithm().appendArithmetic(&R.vars().x(), ArithmeticOp::Add, 1);
  std::vector<std::string> Drawn;
  R.W.OnDraw = [&] { Drawn.push_back(R.E.Labels.row(1).text()); };
  R.Ed.runs().startRun();
  EXPECT_TRUE(R.W.IdleStepping);
  EXPECT_EQ(R.W.IdleInstalls, 1);
  EXPECT_EQ(R.W.Redisplays, 0);
  R.Ed.idleStep();
  R.Ed.idleStep();
  EXPECT_EQ(R.W.Draws, 2);
  EXPECT_EQ(Drawn, (std::vector<std::string>{"x=1", "x=2"})) << "Labels refreshed before the frame";
  EXPECT_EQ(R.Waits, (std::vector<int>{5000000, 5000000}));
  // One redisplay for the refreshed Labels, one after the wait.
  EXPECT_EQ(R.W.Redisplays, 4);

  R.Ed.idleStep(); // the last Command: the run ends without a wait or a frame
  EXPECT_FALSE(R.S.run().active());
  EXPECT_EQ(R.W.Draws, 2);
  EXPECT_EQ(R.W.Redisplays, 5);
  EXPECT_EQ(R.W.IdleRemovals, 1);
  EXPECT_FALSE(R.W.IdleStepping);
  EXPECT_EQ(R.Waits.size(), 2u);
  EXPECT_FALSE(R.E.GridVisible) << "the finished picture shows without grid";
  EXPECT_EQ(R.vars().x().value(), 3);

  R.Ed.idleStep(); // a stray call without a run only removes the callback again
  EXPECT_EQ(R.W.Redisplays, 5);
  EXPECT_EQ(R.W.IdleRemovals, 2);
  EXPECT_EQ(R.vars().x().value(), 3);
}

TEST(EditorRun, EmptyAlgorithmEndsAtTheFirstIdleStep) {
  EditorRun R;
  R.Ed.runs().startRun();
  EXPECT_TRUE(R.W.IdleStepping);
  EXPECT_TRUE(R.E.GridVisible);
  R.Ed.idleStep();
  EXPECT_FALSE(R.S.run().active());
  EXPECT_FALSE(R.E.GridVisible);
  EXPECT_FALSE(R.W.IdleStepping);
  EXPECT_EQ(R.W.Redisplays, 1);
  EXPECT_EQ(R.W.Draws, 0);
  EXPECT_TRUE(R.Waits.empty());
}

TEST(EditorRun, StartEndsWhatTheEditorWasDoingButNotARunningRun) {
  EditorRun R;
  R.S.algorithm().appendDraw(1);
  R.S.algorithm().appendDraw(1);
  R.E.Mode = InteractionMode::PenMenuOpen;
  R.Ed.runs().startRun();
  EXPECT_EQ(R.E.Mode, InteractionMode::Idle);
  R.Ed.idleStep();
  R.E.Mode = InteractionMode::LeftHeld;
  R.Ed.runs().startRun();
  EXPECT_EQ(R.E.Mode, InteractionMode::LeftHeld);
  EXPECT_EQ(R.W.IdleInstalls, 1);
  EXPECT_EQ(R.S.drawing().count(), 2) << "the run goes on with its picture";
}

TEST(EditorRun, ThePaceOfEachStepIsWaited) {
  // Two passes: the arrivals at the end halve the pace, the jump back and
  // the start keep it, and the finished loop ends the run without a wait.
  EditorRun R;
  R.S.algorithm().appendRepeatStart(2);
  R.S.algorithm().appendArithmetic(&R.vars().x(), ArithmeticOp::Add, 1);
  R.S.algorithm().appendRepeatEnd();
  ASSERT_TRUE(R.runToEnd());
  EXPECT_EQ(R.Waits, (std::vector<int>{5000000, 2500000, 2500000, 2500000, 1250000}));
  EXPECT_EQ(R.W.Draws, 5);
}

TEST(EditorRun, AbortShowsTheValuesFromBeforeTheRun) {
  EditorRun R;
  R.S.algorithm().appendArithmetic(&R.vars().x(), ArithmeticOp::Give, 9);
  R.S.algorithm().appendDraw(1);
  R.S.algorithm().appendArithmetic(&R.vars().n(), ArithmeticOp::Add, 3);
  R.S.algorithm().appendArithmetic(&R.vars().max(), ArithmeticOp::Give, 1);
  R.Ed.runs().startRun();
  R.Ed.idleStep(); // x := 9
  R.Ed.idleStep(); // the square
  R.Ed.idleStep(); // n + 3
  EXPECT_EQ(R.E.Labels.row(1).text(), "x=9");
  EXPECT_EQ(R.E.Labels.row(8).text(), "n=30");
  const int Redisplays = R.W.Redisplays;
  const int Draws = R.W.Draws;
  R.Ed.runs().abortRun();
  EXPECT_FALSE(R.S.run().active());
  EXPECT_FALSE(R.W.IdleStepping);
  EXPECT_EQ(R.E.Labels.row(1).text(), "x=0");
  EXPECT_EQ(R.E.Labels.row(8).text(), "n=27");
  EXPECT_EQ(R.W.Redisplays, Redisplays + 2) << "the Labels' and the abort's";
  EXPECT_EQ(R.W.Draws, Draws);
  EXPECT_TRUE(R.E.GridVisible) << "the aborting click decides the grid";

  // A second abort, or one without a run, asks the window for nothing.
  R.Ed.runs().abortRun();
  EXPECT_EQ(R.W.Redisplays, Redisplays + 2);
  EXPECT_EQ(R.W.IdleRemovals, 1);
}

TEST(EditorVariables, ResetShowsTheStartValuesAndLeavesCountAndR) {
  EditorRun R;
  VariableSet &V = R.vars();
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    V.user(FieldLabels::rowVariable(Row)).setValue(99);
  V.count().setValue(3);
  V.randomTarget().setValue(4);
  R.Ed.labels().resetVariables();
  EXPECT_EQ(V.x().value(), 0);
  EXPECT_EQ(V.dy().value(), 1);
  EXPECT_EQ(V.n().value(), 27);
  EXPECT_EQ(V.max().value(), 10);
  EXPECT_EQ(V.count().value(), 3);
  EXPECT_EQ(V.randomTarget().value(), 4);
  EXPECT_EQ(R.E.Labels.row(1).text(), "x=0");
  EXPECT_EQ(R.E.Labels.row(9).text(), "max=10");
  EXPECT_EQ(R.E.Labels.row(10).text(), "min=0");
  EXPECT_EQ(R.E.Labels.count().text(), "10") << "c still shows its operand, not the count 3";
  EXPECT_EQ(R.W.Redisplays, 1);
}
