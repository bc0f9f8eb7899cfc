// Single steps: loop semantics, the report of a finished loop, the end of the
// list, and stepping into commands inserted in the middle.
#include <climits>
#include <gtest/gtest.h>
#include <vector>

#include "algorithm_text.h"
#include "exec/random.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

struct Fixture : AlgorithmFixture {
  /// Arithmetic and loops draw nothing; the steps still need a source.
  RandomGenerator Random;

  int step() { return A.step(Random); }

  /// Runs from the first Command until step reports below 1; returns the
  /// results of every step.
  std::vector<int> run() {
    A.resetCounters();
    A.rewind();
    std::vector<int> Results;
    for (int Guard = 0; Guard < 100000; ++Guard) {
      int R = step();
      Results.push_back(R);
      if (R < 1)
        break;
    }
    return Results;
  }
};

} // namespace

TEST(AlgorithmStep, EmptyListAndLastCommand) {
  Algorithm Empty;
  RandomGenerator Random;
  EXPECT_EQ(Empty.step(Random), -1);
  Fixture F;
  F.add(1);
  F.add(2);
  F.A.rewind();
  EXPECT_EQ(F.step(), 1);
  EXPECT_EQ(F.A.currentNumber(), 2);
  EXPECT_EQ(F.step(), 0);
  EXPECT_EQ(F.A.currentNumber(), 2) << "the last step leaves current in place";
  EXPECT_EQ(F.X.value(), 3);
}

TEST(AlgorithmStep, ThreePassesLeaveTheCounterAtZero) {
  Fixture F;
  F.A.appendRepeatStart(3);
  F.add(1);
  F.A.appendRepeatEnd();
  std::vector<int> Results = F.run();
  EXPECT_EQ(F.X.value(), 3);
  EXPECT_EQ(F.A.lookup(1)->target()->value(), 0);
  // Nine steps of 1; the end is the last command, so the run ends with 0.
  EXPECT_EQ(Results, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 0}));
}

TEST(AlgorithmStep, FinishedLoopReportsTwiceItsCount) {
  Fixture F;
  F.A.appendRepeatStart(3);
  F.add(1);
  F.A.appendRepeatEnd();
  F.add(100);
  std::vector<int> Results = F.run();
  EXPECT_EQ(Results, (std::vector<int>{1, 1, 1, 1, 1, 1, 1, 1, 6, 0}));
  EXPECT_EQ(F.X.value(), 103);
}

TEST(AlgorithmStep, NestedLoopsMultiply) {
  Fixture F;
  F.A.appendRepeatStart(2);
  F.A.appendRepeatStart(3);
  F.add(1);
  F.A.appendRepeatEnd();
  F.A.appendRepeatEnd();
  F.run();
  EXPECT_EQ(F.X.value(), 6);
  EXPECT_EQ(F.A.lookup(1)->target()->value(), 0);
  EXPECT_EQ(F.A.lookup(2)->target()->value(), 0);
}

TEST(AlgorithmStep, CountsOfOneZeroOrLessRunOnceAndTheRunGoesOn) {
  for (int Count : {1, 0, -5, INT32_MIN}) {
    Fixture F;
    F.A.appendRepeatStart(Count);
    F.add(1);
    F.A.appendRepeatEnd();
    F.add(10);
    std::vector<int> Results = F.run();
    EXPECT_EQ(F.X.value(), 11) << "count " << Count;
    EXPECT_EQ(Results, (std::vector<int>{1, 1, 2, 0})) << "count " << Count;
  }
}

TEST(AlgorithmStep, HugeCountReportIsClampedNotOverflowed) {
  Fixture F;
  F.A.appendRepeatStart(INT32_MAX);
  F.A.appendRepeatEnd();
  F.add(1);
  F.A.resetCounters();
  F.A.select(2);
  F.A.lookup(2)->target()->setValue(INT32_MAX); // the last pass
  EXPECT_EQ(F.step(), INT_MAX);
  EXPECT_EQ(F.A.currentNumber(), 3);
}

TEST(AlgorithmStep, InsertedCommandIsSteppedInListOrder) {
  Fixture F;
  F.add(1);
  F.add(2);
  F.add(3);
  F.A.select(2);
  F.A.insertArithmetic(&F.X, ArithmeticOp::Give, 0); // number 4, between 2 and 3
  F.A.select(2);
  EXPECT_EQ(F.step(), 1);
  EXPECT_EQ(F.A.currentNumber(), 4);
  EXPECT_EQ(F.step(), 1);
  EXPECT_EQ(F.A.currentNumber(), 3);
}

TEST(AlgorithmStep, EndWhoseStartIsGoneLosesTheCursor) {
  Fixture F;
  F.A.appendRepeatStart(2); // 1
  F.add(1);                 // 2
  F.add(2);                 // 3
  F.A.appendRepeatEnd();    // 4 -> 1
  F.A.select(2);
  F.A.insertRepeatEnd(); // 5 -> 1, a second end
  F.A.select(5);
  F.A.deleteCurrent(); // takes start 1 and end 5
  F.A.resetCounters();
  F.A.select(4);
  EXPECT_EQ(F.step(), 1) << "jumps to the stored number";
  EXPECT_EQ(F.A.current(), nullptr);
  EXPECT_EQ(F.step(), -1);
  F.A.insertArithmetic(&F.X, ArithmeticOp::Give, 7); // no current: after the tail
  EXPECT_EQ(F.A.tail()->number(), 6);
}

TEST(AlgorithmStep, ResetCountersZeroesEveryStartAndRestsOnTheTail) {
  Fixture F;
  F.A.appendRepeatStart(2);
  F.A.appendRepeatStart(3);
  F.A.appendRepeatEnd();
  F.add(1);
  F.A.lookup(1)->target()->setValue(5);
  F.A.lookup(2)->target()->setValue(-3);
  F.A.rewind();
  F.A.resetCounters();
  EXPECT_EQ(F.A.lookup(1)->target()->value(), 0);
  EXPECT_EQ(F.A.lookup(2)->target()->value(), 0);
  EXPECT_EQ(F.A.currentNumber(), 4);
}
