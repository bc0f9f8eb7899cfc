// Algorithm list: numbering, appending and inserting, repeat pairing, cursor
// and lookup, and changes of the current Command.
#include <gtest/gtest.h>

#include "algorithm_text.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

using Fixture = AlgorithmFixture;

} // namespace

TEST(AlgorithmList, EmptyListHasNoCurrentAndNeutralReadings) {
  Algorithm A;
  EXPECT_EQ(A.commandCount(), 0);
  EXPECT_EQ(A.lastNumber(), 0);
  EXPECT_EQ(A.rewind(), nullptr);
  EXPECT_EQ(A.moveNext(), nullptr);
  EXPECT_EQ(A.movePrev(), nullptr);
  EXPECT_EQ(A.currentNumber(), -1);
  EXPECT_EQ(A.currentKind(), CommandKind(0));
  EXPECT_EQ(A.currentValue(), 0);
  EXPECT_EQ(A.currentJumpTarget(), 0);
  EXPECT_EQ(A.currentTarget(), nullptr);
  EXPECT_EQ(A.currentSource(), nullptr);
  EXPECT_EQ(A.currentLower(), nullptr);
  EXPECT_EQ(A.currentText(), "");
  EXPECT_EQ(A.select(1), nullptr);
  A.setCurrentValue(3); // no current: nothing happens
  A.resetCounters();
  EXPECT_EQ(A.current(), nullptr);
}

TEST(AlgorithmList, AppendNumbersFromOneAndMakesTheNewCommandCurrent) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.A.appendDraw(2);
  EXPECT_EQ(listing(F.A), "1:Gib x den Wert 1, 2:Gib x den Wert 2, *3:Zeichne Kreis");
  EXPECT_EQ(F.A.commandCount(), 3);
  EXPECT_EQ(F.A.lastNumber(), 3);
  EXPECT_EQ(numbers(F.A), "1 2 3");
}

TEST(AlgorithmList, InsertGoesAfterCurrentWithTheNextFreeNumber) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.give(3);
  F.A.select(2);
  F.A.insertDraw(1);
  EXPECT_EQ(numbers(F.A), "1 2 4 3");
  EXPECT_EQ(F.A.currentNumber(), 4);
  F.A.insertDraw(7); // after the new current, still before 3
  EXPECT_EQ(numbers(F.A), "1 2 4 5 3");
  F.A.select(3);
  F.A.insertDraw(2); // at the tail: becomes the tail
  EXPECT_EQ(numbers(F.A), "1 2 4 5 3 6");
  EXPECT_EQ(F.A.tail()->number(), 6);
  Algorithm Empty;
  Empty.insertDraw(3);
  EXPECT_EQ(listing(Empty), "*1:Zeichne Blob");
}

TEST(AlgorithmList, NumbersAreNotReusedUntilTheListEmpties) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.give(3);
  F.A.select(3);
  EXPECT_EQ(F.A.deleteCurrent(), 1);
  F.give(4);
  EXPECT_EQ(numbers(F.A), "1 2 4");
  EXPECT_EQ(F.A.commandCount(), 3);
  F.A.rewind();
  while (F.A.deleteCurrent() == 1) {
  }
  EXPECT_EQ(F.A.commandCount(), 0);
  EXPECT_EQ(F.A.lastNumber(), 0);
  EXPECT_EQ(F.A.head(), nullptr);
  EXPECT_EQ(F.A.tail(), nullptr);
  F.A.appendDraw(1);
  EXPECT_EQ(listing(F.A), "*1:Zeichne Quadrat");
  EXPECT_EQ(F.A.lookup(4), nullptr) << "the old index must be gone";
}

TEST(AlgorithmRepeat, EndClosesTheInnermostOpenStart) {
  Fixture F;
  F.A.appendRepeatEnd();
  EXPECT_EQ(F.A.commandCount(), 0);
  EXPECT_EQ(F.A.lastNumber(), 0);
  F.A.appendRepeatStart(2);
  F.A.appendRepeatStart(3);
  F.A.appendDraw(1);
  F.A.appendRepeatEnd();
  F.A.appendRepeatEnd();
  F.A.appendRepeatEnd(); // nothing open any more
  EXPECT_EQ(listing(F.A), "1:Wiederhole 2 mal:, 2:Wiederhole 3 mal:, 3:Zeichne Quadrat, "
                          "4:Wiederhole bis hier.->2, *5:Wiederhole bis hier.->1");
  EXPECT_EQ(F.A.lastNumber(), 5);
  Command *Start = F.A.lookup(1);
  Command *End = F.A.lookup(5);
  EXPECT_EQ(End->target(), Start->target()) << "a pair shares its loop counter";
  EXPECT_NE(F.A.lookup(2)->target(), Start->target());
  EXPECT_EQ(End->value(), 2);
}

TEST(AlgorithmRepeat, AppendAfterAnInnerPairClosesTheOuterStart) {
  Fixture F;
  F.A.appendRepeatStart(2);
  F.A.appendRepeatStart(3);
  F.A.appendDraw(1);
  F.A.appendRepeatEnd();
  F.A.appendRepeatEnd();
  EXPECT_EQ(F.A.lookup(4)->jumpTarget(), 2);
  EXPECT_EQ(F.A.lookup(5)->jumpTarget(), 1);
  Algorithm Open;
  Open.appendRepeatStart(2);
  Open.appendRepeatStart(3);
  Open.appendDraw(1);
  Open.select(1);
  Open.appendRepeatEnd(); // append searches from the tail, not from current
  EXPECT_EQ(Open.lookup(4)->jumpTarget(), 2);
}

TEST(AlgorithmRepeat, InsertSearchesFromCurrentSoAClosedLoopGetsASecondEnd) {
  Fixture F;
  F.A.appendRepeatStart(4);
  F.give(1);
  F.give(2);
  F.A.appendRepeatEnd();
  F.A.select(2);
  F.A.insertRepeatEnd();
  EXPECT_EQ(listing(F.A), "1:Wiederhole 4 mal:, 2:Gib x den Wert 1, *5:Wiederhole bis hier.->1, "
                          "3:Gib x den Wert 2, 4:Wiederhole bis hier.->1");
  F.A.select(4);
  F.A.insertRepeatEnd(); // the walk counts end 4 itself and finds nothing open
  EXPECT_EQ(F.A.commandCount(), 5);
  F.A.select(3);
  F.A.insertRepeatEnd(); // end 5 lies on the walk: start 1 counts as closed
  EXPECT_EQ(F.A.commandCount(), 5);
}

TEST(AlgorithmCursor, FindAndSelectStartAtHead) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.give(3);
  EXPECT_EQ(F.A.find(2)->number(), 2);
  EXPECT_EQ(F.A.currentNumber(), 1) << "find leaves the cursor at head";
  EXPECT_EQ(F.A.select(3)->number(), 3);
  EXPECT_EQ(F.A.currentNumber(), 3);
  EXPECT_EQ(F.A.select(42), nullptr);
  EXPECT_EQ(F.A.currentNumber(), 1);
  EXPECT_EQ(F.A.select(-1), nullptr);
  EXPECT_EQ(F.A.find(0), nullptr);
  EXPECT_EQ(F.A.moveNext()->number(), 2);
  EXPECT_EQ(F.A.moveNext()->number(), 3);
  EXPECT_EQ(F.A.moveNext(), nullptr);
  EXPECT_EQ(F.A.currentNumber(), 3);
  F.A.rewind();
  EXPECT_EQ(F.A.movePrev(), nullptr);
  EXPECT_EQ(F.A.currentNumber(), 1);
}

TEST(AlgorithmCursor, CurrentReadingsAndSetters) {
  Fixture F;
  Variable Max(10), Min(0), Y(0);
  Max.setName("max");
  Min.setName("min");
  Y.setName("y");
  F.A.appendRandom(&F.X, &Max, &Min);
  EXPECT_EQ(F.A.currentKind(), CommandKind::RandomValue);
  EXPECT_EQ(F.A.currentSource(), &Max);
  EXPECT_EQ(F.A.currentLower(), &Min);
  F.A.setCurrentTarget(&Y);
  F.A.setCurrentUpper(&Min);
  F.A.setCurrentLower(&Max);
  EXPECT_EQ(F.A.currentText(), "Zufallswert fuer y zwischen min und max");
  F.A.appendArithmeticVar(&F.X, ArithmeticOp::Add, &Y);
  EXPECT_EQ(F.A.currentText(), "Addiere den Wert von y zu x");
  EXPECT_EQ(F.A.currentValue(), 0);
}

TEST(AlgorithmCursor, SetCurrentValueOnAStartAlsoSetsItsEnd) {
  Fixture F;
  F.A.appendRepeatStart(20);
  F.A.appendDraw(1);
  F.A.appendRepeatEnd();
  F.A.select(1);
  F.A.setCurrentValue(3);
  EXPECT_EQ(F.A.currentText(), "Wiederhole 3 mal:");
  EXPECT_EQ(F.A.lookup(3)->value(), 3);
  EXPECT_EQ(F.A.lookup(3)->text(), "Wiederhole bis hier.");
  Algorithm Open;
  Open.appendRepeatStart(20);
  Open.appendDraw(1);
  Open.select(1);
  Open.setCurrentValue(4); // no end: only the start changes
  EXPECT_EQ(Open.currentText(), "Wiederhole 4 mal:");
  EXPECT_EQ(Open.lookup(2)->value(), 1);
}
