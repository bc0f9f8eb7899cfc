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
  EXPECT_EQ(F.A.deleteCurrent(), 0);
  EXPECT_EQ(F.A.commandCount(), 0);
  EXPECT_EQ(F.A.lastNumber(), 0);
  EXPECT_EQ(F.A.current(), nullptr);
  EXPECT_EQ(F.A.deleteCurrent(), 0);
  F.give(2);
  EXPECT_EQ(F.A.currentNumber(), 1);
}

TEST(AlgorithmDelete, PlainCommandsMoveTheCursorByPosition) {
  Fixture F;
  for (int I = 1; I <= 4; ++I)
    F.give(I);
  F.A.select(1); // head with a next: the next becomes head and current
  EXPECT_EQ(F.A.deleteCurrent(), 1);
  EXPECT_EQ(F.A.currentNumber(), 2);
  EXPECT_EQ(F.A.head()->number(), 2);
  F.A.select(4); // tail: the one before becomes tail and current
  EXPECT_EQ(F.A.deleteCurrent(), 1);
  EXPECT_EQ(F.A.currentNumber(), 3);
  EXPECT_EQ(F.A.tail()->number(), 3);
  F.give(5);
  F.A.select(3); // middle: current moves to the next
  EXPECT_EQ(F.A.deleteCurrent(), 1);
  EXPECT_EQ(numbers(F.A), "2 5");
  EXPECT_EQ(F.A.currentNumber(), 5);
  EXPECT_EQ(F.A.commandCount(), 2);
}

TEST(AlgorithmDelete, EitherMarkerRemovesThePairButNotTheBody) {
  for (int Victim : {1, 3}) {
    Fixture F;
    F.A.appendRepeatStart(3);
    F.A.appendDraw(1);
    F.A.appendRepeatEnd();
    F.A.select(Victim);
    EXPECT_EQ(F.A.deleteCurrent(), 1) << "victim " << Victim;
    EXPECT_EQ(listing(F.A), "*2:Zeichne Quadrat");
    EXPECT_EQ(F.A.commandCount(), 1);
  }
}

TEST(AlgorithmDelete, PairAroundTheRestEmptiesToZero) {
  Fixture F;
  F.A.appendRepeatStart(3);
  F.A.appendRepeatEnd();
  F.A.select(1);
  EXPECT_EQ(F.A.deleteCurrent(), 0);
  EXPECT_EQ(F.A.commandCount(), 0);
  EXPECT_EQ(F.A.lastNumber(), 0);
}

TEST(AlgorithmDelete, StartWithoutEndRemovesNothingAndRestsOnTheTail) {
  Fixture F;
  F.give(1);
  F.A.appendRepeatStart(3);
  F.give(2);
  F.give(3);
  F.A.select(2);
  EXPECT_EQ(F.A.deleteCurrent(), 0);
  EXPECT_EQ(F.A.commandCount(), 4);
  EXPECT_EQ(F.A.currentNumber(), 4);
}

TEST(AlgorithmDelete, NestedPairsAndASecondEnd) {
  Fixture F;
  F.A.appendRepeatStart(2); // 1
  F.A.appendRepeatStart(3); // 2
  F.give(1);                // 3
  F.A.appendRepeatEnd();    // 4 -> 2
  F.A.appendRepeatEnd();    // 5 -> 1
  F.A.select(2);
  EXPECT_EQ(F.A.deleteCurrent(), 1);
  EXPECT_EQ(listing(F.A), "1:Wiederhole 2 mal:, 3:Gib x den Wert 1, *5:Wiederhole bis hier.->1");
  EXPECT_EQ(F.A.commandCount(), 3);
  // Give start 1 a second end, then delete the first end: the start goes,
  // the other end stays with a jump to a number that no longer exists.
  F.A.select(3);
  F.A.insertRepeatEnd(); // 6 -> 1
  F.A.select(6);
  EXPECT_EQ(F.A.deleteCurrent(), 1);
  EXPECT_EQ(listing(F.A), "3:Gib x den Wert 1, *5:Wiederhole bis hier.->1");
  EXPECT_EQ(F.A.commandCount(), 2);
  F.A.select(5);
  EXPECT_EQ(F.A.deleteCurrent(), 1) << "the end without start still goes";
  EXPECT_EQ(listing(F.A), "*3:Gib x den Wert 1");
}

TEST(AlgorithmMove, AdjacentCommandsSwapUnlessBothAreMarkers) {
  Fixture F;
  F.give(1);                // 1
  F.A.appendRepeatStart(2); // 2
  F.A.appendRepeatEnd();    // 3
  F.give(4);                // 4
  F.A.moveCommand(1, 2);
  EXPECT_EQ(numbers(F.A), "2 1 3 4");
  EXPECT_EQ(F.A.currentNumber(), 2) << "moves leave the cursor at head";
  F.A.moveCommand(4, 3); // 4 moves up before the end, inside the loop
  EXPECT_EQ(numbers(F.A), "2 1 4 3");
  F.A.moveCommand(2, 1);
  EXPECT_EQ(numbers(F.A), "1 2 4 3");
  Fixture G;
  G.A.appendRepeatStart(2);
  G.A.appendRepeatEnd();
  G.A.moveCommand(1, 2);
  EXPECT_EQ(numbers(G.A), "1 2");
}

TEST(AlgorithmMove, PlainCommandGoesDirectlyBeforeThePlainTarget) {
  Fixture F;
  F.give(1);                // 1
  F.A.appendRepeatStart(2); // 2
  F.give(3);                // 3
  F.give(4);                // 4
  F.A.appendRepeatEnd();    // 5
  F.give(6);                // 6
  F.A.moveCommand(6, 3);    // into the loop
  EXPECT_EQ(numbers(F.A), "1 2 6 3 4 5");
  F.A.moveCommand(4, 1); // out of the loop, to the head
  EXPECT_EQ(numbers(F.A), "4 1 2 6 3 5");
  EXPECT_EQ(F.A.head()->number(), 4);
  F.A.moveCommand(4, 5); // onto the end: 4 is behind the start marker, so no
  EXPECT_EQ(numbers(F.A), "4 1 2 6 3 5");
}

TEST(AlgorithmMove, PlainCommandOntoAnEndTwoLinesBelowLandsInsideTheLoop) {
  Fixture F;
  F.A.appendRepeatStart(2); // 1
  F.A.appendDraw(1);        // 2
  F.give(3);                // 3
  F.A.appendRepeatEnd();    // 4
  F.A.moveCommand(2, 4);
  EXPECT_EQ(numbers(F.A), "1 3 2 4");
}

TEST(AlgorithmMove, MarkerMovesOnlyWithinItsStretch) {
  Fixture F;
  F.give(1);                // 1
  F.give(2);                // 2
  F.A.appendRepeatStart(2); // 3
  F.give(4);                // 4
  F.give(5);                // 5
  F.A.appendRepeatEnd();    // 6
  F.give(7);                // 7
  F.A.moveCommand(3, 1);    // start up past plain commands only
  EXPECT_EQ(numbers(F.A), "3 1 2 4 5 6 7");
  EXPECT_EQ(F.A.head()->number(), 3);
  F.A.moveCommand(3, 7); // behind the end marker: nothing
  EXPECT_EQ(numbers(F.A), "3 1 2 4 5 6 7");
  F.A.moveCommand(6, 4); // end up within the loop body
  EXPECT_EQ(numbers(F.A), "3 1 2 6 4 5 7");
  F.A.moveCommand(1, 6); // plain onto the end marker, reachable backwards
  EXPECT_EQ(numbers(F.A), "3 2 1 6 4 5 7");
  F.A.moveCommand(7, 6); // plain onto the end, reachable forward from it
  EXPECT_EQ(numbers(F.A), "3 2 1 7 6 4 5");
}

TEST(AlgorithmMove, NothingHappensWithoutCurrentOrWithUnknownNumbers) {
  Fixture F;
  F.give(1);
  F.give(2);
  F.A.moveCommand(1, 1);
  EXPECT_EQ(F.A.currentNumber(), 2) << "a = b changes nothing, not even the cursor";
  F.A.moveCommand(1, 9);
  EXPECT_EQ(numbers(F.A), "1 2");
  Algorithm Empty;
  Empty.moveCommand(1, 2);
  EXPECT_EQ(Empty.commandCount(), 0);
}

TEST(AlgorithmMove, MarkersNeverPassEachOtherUnderManyMoves) {
  Fixture F;
  F.give(1);
  F.A.appendRepeatStart(2);
  F.A.appendDraw(1);
  F.A.appendRepeatStart(3);
  F.give(2);
  F.give(3);
  F.A.appendRepeatEnd();
  F.A.appendDraw(2);
  F.A.appendRepeatEnd();
  F.give(4);
  F.A.appendRepeatStart(5);
  F.A.appendRepeatEnd();
  const std::vector<int> Markers = markerOrder(F.A);
  const int Last = F.A.lastNumber();
  RandomGenerator Random(7);
  for (int I = 0; I < 5000; ++I) {
    F.A.moveCommand(1 + Random.nextRandom() % Last, 1 + Random.nextRandom() % Last);
    ASSERT_EQ(markerOrder(F.A), Markers) << "after move " << I;
    ASSERT_EQ(numbers(F.A).rfind("links broken", 0), std::string::npos) << numbers(F.A);
    ASSERT_EQ(F.A.commandCount(), Last);
  }
}

TEST(AlgorithmMove, MarkerOntoAMarkerAboveItStays) {
  Fixture F;
  F.A.appendRepeatStart(2); // 1
  F.A.appendDraw(1);        // 2
  F.A.appendRepeatEnd();    // 3
  F.give(4);                // 4
  F.A.appendRepeatStart(3); // 5
  F.A.appendDraw(2);        // 6
  F.A.appendRepeatEnd();    // 7
  F.A.moveCommand(5, 3);    // would put start 5 inside loop 1: the loops would cross
  EXPECT_EQ(numbers(F.A), "1 2 3 4 5 6 7");
  F.A.moveCommand(3, 5); // an end dropped onto the start below it moves down
  EXPECT_EQ(numbers(F.A), "1 2 4 3 5 6 7");
}
