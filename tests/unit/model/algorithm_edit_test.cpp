// Algorithm edits: deleting the current Command (markers go in pairs) and
// drag-and-drop moves that never let two markers pass each other.
#include <gtest/gtest.h>
#include <vector>

#include "algorithm_text.h"
#include "exec/random.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

using Fixture = AlgorithmFixture;

// The markers in list order, by number: the order that moves must keep.
std::vector<int> markerOrder(const Algorithm &A) {
  std::vector<int> Order;
  for (const Command *C = A.head(); C; C = C->next())
    if (isRepeatMarker(C))
      Order.push_back(C->number());
  return Order;
}

} // namespace

TEST(AlgorithmDelete, OnlyCommandEmptiesTheList) {
  Fixture F;
  F.give(1);
  EXPECT_EQ(F.Program.deleteCurrent(), 0);
  EXPECT_EQ(F.Program.commandCount(), 0);
  EXPECT_EQ(F.Program.lastNumber(), 0);
  EXPECT_EQ(F.Program.current(), nullptr);
  EXPECT_EQ(F.Program.deleteCurrent(), 0);
  F.give(2);
  EXPECT_EQ(F.Program.currentNumber(), 1);
}

TEST(AlgorithmDelete, PlainCommandsMoveTheCursorByPosition) {
  Fixture F;
  for (int I = 1; I <= 4; ++I)
    F.give(I);
  F.Program.select(1); // head with a next: the next becomes head and current
  EXPECT_EQ(F.Program.deleteCurrent(), 1);
  EXPECT_EQ(F.Program.currentNumber(), 2);
  EXPECT_EQ(F.Program.head()->number(), 2);
  F.Program.select(4); // tail: the one before becomes tail and current
  EXPECT_EQ(F.Program.deleteCurrent(), 1);
  EXPECT_EQ(F.Program.currentNumber(), 3);
  EXPECT_EQ(F.Program.tail()->number(), 3);
  F.give(5);
  F.Program.select(3); // middle: current moves to the next
  EXPECT_EQ(F.Program.deleteCurrent(), 1);
  EXPECT_EQ(numbers(F.Program), "2 5");
  EXPECT_EQ(F.Program.currentNumber(), 5);
  EXPECT_EQ(F.Program.commandCount(), 2);
}

TEST(AlgorithmDelete, EitherMarkerRemovesThePairButNotTheBody) {
  for (int Victim : {1, 3}) {
    Fixture F;
    F.Program.appendRepeatStart(3);
    F.Program.appendDraw(1);
    F.Program.appendRepeatEnd();
    F.Program.select(Victim);
    EXPECT_EQ(F.Program.deleteCurrent(), 1) << "victim " << Victim;
    EXPECT_EQ(listing(F.Program), "*2:Zeichne Quadrat");
    EXPECT_EQ(F.Program.commandCount(), 1);
  }
}

TEST(AlgorithmDelete, PairAroundTheRestEmptiesToZero) {
  Fixture F;
  F.Program.appendRepeatStart(3);
  F.Program.appendRepeatEnd();
  F.Program.select(1);
  EXPECT_EQ(F.Program.deleteCurrent(), 0);
  EXPECT_EQ(F.Program.commandCount(), 0);
  EXPECT_EQ(F.Program.lastNumber(), 0);
}

TEST(AlgorithmDelete, StartWithoutEndRemovesNothingAndRestsOnTheTail) {
  Fixture F;
  F.give(1);
  F.Program.appendRepeatStart(3);
  F.give(2);
  F.give(3);
  F.Program.select(2);
  EXPECT_EQ(F.Program.deleteCurrent(), 0);
  EXPECT_EQ(F.Program.commandCount(), 4);
  EXPECT_EQ(F.Program.currentNumber(), 4);
}

TEST(AlgorithmDelete, NestedPairsAndASecondEnd) {
  Fixture F;
  F.Program.appendRepeatStart(2); // 1
  F.Program.appendRepeatStart(3); // 2
  F.give(1);                      // 3
  F.Program.appendRepeatEnd();    // 4 -> 2
  F.Program.appendRepeatEnd();    // 5 -> 1
  F.Program.select(2);
  EXPECT_EQ(F.Program.deleteCurrent(), 1);
  EXPECT_EQ(listing(F.Program),
            "1:Wiederhole 2 mal:, 3:Gib x den Wert 1, *5:Wiederhole bis hier.->1");
  EXPECT_EQ(F.Program.commandCount(), 3);
  // Give start 1 a second end, then delete the first end: the start goes,
  // the other end stays with a jump to a number that no longer exists.
  F.Program.select(3);
  F.Program.insertRepeatEnd(); // 6 -> 1
  F.Program.select(6);
  EXPECT_EQ(F.Program.deleteCurrent(), 1);
  EXPECT_EQ(listing(F.Program), "3:Gib x den Wert 1, *5:Wiederhole bis hier.->1");
  EXPECT_EQ(F.Program.commandCount(), 2);
  F.Program.select(5);
  EXPECT_EQ(F.Program.deleteCurrent(), 1) << "the end without start still goes";
  EXPECT_EQ(listing(F.Program), "*3:Gib x den Wert 1");
}

TEST(AlgorithmMove, AdjacentCommandsSwapUnlessBothAreMarkers) {
  Fixture F;
  F.give(1);                      // 1
  F.Program.appendRepeatStart(2); // 2
  F.Program.appendRepeatEnd();    // 3
  F.give(4);                      // 4
  F.Program.moveCommand(1, 2);
  EXPECT_EQ(numbers(F.Program), "2 1 3 4");
  EXPECT_EQ(F.Program.currentNumber(), 2) << "moves leave the cursor at head";
  F.Program.moveCommand(4, 3); // 4 moves up before the end, inside the loop
  EXPECT_EQ(numbers(F.Program), "2 1 4 3");
  F.Program.moveCommand(2, 1);
  EXPECT_EQ(numbers(F.Program), "1 2 4 3");
  Fixture G;
  G.Program.appendRepeatStart(2);
  G.Program.appendRepeatEnd();
  G.Program.moveCommand(1, 2);
  EXPECT_EQ(numbers(G.Program), "1 2");
}

TEST(AlgorithmMove, PlainCommandGoesDirectlyBeforeThePlainTarget) {
  Fixture F;
  F.give(1);                      // 1
  F.Program.appendRepeatStart(2); // 2
  F.give(3);                      // 3
  F.give(4);                      // 4
  F.Program.appendRepeatEnd();    // 5
  F.give(6);                      // 6
  F.Program.moveCommand(6, 3);    // into the loop
  EXPECT_EQ(numbers(F.Program), "1 2 6 3 4 5");
  F.Program.moveCommand(4, 1); // out of the loop, to the head
  EXPECT_EQ(numbers(F.Program), "4 1 2 6 3 5");
  EXPECT_EQ(F.Program.head()->number(), 4);
  F.Program.moveCommand(4, 5); // onto the end: 4 is behind the start marker, so no
  EXPECT_EQ(numbers(F.Program), "4 1 2 6 3 5");
}

TEST(AlgorithmMove, PlainCommandOntoAnEndTwoLinesBelowLandsInsideTheLoop) {
  Fixture F;
  F.Program.appendRepeatStart(2); // 1
  F.Program.appendDraw(1);        // 2
  F.give(3);                      // 3
  F.Program.appendRepeatEnd();    // 4
  F.Program.moveCommand(2, 4);
  EXPECT_EQ(numbers(F.Program), "1 3 2 4");
}

TEST(AlgorithmMove, MarkerMovesOnlyWithinItsStretch) {
  Fixture F;
  F.give(1);                      // 1
  F.give(2);                      // 2
  F.Program.appendRepeatStart(2); // 3
  F.give(4);                      // 4
  F.give(5);                      // 5
  F.Program.appendRepeatEnd();    // 6
  F.give(7);                      // 7
  F.Program.moveCommand(3, 1);    // start up past plain commands only
  EXPECT_EQ(numbers(F.Program), "3 1 2 4 5 6 7");
  EXPECT_EQ(F.Program.head()->number(), 3);
  F.Program.moveCommand(3, 7); // behind the end marker: nothing
  EXPECT_EQ(numbers(F.Program), "3 1 2 4 5 6 7");
  F.Program.moveCommand(6, 4); // end up within the loop body
  EXPECT_EQ(numbers(F.Program), "3 1 2 6 4 5 7");
  F.Program.moveCommand(1, 6); // plain onto the end marker, reachable backwards
  EXPECT_EQ(numbers(F.Program), "3 2 1 6 4 5 7");
  F.Program.moveCommand(7, 6); // plain onto the end, reachable forward from it
  EXPECT_EQ(numbers(F.Program), "3 2 1 7 6 4 5");
}

TEST(AlgorithmMove, NothingHappensWithoutCurrentOrWithUnknownNumbers) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.Program.moveCommand(1, 1);
  EXPECT_EQ(F.Program.currentNumber(), 2) << "a = b changes nothing, not even the cursor";
  F.Program.moveCommand(1, 9);
  EXPECT_EQ(numbers(F.Program), "1 2");
  Algorithm Empty;
  Empty.moveCommand(1, 2);
  EXPECT_EQ(Empty.commandCount(), 0);
}

TEST(AlgorithmMove, MarkersNeverPassEachOtherUnderManyMoves) {
  Fixture F;
  F.give(1);
  F.Program.appendRepeatStart(2);
  F.Program.appendDraw(1);
  F.Program.appendRepeatStart(3);
  F.give(2);
  F.give(3);
  F.Program.appendRepeatEnd();
  F.Program.appendDraw(2);
  F.Program.appendRepeatEnd();
  F.give(4);
  F.Program.appendRepeatStart(5);
  F.Program.appendRepeatEnd();
  const std::vector<int> Markers = markerOrder(F.Program);
  const int Last = F.Program.lastNumber();
  RandomGenerator Random(7);
  for (int I = 0; I < 5000; ++I) {
    F.Program.moveCommand(1 + Random.nextRandom() % Last, 1 + Random.nextRandom() % Last);
    ASSERT_EQ(markerOrder(F.Program), Markers) << "after move " << I;
    ASSERT_EQ(numbers(F.Program).rfind("links broken", 0), std::string::npos) << numbers(F.Program);
    ASSERT_EQ(F.Program.commandCount(), Last);
  }
}

TEST(AlgorithmMove, MarkerOntoAMarkerAboveItStays) {
  Fixture F;
  F.Program.appendRepeatStart(2); // 1
  F.Program.appendDraw(1);        // 2
  F.Program.appendRepeatEnd();    // 3
  F.give(4);                      // 4
  F.Program.appendRepeatStart(3); // 5
  F.Program.appendDraw(2);        // 6
  F.Program.appendRepeatEnd();    // 7
  F.Program.moveCommand(5, 3);    // would put start 5 inside loop 1: the loops would cross
  EXPECT_EQ(numbers(F.Program), "1 2 3 4 5 6 7");
  F.Program.moveCommand(3, 5); // an end dropped onto the start below it moves down
  EXPECT_EQ(numbers(F.Program), "1 2 4 3 5 6 7");
}
