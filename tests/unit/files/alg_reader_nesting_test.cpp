// A file of 100,000 nested loops reads into the right pairs. Pairing each
// end by walking back from the tail took minutes for such a file; the
// watchdog ends the run if reading is anywhere near that slow again (how
// fast it really is, the files benchmark prints).
#include <gtest/gtest.h>

#include <string>

#include "files/alg_reader.h"
#include "model/algorithm.h"
#include "watchdog.h"

TEST(AlgReaderNesting, AHundredThousandLevelsPairEachEndWithItsOwnStart) {
  constexpr int Levels = 100000;
  std::string Text;
  for (int Level = 0; Level < Levels; ++Level)
    Text += "Wiederhole " + std::to_string(Level % 7 + 1) + " mal:\r\n";
  Text += "Zeichne Kreis\r\n";
  for (int Level = 0; Level < Levels; ++Level)
    Text += "Wiederhole bis hier.\r\n";
  Watchdog Guard(60);
  AlgorithmFileReader Reader;
  Reader.readBuffer(Text.data(), Text.size());
  const Algorithm &A = *Reader.algorithm();
  ASSERT_EQ(A.commandCount(), 2 * Levels + 1);
  // Starts are numbered 1 to Levels, the circle Levels + 1; the k-th end
  // closes start Levels + 1 - k, sharing its counter and count.
  for (int K = 1; K <= Levels; ++K) {
    const Command *End = A.lookup(Levels + 1 + K);
    const Command *Start = A.lookup(Levels + 1 - K);
    ASSERT_EQ(End->kind(), CommandKind::RepeatEnd);
    ASSERT_EQ(End->jumpTarget(), Start->number()) << "end " << K;
    ASSERT_EQ(End->target(), Start->target()) << "end " << K;
    ASSERT_EQ(End->value(), (Levels - K) % 7 + 1) << "end " << K;
  }
  EXPECT_EQ(A.lookup(Levels + 2)->jumpTarget(), Levels) << "the innermost pair";
  EXPECT_EQ(A.tail()->jumpTarget(), 1) << "the outermost pair";
}
