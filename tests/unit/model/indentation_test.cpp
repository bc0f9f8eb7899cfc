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

TEST(IndentedLines, AWalkFromAnyPositionGivesTheLevelsOfTheWholeWalk) {
  // Loops nested three deep, one of them left open, and a start left open at
  // the end: a walk begun at any line, as the scrolled listing begins it,
  // must see each line at the level the walk from the first line gives it.
  AlgorithmFixture F;
  F.give(1);
  for (int Depth = 0; Depth < 3; ++Depth) {
    F.Program.appendRepeatStart(2);
    F.add(Depth);
  }
  F.Program.appendRepeatEnd();
  F.Program.appendRepeatEnd();
  F.add(9);
  F.Program.appendRepeatStart(4);
  F.give(2);
  std::vector<IndentedLine> Whole;
  for (const IndentedLine &Line : indentedLines(F.Program))
    Whole.push_back(Line);
  std::vector<int> WholeLevels;
  for (const IndentedLine &Line : Whole)
    WholeLevels.push_back(Line.Level);
  EXPECT_EQ(WholeLevels, (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 2, 1, 1, 1, 2}));
  for (int From = 1; From <= F.Program.commandCount() + 1; ++From) {
    size_t I = static_cast<size_t>(From - 1);
    for (const IndentedLine &Line : indentedLines(F.Program, From)) {
      ASSERT_LT(I, Whole.size());
      EXPECT_EQ(Line.Cmd, Whole[I].Cmd);
      EXPECT_EQ(Line.Level, Whole[I].Level) << "from " << From << ", line " << I + 1;
      ++I;
    }
    EXPECT_EQ(I, Whole.size()) << "a walk from " << From << " stopped early";
  }
}
