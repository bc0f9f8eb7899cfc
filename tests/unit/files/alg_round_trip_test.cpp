// Write -> read -> write: every constant-form sentence, every random value
// bounded by max and min, nested repeats and every shape come back as the
// same commands, and the second file is byte-identical to the first.
#include <climits>
#include <gtest/gtest.h>

#include "files/alg_reader.h"
#include "files/alg_writer.h"
#include "model/algorithm.h"
#include "model/variable.h"
#include "scratch_dir.h"

namespace {

// kind, op, value and target name of every Command.
std::string describe(const Algorithm &A) {
  std::string Out;
  for (const Command *C = A.head(); C; C = C->next()) {
    Out += std::to_string(static_cast<int>(C->kind())) + "/" +
           std::to_string(static_cast<int>(C->op())) + "/" + std::to_string(C->value()) + "/" +
           (C->kind() == CommandKind::Arithmetic || C->kind() == CommandKind::RandomValue
                ? C->target()->name()
                : "-") +
           (C->kind() == CommandKind::RepeatEnd ? "->" + std::to_string(C->jumpTarget()) : "") +
           "\n";
  }
  return Out;
}

struct TenVariables {
  Variable Vars[10] = {Variable(0), Variable(0), Variable(1),  Variable(1),  Variable(0),
                       Variable(0), Variable(0), Variable(27), Variable(10), Variable(0)};
  TenVariables() {
    const char *Names[] = {"x", "y", "dx", "dy", "h", "v", "d", "n", "max", "min"};
    for (int I = 0; I < 10; ++I)
      Vars[I].setName(Names[I]);
  }
  Variable *max() { return &Vars[8]; }
  Variable *min() { return &Vars[9]; }
};

} // namespace

TEST(AlgRoundTrip, EverySentenceTheReaderKnowsComesBackByteForByte) {
  ScratchDir Dir;
  TenVariables V;
  Algorithm A;
  const int32_t Constants[] = {0, 1, -10, 100, 2147483647, INT32_MIN};
  const ArithmeticOp Ops[] = {ArithmeticOp::Give, ArithmeticOp::Add, ArithmeticOp::Multiply,
                              ArithmeticOp::Subtract, ArithmeticOp::Divide};
  A.appendRepeatStart(20);
  for (Variable &Target : V.Vars) {
    for (ArithmeticOp Op : Ops)
      for (int32_t Constant : Constants)
        A.appendArithmetic(&Target, Op, Constant);
    A.appendRandom(&Target, V.max(), V.min());
  }
  A.appendRepeatStart(0);
  A.appendRepeatStart(-3);
  for (int32_t Kind = 1; Kind <= 12; ++Kind)
    A.appendDraw(Kind);
  A.appendRepeatEnd();
  A.appendRepeatEnd();
  A.appendRepeatStart(1000000); // stays open
  A.appendDraw(4);
  A.appendRepeatEnd();
  A.appendRepeatEnd();
  A.appendRepeatStart(7);

  ASSERT_EQ(writeAlgorithmFile(A, "first.alg"), FileResult::Done);
  AlgorithmFileReader R("first.alg");
  ASSERT_TRUE(R.opened());
  EXPECT_EQ(describe(*R.algorithm()), describe(A));
  ASSERT_EQ(writeAlgorithmFile(*R.algorithm(), "second.alg"), FileResult::Done);
  const std::string First = fileContent("first.alg");
  EXPECT_EQ(fileContent("second.alg"), First);
  // The filled kinds have sentences of their own that survive the trip.
  EXPECT_NE(First.find("      Zeichne gefuelltes Quadrat\r\n"), std::string::npos);
  EXPECT_NE(First.find("      Zeichne gefuellten Kreis\r\n"), std::string::npos);
  EXPECT_NE(First.find("      Zeichne gefuellten Blob\r\n"), std::string::npos);
  EXPECT_NE(First.find("  Subtrahiere -2147483648 von dy\r\n"), std::string::npos);
}

TEST(AlgRoundTrip, TargetsAndBoundsAreTheReadersOwnVariables) {
  ScratchDir Dir;
  TenVariables V;
  Algorithm A;
  A.appendArithmetic(&V.Vars[7], ArithmeticOp::Multiply, 3);
  A.appendRandom(&V.Vars[3], V.max(), V.min());
  ASSERT_EQ(writeAlgorithmFile(A, "a.alg"), FileResult::Done);
  AlgorithmFileReader R("a.alg");
  const Command *First = R.algorithm()->head();
  EXPECT_EQ(First->target(), R.variable(AlgorithmFileReader::N));
  EXPECT_EQ(First->next()->target(), R.variable(AlgorithmFileReader::Dy));
  EXPECT_EQ(First->next()->source(), R.variable(AlgorithmFileReader::Max));
  EXPECT_EQ(First->next()->lower(), R.variable(AlgorithmFileReader::Min));
}
