// The .alg text: the banner, one CR LF line per Command, and the indentation
// of two spaces per open repeat block worked out from the commands' kinds.
#include <gtest/gtest.h>

#include "files/alg_format.h"
#include "model/algorithm.h"
#include "model/variable.h"

namespace {

const std::string Header = "*************************************\r\n"
                           "*    Quovadrin Algorithmus Datei    *\r\n"
                           "*************************************\r\n"
                           "\r\n";

struct Vars {
  Variable X{0}, D{0}, Max{10}, Min{0};
  Vars() {
    X.setName("x");
    D.setName("d");
    Max.setName("max");
    Min.setName("min");
  }
};

} // namespace

TEST(AlgFormat, EmptyAlgorithmIsExactlyTheFourHeaderLines) {
  Algorithm A;
  const std::string Text = algorithmText(A);
  EXPECT_EQ(Text, Header);
  EXPECT_EQ(Text.size(), 3 * (37 + 2) + 2u);
  EXPECT_EQ(A.current(), nullptr);
}

TEST(AlgFormat, OneRepeatBlockIsIndentedAndEveryLineEndsWithCrLf) {
  Vars V;
  Algorithm A;
  A.appendArithmetic(&V.X, ArithmeticOp::Give, 100);
  A.appendRepeatStart(5);
  A.appendRandom(&V.D, &V.Max, &V.Min);
  A.appendDraw(2);
  A.appendArithmetic(&V.X, ArithmeticOp::Add, 20);
  A.appendRepeatEnd();
  A.appendDraw(1);
  EXPECT_EQ(algorithmText(A), Header + "Gib x den Wert 100\r\n"
                                       "Wiederhole 5 mal:\r\n"
                                       "  Zufallswert fuer d zwischen max und min\r\n"
                                       "  Zeichne Kreis\r\n"
                                       "  Addiere 20 zu x\r\n"
                                       "Wiederhole bis hier.\r\n"
                                       "Zeichne Quadrat\r\n");
}

TEST(AlgFormat, NestedBlocksIndentByTwoAndFourAndEndsStandAtTheirStart) {
  Algorithm A;
  A.appendRepeatStart(2);
  A.appendRepeatStart(3);
  A.appendDraw(1);
  A.appendRepeatEnd();
  A.appendDraw(2);
  A.appendRepeatEnd();
  EXPECT_EQ(algorithmText(A), Header + "Wiederhole 2 mal:\r\n"
                                       "  Wiederhole 3 mal:\r\n"
                                       "    Zeichne Quadrat\r\n"
                                       "  Wiederhole bis hier.\r\n"
                                       "  Zeichne Kreis\r\n"
                                       "Wiederhole bis hier.\r\n");
}

TEST(AlgFormat, EndWithoutStartStaysAtTheLeftEdgeAndLaterBlocksIndent) {
  // The model never appends such an end, so it is made by hand: a draw
  // command turned into a repeat end.
  Algorithm A;
  A.appendDraw(1);
  A.current()->setKind(CommandKind::RepeatEnd);
  A.current()->setText("Wiederhole bis hier.");
  A.appendRepeatStart(4);
  A.appendDraw(2);
  A.appendRepeatStart(5);
  A.appendDraw(3);
  EXPECT_EQ(algorithmText(A), Header + "Wiederhole bis hier.\r\n"
                                       "Wiederhole 4 mal:\r\n"
                                       "  Zeichne Kreis\r\n"
                                       "  Wiederhole 5 mal:\r\n"
                                       "    Zeichne Blob\r\n");
}

TEST(AlgFormat, TheKindDecidesTheIndentationNotTheSentence) {
  // A sentence that reads like a repeat marker moves nothing unless the
  // command is one, and a marker indents whatever its sentence says.
  Algorithm A;
  A.appendDraw(1);
  A.current()->setText("Wiederhole 3 mal:");
  A.appendDraw(2);
  A.appendRepeatStart(2);
  A.current()->setText("Zeichne Quadrat");
  A.appendDraw(3);
  A.current()->setText("Wiederhole bis hier.");
  A.appendRepeatEnd();
  A.current()->setText("ende");
  A.appendDraw(1);
  EXPECT_EQ(algorithmText(A), Header + "Wiederhole 3 mal:\r\n"
                                       "Zeichne Kreis\r\n"
                                       "Zeichne Quadrat\r\n"
                                       "  Wiederhole bis hier.\r\n"
                                       "ende\r\n"
                                       "Zeichne Quadrat\r\n");
}

TEST(AlgFormat, WritingRewindsSoTheFirstCommandIsCurrent) {
  Algorithm A;
  A.appendDraw(1);
  A.appendDraw(2);
  A.appendDraw(3);
  EXPECT_EQ(A.currentNumber(), 3);
  algorithmText(A);
  EXPECT_EQ(A.currentNumber(), 1);
}

TEST(AlgFormat, SinkRefusalStopsAtThatLine) {
  Algorithm A;
  A.appendDraw(1);
  A.appendDraw(2);
  A.appendDraw(3);
  int Calls = 0;
  std::string Taken;
  const bool Ok = writeAlgorithmText(A, [&](const char *Data, size_t Size) {
    if (++Calls == 3)
      return false;
    Taken.append(Data, Size);
    return true;
  });
  EXPECT_FALSE(Ok);
  EXPECT_EQ(Calls, 3);
  EXPECT_EQ(Taken, Header + "Zeichne Quadrat\r\n");
  EXPECT_EQ(A.currentNumber(), 1);
}
