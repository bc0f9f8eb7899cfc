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

// The sentence of an arithmetic command: the variable form when it has a
// source, else the constant form; empty for an unknown operation.
std::string arithmeticSentence(ArithmeticOp Op, int32_t Value, const Variable *Target,
                               const Variable *Source) {
  const char *T = nameOf(Target);
  if (Source) {
    const char *S = nameOf(Source);
    switch (Op) {
    case ArithmeticOp::Give:
      return formatText("Gib %s den Wert von %s", T, S);
    case ArithmeticOp::Add:
      return formatText("Addiere den Wert von %s zu %s", S, T);
    case ArithmeticOp::Multiply:
      return formatText("Multipliziere %s mit dem Wert von %s", T, S);
    case ArithmeticOp::Subtract:
      return formatText("Subtrahiere von %s den Wert von %s", T, S);
    case ArithmeticOp::Divide:
      return formatText("Dividiere %s durch den Wert von %s", T, S);
    }
    return std::string();
  }
  switch (Op) {
  case ArithmeticOp::Give:
    return formatText("Gib %s den Wert %i", T, Value);
  case ArithmeticOp::Add:
    return formatText("Addiere %i zu %s", Value, T);
  case ArithmeticOp::Multiply:
    return formatText("Multipliziere %s mit %i", T, Value);
  case ArithmeticOp::Subtract:
    return formatText("Subtrahiere %i von %s", Value, T);
  case ArithmeticOp::Divide:
    return formatText("Dividiere %s durch %i", T, Value);
  }
  return std::string();
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
  // This constructor always speaks the arithmetic sentence, whatever kind it
  // is given.
  if (Kind != CommandKind::Arithmetic)
    KeptText = std::make_unique<std::string>(arithmeticSentence(Op, Value, Target, Source));
}

Command *Command::makeRandom(int32_t Number, Variable *Target, Variable *Upper, Variable *Lower) {
  Command *C = new Command();
  C->Number = Number;
  C->Kind = CommandKind::RandomValue;
  C->Target = Target;
  C->Source = Upper;
  C->Lower = Lower;
  return C;
}

Command *Command::makeRepeatStart(int32_t Number, int32_t Count, Variable *Counter) {
  Command *C = new Command();
  C->Number = Number;
  C->Kind = CommandKind::RepeatStart;
  C->Value = Count;
  C->Target = Counter;
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
  return C;
}

Command *Command::makeDraw(int32_t Number, int32_t ShapeKindValue) {
  Command *C = new Command();
  C->Number = Number;
  C->Kind = CommandKind::Draw;
  C->Value = ShapeKindValue;
  return C;
}

Command::~Command() = default;

std::string Command::sentenceOfFields() const {
  switch (Kind) {
  case CommandKind::Arithmetic:
    return arithmeticSentence(Op, Value, Target, Source);
  case CommandKind::RandomValue:
    return formatText("Zufallswert fuer %s zwischen %s und %s", nameOf(Target), nameOf(Source),
                      nameOf(Lower));
  case CommandKind::Draw:
    return drawSentence(Value);
  case CommandKind::RepeatStart:
    return formatText("Wiederhole %i mal:", Value);
  case CommandKind::RepeatEnd:
    return "Wiederhole bis hier.";
  }
  return std::string();
}

std::string Command::text() const { return KeptText ? *KeptText : sentenceOfFields(); }

template <typename Change> void Command::changeKeepingSentence(Change Apply) {
  if (KeptText) {
    Apply();
    return;
  }
  std::string Before = sentenceOfFields();
  Apply();
  if (sentenceOfFields() != Before)
    KeptText = std::make_unique<std::string>(std::move(Before));
}

void Command::setKind(CommandKind NewKind) {
  changeKeepingSentence([&] { Kind = NewKind; });
}

void Command::setOp(ArithmeticOp NewOp) {
  changeKeepingSentence([&] { Op = NewOp; });
}

void Command::setText(std::string NewText) {
  KeptText = std::make_unique<std::string>(std::move(NewText));
}

void Command::setValue(int32_t NewValue) {
  switch (Kind) {
  case CommandKind::RepeatStart:
    Value = NewValue;
    followFields();
    return;
  case CommandKind::Arithmetic:
    Value = NewValue;
    // The variable form does not name the value; its sentence stays.
    if (!Source)
      followFields();
    return;
  case CommandKind::Draw:
    // Kinds 4 to 6 and unknown values keep the sentence they have.
    if (!isDrawnShapeKind(NewValue)) {
      changeKeepingSentence([&] { Value = NewValue; });
      return;
    }
    Value = NewValue;
    followFields();
    return;
  case CommandKind::RandomValue:
  case CommandKind::RepeatEnd:
    break;
  }
  Value = NewValue;
}

// A random value names its operands and follows them; any other kind only
// changes the reference and says what it said before.
void Command::setOperand(Variable *Command::*Field, Variable *NewOperand) {
  if (Kind == CommandKind::RandomValue) {
    this->*Field = NewOperand;
    followFields();
    return;
  }
  changeKeepingSentence([&] { this->*Field = NewOperand; });
}

void Command::setTarget(Variable *NewTarget) { setOperand(&Command::Target, NewTarget); }
void Command::setUpper(Variable *NewUpper) { setOperand(&Command::Source, NewUpper); }
void Command::setLower(Variable *NewLower) { setOperand(&Command::Lower, NewLower); }

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
