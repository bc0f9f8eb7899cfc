// Commands: every sentence byte for byte, the setters that rewrite them, and
// the effect of performing arithmetic and random-value commands.
#include <climits>
#include <gtest/gtest.h>
#include <string>

#include "exec/random.h"
#include "model/command.h"
#include "model/variable.h"

namespace {

struct Vars {
  Variable X{0}, Y{0}, Dy{1}, Max{10}, Min{0};
  Vars() {
    X.setName("x");
    Y.setName("y");
    Dy.setName("dy");
    Max.setName("max");
    Min.setName("min");
  }
};

std::string constantText(ArithmeticOp Op, int32_t Value, Variable &Target) {
  return Command(1, CommandKind::Arithmetic, Value, Op, &Target, nullptr).text();
}

std::string variableText(ArithmeticOp Op, Variable &Target, Variable &Source) {
  return Command(1, CommandKind::Arithmetic, 0, Op, &Target, &Source).text();
}

int32_t perform(ArithmeticOp Op, int32_t Start, int32_t Operand) {
  Variable Target(Start);
  Command C(1, CommandKind::Arithmetic, Operand, Op, &Target, nullptr);
  RandomGenerator Random;
  C.execute(Random);
  return Target.value();
}

} // namespace

TEST(CommandSentence, ConstantFormsPutNumberFirstOnlyForAddAndSubtract) {
  Vars V;
  EXPECT_EQ(constantText(ArithmeticOp::Give, 5, V.X), "Gib x den Wert 5");
  EXPECT_EQ(constantText(ArithmeticOp::Give, -10, V.Max), "Gib max den Wert -10");
  EXPECT_EQ(constantText(ArithmeticOp::Add, 1, V.X), "Addiere 1 zu x");
  EXPECT_EQ(constantText(ArithmeticOp::Subtract, 3, V.Dy), "Subtrahiere 3 von dy");
  EXPECT_EQ(constantText(ArithmeticOp::Multiply, 2, V.Y), "Multipliziere y mit 2");
  EXPECT_EQ(constantText(ArithmeticOp::Divide, 3, V.Y), "Dividiere y durch 3");
  EXPECT_EQ(constantText(ArithmeticOp(0), 3, V.Y), "");
  EXPECT_EQ(constantText(ArithmeticOp(6), 3, V.Y), "");
}

TEST(CommandSentence, VariableOperandForms) {
  Vars V;
  EXPECT_EQ(variableText(ArithmeticOp::Give, V.X, V.Y), "Gib x den Wert von y");
  EXPECT_EQ(variableText(ArithmeticOp::Add, V.Y, V.X), "Addiere den Wert von x zu y");
  EXPECT_EQ(variableText(ArithmeticOp::Multiply, V.X, V.Y), "Multipliziere x mit dem Wert von y");
  EXPECT_EQ(variableText(ArithmeticOp::Subtract, V.X, V.Y), "Subtrahiere von x den Wert von y");
  EXPECT_EQ(variableText(ArithmeticOp::Divide, V.X, V.Y), "Dividiere x durch den Wert von y");
  EXPECT_EQ(variableText(ArithmeticOp(9), V.X, V.Y), "");
}

TEST(CommandSentence, RandomRepeatAndDrawSentences) {
  Vars V;
  Variable Counter;
  std::unique_ptr<Command> Random(Command::makeRandom(1, &V.X, &V.Max, &V.Min));
  EXPECT_EQ(Random->text(), "Zufallswert fuer x zwischen max und min");
  EXPECT_EQ(Random->value(), 0);
  EXPECT_EQ(static_cast<int>(Random->op()), 0);
  EXPECT_EQ(std::unique_ptr<Command>(Command::makeRepeatStart(2, 20, &Counter))->text(),
            "Wiederhole 20 mal:");
  std::unique_ptr<Command> End(Command::makeRepeatEnd(3, 2, 20, &Counter));
  EXPECT_EQ(End->text(), "Wiederhole bis hier.");
  EXPECT_EQ(End->jumpTarget(), 2);
  EXPECT_EQ(End->value(), 20);
  const char *Expected[] = {"",
                            "Zeichne Quadrat",
                            "Zeichne Kreis",
                            "Zeichne Blob",
                            "Zeichne gefuelltes Quadrat",
                            "Zeichne gefuellten Kreis",
                            "Zeichne gefuellten Blob",
                            "Zeichne Rasterlinie",
                            "Zeichne freie Linie",
                            "Zeichne weiche Linie",
                            "Zeichne Rasterlinienzug",
                            "Zeichne freien Linienzug",
                            "Zeichne weichen Linienzug",
                            ""};
  for (int Kind = 0; Kind <= 13; ++Kind)
    EXPECT_EQ(std::unique_ptr<Command>(Command::makeDraw(1, Kind))->text(), Expected[Kind])
        << "kind " << Kind;
  EXPECT_EQ(std::unique_ptr<Command>(Command::makeDraw(1, -1))->text(), "");
}

TEST(CommandSentence, OnlyTheNineToolKindsAreDrawn) {
  // The filled kinds have sentences but leave nothing on the canvas.
  for (int Kind : {1, 3, 7, 12})
    EXPECT_TRUE(isDrawnShapeKind(Kind)) << Kind;
  for (int Kind : {0, 4, 6, 13, -1, INT32_MIN})
    EXPECT_FALSE(isDrawnShapeKind(Kind)) << Kind;
}

TEST(CommandSentence, LongNamesAndNumbersAreNeverCut) {
  Variable Long(0);
  Long.setName(std::string(300, 'q'));
  EXPECT_EQ(constantText(ArithmeticOp::Give, INT32_MIN, Long),
            "Gib " + std::string(300, 'q') + " den Wert -2147483648");
  std::unique_ptr<Command> Random(Command::makeRandom(1, &Long, &Long, &Long));
  EXPECT_EQ(Random->text().size(), std::string("Zufallswert fuer  zwischen  und ").size() + 900);
}

TEST(CommandSetters, SetValueRewritesOnlyWhereTheValueIsSaid) {
  Vars V;
  std::unique_ptr<Command> Draw(Command::makeDraw(1, 1));
  Draw->setValue(7);
  EXPECT_EQ(Draw->text(), "Zeichne Rasterlinie");
  Draw->setValue(5); // filled kinds keep the sentence they have
  EXPECT_EQ(Draw->text(), "Zeichne Rasterlinie");
  EXPECT_EQ(Draw->value(), 5);
  Draw->setValue(13);
  EXPECT_EQ(Draw->text(), "Zeichne Rasterlinie");

  Variable Counter;
  std::unique_ptr<Command> End(Command::makeRepeatEnd(2, 1, 20, &Counter));
  End->setValue(5);
  EXPECT_EQ(End->value(), 5);
  EXPECT_EQ(End->text(), "Wiederhole bis hier.");
  std::unique_ptr<Command> Start(Command::makeRepeatStart(1, 20, &Counter));
  Start->setValue(3);
  EXPECT_EQ(Start->text(), "Wiederhole 3 mal:");

  Command Give(1, CommandKind::Arithmetic, 5, ArithmeticOp::Give, &V.X, nullptr);
  Give.setValue(6);
  EXPECT_EQ(Give.text(), "Gib x den Wert 6");
  Command FromY(1, CommandKind::Arithmetic, 0, ArithmeticOp::Give, &V.X, &V.Y);
  FromY.setValue(9);
  EXPECT_EQ(FromY.text(), "Gib x den Wert von y");
  EXPECT_EQ(FromY.value(), 9);

  std::unique_ptr<Command> Random(Command::makeRandom(1, &V.X, &V.Max, &V.Min));
  Random->setValue(4);
  EXPECT_EQ(Random->text(), "Zufallswert fuer x zwischen max und min");
}

TEST(CommandSetters, OperandSettersRebuildOnlyRandomValueSentences) {
  Vars V;
  std::unique_ptr<Command> Random(Command::makeRandom(1, &V.X, &V.Max, &V.Min));
  Random->setTarget(&V.Y);
  EXPECT_EQ(Random->text(), "Zufallswert fuer y zwischen max und min");
  Random->setUpper(&V.Dy);
  Random->setLower(&V.X);
  EXPECT_EQ(Random->text(), "Zufallswert fuer y zwischen dy und x");
  EXPECT_EQ(Random->source(), &V.Dy);
  EXPECT_EQ(Random->lower(), &V.X);

  Command Give(1, CommandKind::Arithmetic, 5, ArithmeticOp::Give, &V.X, nullptr);
  Give.setTarget(&V.Y);
  EXPECT_EQ(Give.target(), &V.Y);
  EXPECT_EQ(Give.text(), "Gib x den Wert 5");
  Give.setText("frei");
  EXPECT_EQ(Give.text(), "frei");
}

TEST(CommandExecute, ArithmeticWrapsAt32BitsAndDivisionTruncates) {
  EXPECT_EQ(perform(ArithmeticOp::Give, 3, -4), -4);
  EXPECT_EQ(perform(ArithmeticOp::Add, INT32_MAX, 1), INT32_MIN);
  EXPECT_EQ(perform(ArithmeticOp::Subtract, INT32_MIN, 1), INT32_MAX);
  EXPECT_EQ(perform(ArithmeticOp::Subtract, 0, INT32_MIN), INT32_MIN);
  EXPECT_EQ(perform(ArithmeticOp::Multiply, 65536, 65536), 0);
  EXPECT_EQ(perform(ArithmeticOp::Multiply, INT32_MIN, -1), INT32_MIN);
  EXPECT_EQ(perform(ArithmeticOp::Multiply, 46341, 46341), -2147479015);
  EXPECT_EQ(perform(ArithmeticOp::Divide, -7, 2), -3);
  EXPECT_EQ(perform(ArithmeticOp::Divide, 7, -2), -3);
  EXPECT_EQ(perform(ArithmeticOp::Divide, 9, 0), 9);
  EXPECT_EQ(perform(ArithmeticOp::Divide, INT32_MIN, -1), INT32_MIN);
  EXPECT_EQ(perform(ArithmeticOp(0), 9, 4), 9);
  EXPECT_EQ(perform(ArithmeticOp(7), 9, 4), 9);
}

TEST(CommandExecute, VariableOperandUsesTheSourceValue) {
  Vars V;
  V.X.setValue(7);
  V.Y.setValue(-2);
  RandomGenerator Random;
  Command Add(1, CommandKind::Arithmetic, 100, ArithmeticOp::Add, &V.X, &V.Y);
  Add.execute(Random);
  EXPECT_EQ(V.X.value(), 5);
  V.Y.setValue(0);
  Command Divide(2, CommandKind::Arithmetic, 100, ArithmeticOp::Divide, &V.X, &V.Y);
  Divide.execute(Random);
  EXPECT_EQ(V.X.value(), 5);
}

TEST(CommandExecute, ResultIsTheNextNumberOrZero) {
  Vars V;
  Command First(4, CommandKind::Arithmetic, 1, ArithmeticOp::Add, &V.X, nullptr);
  Command Second(9, CommandKind::Arithmetic, 1, ArithmeticOp::Add, &V.X, nullptr);
  First.setNext(&Second);
  RandomGenerator Random;
  EXPECT_EQ(First.execute(Random), 9);
  EXPECT_EQ(Second.execute(Random), 0);
  std::unique_ptr<Command> Draw(Command::makeDraw(3, 1));
  EXPECT_EQ(Draw->execute(Random), 0);
  EXPECT_EQ(V.X.value(), 2);
}

TEST(CommandExecute, RandomValueRangeFollowsTheBounds) {
  Vars V;
  std::unique_ptr<Command> Random(Command::makeRandom(1, &V.X, &V.Max, &V.Min));
  // Seed 1 draws 41, 18467, 6334: 41 % 10 + 8 = 9, 18467 % 10 + 8 = 15.
  RandomGenerator Generator(1);
  V.Max.setValue(18);
  V.Min.setValue(8);
  Random->execute(Generator);
  EXPECT_EQ(V.X.value(), 9);
  Random->execute(Generator);
  EXPECT_EQ(V.X.value(), 15);
  for (int I = 0; I < 2000; ++I) {
    Random->execute(Generator);
    ASSERT_GE(V.X.value(), 8);
    ASSERT_LE(V.X.value(), 17);
  }
  // Upper below lower: 41 % -5 = 1, so 10 + 1; the range is 10 to 14.
  Generator.seed(1);
  V.Max.setValue(5);
  V.Min.setValue(10);
  Random->execute(Generator);
  EXPECT_EQ(V.X.value(), 11);
  for (int I = 0; I < 2000; ++I) {
    Random->execute(Generator);
    ASSERT_GE(V.X.value(), 10);
    ASSERT_LE(V.X.value(), 14);
  }
}

TEST(CommandExecute, EqualOrMissingBoundsDrawNothing) {
  Vars V;
  V.X.setValue(3);
  V.Max.setValue(5);
  V.Min.setValue(5);
  std::unique_ptr<Command> Random(Command::makeRandom(1, &V.X, &V.Max, &V.Min));
  RandomGenerator Generator(1);
  Random->execute(Generator);
  EXPECT_EQ(V.X.value(), 0);
  EXPECT_EQ(Generator.state(), 1u) << "equal bounds must not consume a draw";
  V.X.setValue(3);
  std::unique_ptr<Command> NoLower(Command::makeRandom(1, &V.X, &V.Max, nullptr));
  NoLower->execute(Generator);
  EXPECT_EQ(V.X.value(), 3);
  EXPECT_EQ(Generator.state(), 1u);
}

TEST(CommandExecute, ExtremeBoundsStayDefined) {
  Vars V;
  V.Max.setValue(INT32_MAX);
  V.Min.setValue(INT32_MIN);
  std::unique_ptr<Command> Random(Command::makeRandom(1, &V.X, &V.Max, &V.Min));
  RandomGenerator Generator(1);
  Random->execute(Generator);
  EXPECT_EQ(V.X.value(), INT32_MIN + 41);
  V.Max.setValue(INT32_MIN);
  V.Min.setValue(INT32_MAX);
  Generator.seed(1);
  Random->execute(Generator); // 41 % (MIN - MAX) = 41, then + MAX wraps
  EXPECT_EQ(V.X.value(), INT32_MIN + 40);
}
