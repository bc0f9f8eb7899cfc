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
  F.Program.appendDraw(2);
  EXPECT_EQ(listing(F.Program), "1:Gib x den Wert 1, 2:Gib x den Wert 2, *3:Zeichne Kreis");
  EXPECT_EQ(F.Program.commandCount(), 3);
  EXPECT_EQ(F.Program.lastNumber(), 3);
  EXPECT_EQ(numbers(F.Program), "1 2 3");
}

TEST(AlgorithmList, InsertGoesAfterCurrentWithTheNextFreeNumber) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.give(3);
  F.Program.select(2);
  F.Program.insertDraw(1);
  EXPECT_EQ(numbers(F.Program), "1 2 4 3");
  EXPECT_EQ(F.Program.currentNumber(), 4);
  F.Program.insertDraw(7); // after the new current, still before 3
  EXPECT_EQ(numbers(F.Program), "1 2 4 5 3");
  F.Program.select(3);
  F.Program.insertDraw(2); // at the tail: becomes the tail
  EXPECT_EQ(numbers(F.Program), "1 2 4 5 3 6");
  EXPECT_EQ(F.Program.tail()->number(), 6);
  Algorithm Empty;
  Empty.insertDraw(3);
  EXPECT_EQ(listing(Empty), "*1:Zeichne Blob");
}

TEST(AlgorithmList, NumbersAreNotReusedUntilTheListEmpties) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.give(3);
  F.Program.select(3);
  EXPECT_EQ(F.Program.deleteCurrent(), 1);
  F.give(4);
  EXPECT_EQ(numbers(F.Program), "1 2 4");
  EXPECT_EQ(F.Program.commandCount(), 3);
  F.Program.rewind();
  while (F.Program.deleteCurrent() == 1) {
  }
  EXPECT_EQ(F.Program.commandCount(), 0);
  EXPECT_EQ(F.Program.lastNumber(), 0);
  EXPECT_EQ(F.Program.head(), nullptr);
  EXPECT_EQ(F.Program.tail(), nullptr);
  F.Program.appendDraw(1);
  EXPECT_EQ(listing(F.Program), "*1:Zeichne Quadrat");
  EXPECT_EQ(F.Program.lookup(4), nullptr) << "the old index must be gone";
}

TEST(AlgorithmRepeat, EndClosesTheInnermostOpenStart) {
  Fixture F;
  F.Program.appendRepeatEnd();
  EXPECT_EQ(F.Program.commandCount(), 0);
  EXPECT_EQ(F.Program.lastNumber(), 0);
  F.Program.appendRepeatStart(2);
  F.Program.appendRepeatStart(3);
  F.Program.appendDraw(1);
  F.Program.appendRepeatEnd();
  F.Program.appendRepeatEnd();
  F.Program.appendRepeatEnd(); // nothing open any more
  EXPECT_EQ(listing(F.Program), "1:Wiederhole 2 mal:, 2:Wiederhole 3 mal:, 3:Zeichne Quadrat, "
                                "4:Wiederhole bis hier.->2, *5:Wiederhole bis hier.->1");
  EXPECT_EQ(F.Program.lastNumber(), 5);
  Command *Start = F.Program.lookup(1);
  Command *End = F.Program.lookup(5);
  EXPECT_EQ(End->target(), Start->target()) << "a pair shares its loop counter";
  EXPECT_NE(F.Program.lookup(2)->target(), Start->target());
  EXPECT_EQ(End->value(), 2);
}

TEST(AlgorithmRepeat, AppendAfterAnInnerPairClosesTheOuterStart) {
  Fixture F;
  F.Program.appendRepeatStart(2);
  F.Program.appendRepeatStart(3);
  F.Program.appendDraw(1);
  F.Program.appendRepeatEnd();
  F.Program.appendRepeatEnd();
  EXPECT_EQ(F.Program.lookup(4)->jumpTarget(), 2);
  EXPECT_EQ(F.Program.lookup(5)->jumpTarget(), 1);
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
  F.Program.appendRepeatStart(4);
  F.give(1);
  F.give(2);
  F.Program.appendRepeatEnd();
  F.Program.select(2);
  F.Program.insertRepeatEnd();
  EXPECT_EQ(listing(F.Program),
            "1:Wiederhole 4 mal:, 2:Gib x den Wert 1, *5:Wiederhole bis hier.->1, "
            "3:Gib x den Wert 2, 4:Wiederhole bis hier.->1");
  F.Program.select(4);
  F.Program.insertRepeatEnd(); // the walk counts end 4 itself and finds nothing open
  EXPECT_EQ(F.Program.commandCount(), 5);
  F.Program.select(3);
  F.Program.insertRepeatEnd(); // end 5 lies on the walk: start 1 counts as closed
  EXPECT_EQ(F.Program.commandCount(), 5);
}

TEST(AlgorithmCursor, FindAndSelectStartAtHead) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.give(3);
  EXPECT_EQ(F.Program.find(2)->number(), 2);
  EXPECT_EQ(F.Program.currentNumber(), 1) << "find leaves the cursor at head";
  EXPECT_EQ(F.Program.select(3)->number(), 3);
  EXPECT_EQ(F.Program.currentNumber(), 3);
  EXPECT_EQ(F.Program.select(42), nullptr);
  EXPECT_EQ(F.Program.currentNumber(), 1);
  EXPECT_EQ(F.Program.select(-1), nullptr);
  EXPECT_EQ(F.Program.find(0), nullptr);
  EXPECT_EQ(F.Program.moveNext()->number(), 2);
  EXPECT_EQ(F.Program.moveNext()->number(), 3);
  EXPECT_EQ(F.Program.moveNext(), nullptr);
  EXPECT_EQ(F.Program.currentNumber(), 3);
  F.Program.rewind();
  EXPECT_EQ(F.Program.movePrev(), nullptr);
  EXPECT_EQ(F.Program.currentNumber(), 1);
}

TEST(AlgorithmCursor, CurrentReadingsAndSetters) {
  Fixture F;
  Variable Max(10), Min(0), Y(0);
  Max.setName("max");
  Min.setName("min");
  Y.setName("y");
  F.Program.appendRandom(&F.Target, &Max, &Min);
  EXPECT_EQ(F.Program.currentKind(), CommandKind::RandomValue);
  EXPECT_EQ(F.Program.currentSource(), &Max);
  EXPECT_EQ(F.Program.currentLower(), &Min);
  F.Program.setCurrentTarget(&Y);
  F.Program.setCurrentUpper(&Min);
  F.Program.setCurrentLower(&Max);
  EXPECT_EQ(F.Program.currentText(), "Zufallswert fuer y zwischen min und max");
  F.Program.appendArithmeticVar(&F.Target, ArithmeticOp::Add, &Y);
  EXPECT_EQ(F.Program.currentText(), "Addiere den Wert von y zu x");
  EXPECT_EQ(F.Program.currentValue(), 0);
}

TEST(AlgorithmCursor, SetCurrentValueOnAStartAlsoSetsItsEnd) {
  Fixture F;
  F.Program.appendRepeatStart(20);
  F.Program.appendDraw(1);
  F.Program.appendRepeatEnd();
  F.Program.select(1);
  F.Program.setCurrentValue(3);
  EXPECT_EQ(F.Program.currentText(), "Wiederhole 3 mal:");
  EXPECT_EQ(F.Program.lookup(3)->value(), 3);
  EXPECT_EQ(F.Program.lookup(3)->text(), "Wiederhole bis hier.");
  Algorithm Open;
  Open.appendRepeatStart(20);
  Open.appendDraw(1);
  Open.select(1);
  Open.setCurrentValue(4); // no end: only the start changes
  EXPECT_EQ(Open.currentText(), "Wiederhole 4 mal:");
  EXPECT_EQ(Open.lookup(2)->value(), 1);
}
