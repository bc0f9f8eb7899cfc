// Single steps: loop semantics, the report of a finished loop, the end of the
// list, and stepping into commands inserted in the middle.
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "algorithm_text.h"
#include "exec/random.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

struct Fixture : AlgorithmFixture {
  /// Arithmetic and loops draw nothing; the steps still need a source.
  RandomGenerator Random;

  std::string step() { return said(Program.step(Random)); }

  /// Runs from the first Command until a step ends the run; returns what
  /// every step did.
  std::string run() {
    Program.resetCounters();
    Program.rewind();
    std::string Results;
    for (int Guard = 0; Guard < 100000; ++Guard) {
      const StepOutcome Step = Program.step(Random);
      Results += (Results.empty() ? "" : " ") + said(Step);
      if (!Step.goesOn())
        break;
    }
    return Results;
  }

  /// A step in a word: "on", "end", "none", or "loop" and the pace factor.
  static std::string said(const StepOutcome &Step) {
    switch (Step.Kind) {
    case StepKind::NoCurrent:
      return "none";
    case StepKind::Finished:
      return "end";
    case StepKind::Moved:
      return "on";
    case StepKind::LoopFinished:
      return "loop" + std::to_string(Step.PaceFactor);
    }
    return "?";
  }
};

} // namespace

TEST(AlgorithmStep, EmptyListAndLastCommand) {
  Algorithm Empty;
  RandomGenerator Random;
  EXPECT_EQ(Fixture::said(Empty.step(Random)), "none");
  Fixture F;
  F.add(1);
  F.add(2);
  F.Program.rewind();
  EXPECT_EQ(F.step(), "on");
  EXPECT_EQ(F.Program.currentNumber(), 2);
  EXPECT_EQ(F.step(), "end");
  EXPECT_EQ(F.Program.currentNumber(), 2) << "the last step leaves current in place";
  EXPECT_EQ(F.Target.value(), 3);
}

TEST(AlgorithmStep, ThreePassesLeaveTheCounterAtZero) {
  Fixture F;
  F.Program.appendRepeatStart(3);
  F.add(1);
  F.Program.appendRepeatEnd();
  const std::string Results = F.run();
  EXPECT_EQ(F.Target.value(), 3);
  EXPECT_EQ(F.Program.lookup(1)->target()->value(), 0);
  // The loop's end is the last command, so its last round ends the run.
  EXPECT_EQ(Results, "on on on on on on on on end");
}

TEST(AlgorithmStep, FinishedLoopReportsTwiceItsCount) {
  Fixture F;
  F.Program.appendRepeatStart(3);
  F.add(1);
  F.Program.appendRepeatEnd();
  F.add(100);
  EXPECT_EQ(F.run(), "on on on on on on on on loop6 end");
  EXPECT_EQ(F.Target.value(), 103);
}

TEST(AlgorithmStep, NestedLoopsMultiply) {
  Fixture F;
  F.Program.appendRepeatStart(2);
  F.Program.appendRepeatStart(3);
  F.add(1);
  F.Program.appendRepeatEnd();
  F.Program.appendRepeatEnd();
  F.run();
  EXPECT_EQ(F.Target.value(), 6);
  EXPECT_EQ(F.Program.lookup(1)->target()->value(), 0);
  EXPECT_EQ(F.Program.lookup(2)->target()->value(), 0);
}

TEST(AlgorithmStep, CountsOfOneZeroOrLessRunOnceAndTheRunGoesOn) {
  for (int Count : {1, 0, -5, INT32_MIN}) {
    Fixture F;
    F.Program.appendRepeatStart(Count);
    F.add(1);
    F.Program.appendRepeatEnd();
    F.add(10);
    const std::string Results = F.run();
    EXPECT_EQ(F.Target.value(), 11) << "count " << Count;
    EXPECT_EQ(Results, "on on loop2 end") << "count " << Count;
  }
}

TEST(AlgorithmStep, HugeCountReportIsClampedNotOverflowed) {
  Fixture F;
  F.Program.appendRepeatStart(INT32_MAX);
  F.Program.appendRepeatEnd();
  F.add(1);
  F.Program.resetCounters();
  F.Program.select(2);
  F.Program.lookup(2)->target()->setValue(INT32_MAX); // the last pass
  EXPECT_EQ(F.step(), "loop" + std::to_string(INT32_MAX));
  EXPECT_EQ(F.Program.currentNumber(), 3);
}

TEST(AlgorithmStep, InsertedCommandIsSteppedInListOrder) {
  Fixture F;
  F.add(1);
  F.add(2);
  F.add(3);
  F.Program.select(2);
  F.Program.insertArithmetic(&F.Target, ArithmeticOp::Give, 0); // number 4, between 2 and 3
  F.Program.select(2);
  EXPECT_EQ(F.step(), "on");
  EXPECT_EQ(F.Program.currentNumber(), 4);
  EXPECT_EQ(F.step(), "on");
  EXPECT_EQ(F.Program.currentNumber(), 3);
}

TEST(AlgorithmStep, EndWhoseStartIsGoneLosesTheCursor) {
  Fixture F;
  F.Program.appendRepeatStart(2); // 1
  F.add(1);                       // 2
  F.add(2);                       // 3
  F.Program.appendRepeatEnd();    // 4 -> 1
  F.Program.select(2);
  F.Program.insertRepeatEnd(); // 5 -> 1, a second end
  F.Program.select(5);
  F.Program.deleteCurrent(); // takes start 1 and end 5
  F.Program.resetCounters();
  F.Program.select(4);
  EXPECT_EQ(F.step(), "on") << "jumps to the stored number";
  EXPECT_EQ(F.Program.current(), nullptr);
  EXPECT_EQ(F.step(), "none");
  F.Program.insertArithmetic(&F.Target, ArithmeticOp::Give, 7); // no current: after the tail
  EXPECT_EQ(F.Program.tail()->number(), 6);
}

TEST(AlgorithmStep, ResetCountersZeroesEveryStartAndRestsOnTheTail) {
  Fixture F;
  F.Program.appendRepeatStart(2);
  F.Program.appendRepeatStart(3);
  F.Program.appendRepeatEnd();
  F.add(1);
  F.Program.lookup(1)->target()->setValue(5);
  F.Program.lookup(2)->target()->setValue(-3);
  F.Program.rewind();
  F.Program.resetCounters();
  EXPECT_EQ(F.Program.lookup(1)->target()->value(), 0);
  EXPECT_EQ(F.Program.lookup(2)->target()->value(), 0);
  EXPECT_EQ(F.Program.currentNumber(), 4);
}
