// Repeat pairing against its definition: an end closes the innermost start
// that no end between it and the place the search begins (the tail for an
// append, the cursor for an insert) closes. The Algorithm remembers the open
// starts instead of walking back each time; a random mix of appends,
// inserts, deletions and moves must pair every end exactly as the walk back
// does, and no two loops may ever share a counter.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "model/algorithm.h"
#include "model/variable.h"

namespace {

// The definition, walked back from \p From through the kinds alone.
const Command *startTheWalkFinds(const Command *From) {
  int Depth = 0;
  for (const Command *C = From; C; C = C->prev()) {
    if (C->kind() == CommandKind::RepeatStart) {
      if (Depth == 0)
        return C;
      --Depth;
    } else if (C->kind() == CommandKind::RepeatEnd) {
      ++Depth;
    }
  }
  return nullptr;
}

// Every start has a counter of its own; every end whose start is still there
// shares that start's counter and count.
void expectCountersSound(const Algorithm &A) {
  std::set<const Variable *> StartCounters;
  for (const Command *C = A.head(); C; C = C->next()) {
    if (C->kind() == CommandKind::RepeatStart) {
      ASSERT_NE(C->target(), nullptr);
      EXPECT_TRUE(StartCounters.insert(C->target()).second) << "two loops share a counter";
    }
  }
  for (const Command *C = A.head(); C; C = C->next()) {
    if (C->kind() != CommandKind::RepeatEnd)
      continue;
    const Command *Start = A.lookup(C->jumpTarget());
    if (Start)
      EXPECT_EQ(C->target(), Start->target()) << "end " << C->number();
    else
      EXPECT_EQ(StartCounters.count(C->target()), 0u) << "an orphan end's counter was reused";
  }
}

class PairingRun {
public:
  explicit PairingRun(unsigned Seed) : Random(Seed) {}

  void step() {
    switch (pick(9)) {
    case 0:
      A.appendRepeatStart(pick(5));
      break;
    case 1:
      A.insertRepeatStart(pick(5));
      break;
    case 2:
      A.appendDraw(1);
      break;
    case 3:
      A.insertDraw(2);
      break;
    case 4:
      closeAndCheck(A.tail(), [this] { A.appendRepeatEnd(); });
      break;
    case 5:
      closeAndCheck(A.current() ? A.current() : A.tail(), [this] { A.insertRepeatEnd(); });
      break;
    case 6:
      A.select(1 + pick(A.lastNumber() + 1));
      break;
    case 7:
      if (pick(4) == 0)
        (void)A.deleteCurrent();
      break;
    case 8:
      A.moveCommand(1 + pick(A.lastNumber() + 1), 1 + pick(A.lastNumber() + 1));
      break;
    }
  }

  Algorithm A;

private:
  int pick(int Below) { return std::uniform_int_distribution<int>(0, Below - 1)(Random); }

  template <typename Close> void closeAndCheck(const Command *From, Close DoClose) {
    const Command *Expected = From ? startTheWalkFinds(From) : nullptr;
    const int32_t Before = A.commandCount();
    DoClose();
    if (!Expected) {
      EXPECT_EQ(A.commandCount(), Before) << "an end without an open start was made";
      return;
    }
    ASSERT_EQ(A.commandCount(), Before + 1);
    const Command *End = A.current();
    ASSERT_EQ(End->kind(), CommandKind::RepeatEnd);
    EXPECT_EQ(End->jumpTarget(), Expected->number());
    EXPECT_EQ(End->value(), Expected->value());
  }

  std::mt19937 Random;
};

} // namespace

TEST(RepeatPairing, EveryEndClosesTheStartTheWalkBackFinds) {
  for (unsigned Seed = 1; Seed <= 40; ++Seed) {
    PairingRun Run(Seed);
    for (int Step = 0; Step < 400; ++Step) {
      Run.step();
      if (::testing::Test::HasFailure()) {
        ADD_FAILURE() << "seed " << Seed << ", step " << Step;
        return;
      }
    }
    expectCountersSound(Run.A);
  }
}
