// The indentation rule the listing and the .alg file share: a block's body
// one level in, its start and end at the level outside, and an end without
// an open block harmless to everything after it.
#include <gtest/gtest.h>

#include <vector>

#include "algorithm_text.h"
#include "model/indentation.h"

namespace {

/// The level of every command of \p A, first to last.
std::vector<int> levels(const Algorithm &A) {
  std::vector<int> All;
  for (const Command *C = A.head(); C; C = C->next())
    All.push_back(indentLevel(A, C));
  return All;
}

} // namespace

TEST(Indentation, BodiesGoOneLevelInAndMarkersStandOutside) {
  AlgorithmFixture F;
  F.give(1);
  F.Program.appendRepeatStart(2);
  F.Program.appendRepeatStart(3);
  F.add(1);
  F.Program.appendRepeatEnd();
  F.add(2);
  F.Program.appendRepeatEnd();
  F.add(3);
  EXPECT_EQ(levels(F.Program), (std::vector<int>{0, 0, 1, 2, 1, 1, 0, 0}));
}

TEST(Indentation, EndWithoutOpenBlockStaysAtTheLeftEdge) {
  // End, end, start, body, end, end: the first two and the last close
  // nothing, and the block between them indents as if they were not there.
  Indentation Walk;
  std::vector<int> Seen;
  for (CommandKind Kind :
       {CommandKind::RepeatEnd, CommandKind::RepeatEnd, CommandKind::RepeatStart, CommandKind::Draw,
        CommandKind::RepeatEnd, CommandKind::RepeatEnd, CommandKind::Arithmetic})
    Seen.push_back(Walk.levelOf(Kind));
  EXPECT_EQ(Seen, (std::vector<int>{0, 0, 0, 1, 0, 0, 0}));
}

TEST(Indentation, CommandOutsideTheListIsAtTheLeftEdge) {
  AlgorithmFixture F;
  F.Program.appendRepeatStart(2);
  F.add(1);
  F.Program.appendRepeatEnd();
  Command Stranger;
  EXPECT_EQ(indentLevel(F.Program, &Stranger), 0);
  EXPECT_EQ(indentLevel(F.Program, nullptr), 0);
  EXPECT_EQ(indentLevel(F.Program, F.Program.lookup(2)), 1);
}
