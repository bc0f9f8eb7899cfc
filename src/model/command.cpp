// Commands: construction, sentences, setters and the effect of performing one.
#include "model/command.h"

#include <climits>

#include "model/random_source.h"
#include "model/text_format.h"
#include "model/variable.h"

namespace {

const char *nameOf(const Variable *V) { return V ? V->name().c_str() : ""; }

// Two's-complement wrap-around without signed overflow: the learner's values
// are 32-bit registers, and a wrapped value is the documented result.
int32_t wrapAdd(int32_t A, int32_t B) {
  return static_cast<int32_t>(static_cast<uint32_t>(A) + static_cast<uint32_t>(B));
}
int32_t wrapSub(int32_t A, int32_t B) {
  return static_cast<int32_t>(static_cast<uint32_t>(A) - static_cast<uint32_t>(B));
}
int32_t wrapMul(int32_t A, int32_t B) {
  return static_cast<int32_t>(static_cast<uint32_t>(A) * static_cast<uint32_t>(B));
}
// The one quotient that does not fit, INT32_MIN / -1, wraps to INT32_MIN.
int32_t wrapDiv(int32_t A, int32_t B) {
  if (A == INT32_MIN && B == -1)
    return INT32_MIN;
  return A / B;
}

} // namespace

bool isDrawnShapeKind(int32_t Kind) {
  return (Kind >= 1 && Kind <= 3) || (Kind >= 7 && Kind <= 12);
}

std::string drawSentence(int32_t Kind) {
  switch (Kind) {
  case 1:
    return "Zeichne Quadrat";
  case 2:
    return "Zeichne Kreis";
  case 3:
    return "Zeichne Blob";
  // The filled kinds come only from files; these sentences read back to the
  // same kind, because each contains "llte" and its shape word.
  case 4:
    return "Zeichne gefuelltes Quadrat";
  case 5:
    return "Zeichne gefuellten Kreis";
  case 6:
    return "Zeichne gefuellten Blob";
  case 7:
    return "Zeichne Rasterlinie";
  case 8:
    return "Zeichne freie Linie";
  case 9:
    return "Zeichne weiche Linie";
  case 10:
    return "Zeichne Rasterlinienzug";
  case 11:
    return "Zeichne freien Linienzug";
  case 12:
    return "Zeichne weichen Linienzug";
  }
  return std::string();
}

Command::Command() = default;

Command::Command(int32_t GivenNumber, CommandKind GivenKind, int32_t GivenValue,
                 ArithmeticOp GivenOp, Variable *GivenTarget, Variable *GivenSource)
    : Number(GivenNumber), Kind(GivenKind), Value(GivenValue), Op(GivenOp), Target(GivenTarget),
      Source(GivenSource) {
  rebuildArithmeticText();
}

Command *Command::makeRandom(int32_t Number, Variable *Target, Variable *Upper, Variable *Lower) {
  Command *C = new Command();
  C->Number = Number;
  C->Kind = CommandKind::RandomValue;
  C->Target = Target;
  C->Source = Upper;
  C->Lower = Lower;
  C->rebuildRandomText();
  return C;
}

Command *Command::makeRepeatStart(int32_t Number, int32_t Count, Variable *Counter) {
  Command *C = new Command();
  C->Number = Number;
  C->Kind = CommandKind::RepeatStart;
  C->Value = Count;
  C->Target = Counter;
  C->Text = formatText("Wiederhole %i mal:", Count);
  return C;
}

Command *Command::makeRepeatEnd(int32_t Number, int32_t JumpTarget, int32_t Count,
                                Variable *Counter) {
  Command *C = new Command();
  C->Number = Number;
  C->JumpTarget = JumpTarget;
  C->Kind = CommandKind::RepeatEnd;
  C->Value = Count;
  C->Target = Counter;
  C->Text = "Wiederhole bis hier.";
  return C;
}

Command *Command::makeDraw(int32_t Number, int32_t ShapeKindValue) {
  Command *C = new Command();
  C->Number = Number;
  C->Kind = CommandKind::Draw;
  C->Value = ShapeKindValue;
  C->Text = drawSentence(ShapeKindValue);
  return C;
}

Command::~Command() = default;

void Command::rebuildArithmeticText() {
  const char *T = nameOf(Target);
  if (Source) {
    const char *S = nameOf(Source);
    switch (Op) {
    case ArithmeticOp::Give:
      Text = formatText("Gib %s den Wert von %s", T, S);
      return;
    case ArithmeticOp::Add:
      Text = formatText("Addiere den Wert von %s zu %s", S, T);
      return;
    case ArithmeticOp::Multiply:
      Text = formatText("Multipliziere %s mit dem Wert von %s", T, S);
      return;
    case ArithmeticOp::Subtract:
      Text = formatText("Subtrahiere von %s den Wert von %s", T, S);
      return;
    case ArithmeticOp::Divide:
      Text = formatText("Dividiere %s durch den Wert von %s", T, S);
      return;
    }
    Text.clear();
    return;
  }
  switch (Op) {
  case ArithmeticOp::Give:
    Text = formatText("Gib %s den Wert %i", T, Value);
    return;
  case ArithmeticOp::Add:
    Text = formatText("Addiere %i zu %s", Value, T);
    return;
  case ArithmeticOp::Multiply:
    Text = formatText("Multipliziere %s mit %i", T, Value);
    return;
  case ArithmeticOp::Subtract:
    Text = formatText("Subtrahiere %i von %s", Value, T);
    return;
  case ArithmeticOp::Divide:
    Text = formatText("Dividiere %s durch %i", T, Value);
    return;
  }
  Text.clear();
}

void Command::rebuildRandomText() {
  Text = formatText("Zufallswert fuer %s zwischen %s und %s", nameOf(Target), nameOf(Source),
                    nameOf(Lower));
}

void Command::setValue(int32_t NewValue) {
  Value = NewValue;
  switch (Kind) {
  case CommandKind::RepeatStart:
    Text = formatText("Wiederhole %i mal:", Value);
    return;
  case CommandKind::Arithmetic:
    if (!Source)
      rebuildArithmeticText();
    return;
  case CommandKind::Draw:
    // Kinds 4 to 6 and unknown values keep the sentence they have.
    if (isDrawnShapeKind(Value))
      Text = drawSentence(Value);
    return;
  case CommandKind::RandomValue:
  case CommandKind::RepeatEnd:
    return;
  }
}

void Command::setTarget(Variable *NewTarget) {
  Target = NewTarget;
  if (Kind == CommandKind::RandomValue)
    rebuildRandomText();
}

void Command::setUpper(Variable *NewUpper) {
  Source = NewUpper;
  if (Kind == CommandKind::RandomValue)
    rebuildRandomText();
}

void Command::setLower(Variable *NewLower) {
  Lower = NewLower;
  if (Kind == CommandKind::RandomValue)
    rebuildRandomText();
}

int32_t Command::execute(RandomSource &Random) {
  switch (Kind) {
  case CommandKind::Arithmetic: {
    if (!Target)
      break;
    int32_t Operand = Source ? Source->value() : Value;
    int32_t Old = Target->value();
    switch (Op) {
    case ArithmeticOp::Give:
      Target->setValue(Operand);
      break;
    case ArithmeticOp::Add:
      Target->setValue(wrapAdd(Old, Operand));
      break;
    case ArithmeticOp::Multiply:
      Target->setValue(wrapMul(Old, Operand));
      break;
    case ArithmeticOp::Subtract:
      Target->setValue(wrapSub(Old, Operand));
      break;
    case ArithmeticOp::Divide:
      if (Operand != 0)
        Target->setValue(wrapDiv(Old, Operand));
      break;
    }
    break;
  }
  case CommandKind::RandomValue: {
    if (!Target || !Source || !Lower)
      break;
    int64_t Upper = Source->value();
    int64_t Low = Lower->value();
    if (Upper == Low) {
      Target->setValue(0);
      break;
    }
    // The remainder keeps the sign of the (never negative) draw, so the value
    // lies in lower ... upper - 1, or above lower when upper is below it.
    int64_t Drawn = Random.nextRandom() % (Upper - Low) + Low;
    Target->setValue(static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(Drawn))));
    break;
  }
  case CommandKind::Draw:
    break;
  case CommandKind::RepeatStart:
    if (Target)
      Target->setValue(wrapAdd(Target->value(), 1));
    break;
  case CommandKind::RepeatEnd:
    if (Target) {
      if (Target->value() < Value)
        return JumpTarget;
      Target->setValue(0);
    }
    break;
  }
  return Next ? Next->number() : 0;
}
