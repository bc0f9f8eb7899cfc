// One instruction of a learner's algorithm with its German sentence: the line
// the listing shows and the .alg file stores. The sentence is made from the
// fields when asked for, not stored: a file at the size limit holds some
// 350,000 commands, and a stored sentence would double what each one costs.
// Only the setters that leave a sentence behind (an arithmetic command given
// a new target keeps the old name) keep a copy of it.
#ifndef QUOVADRIN_MODEL_COMMAND_H
#define QUOVADRIN_MODEL_COMMAND_H

#include <cstdint>
#include <memory>
#include <string>

class RandomSource;
class Variable;

enum class CommandKind : int32_t {
  Arithmetic = 1,
  RandomValue = 2,
  Draw = 3,
  RepeatStart = 4,
  RepeatEnd = 5,
};

// 3 is multiply and 4 is subtract: saved files and the editor rely on it.
enum class ArithmeticOp : int32_t {
  Give = 1,
  Add = 2,
  Multiply = 3,
  Subtract = 4,
  Divide = 5,
};

enum class ShapeKind : int32_t {
  Square = 1,
  Circle = 2,
  Blob = 3,
  FilledSquare = 4,
  FilledCircle = 5,
  FilledBlob = 6,
  RasterLine = 7,
  FreeLine = 8,
  SoftLine = 9,
  RasterPolyline = 10,
  FreePolyline = 11,
  SoftPolyline = 12,
};

/// Whether a shape of kind \p Kind leaves lines on the canvas: squares,
/// circles, blobs, lines and polylines. The filled kinds that only files
/// name, and values outside 1 to 12, draw nothing.
bool isDrawnShapeKind(int32_t Kind);

/// The sentence of a draw command of shape kind \p Kind; empty for values
/// outside 1 to 12.
std::string drawSentence(int32_t Kind);

class Command {
public:
  /// Empty command: every field 0 or absent.
  Command();
  /// Arithmetic, in the constant form when \p Source is absent.
  Command(int32_t Number, CommandKind Kind, int32_t Value, ArithmeticOp Op, Variable *Target,
          Variable *Source);
  /// Random value for \p Target between \p Upper and \p Lower.
  static Command *makeRandom(int32_t Number, Variable *Target, Variable *Upper, Variable *Lower);
  static Command *makeRepeatStart(int32_t Number, int32_t Count, Variable *Counter);
  static Command *makeRepeatEnd(int32_t Number, int32_t JumpTarget, int32_t Count,
                                Variable *Counter);
  static Command *makeDraw(int32_t Number, int32_t ShapeKindValue);
  ~Command();

  int32_t number() const { return Number; }
  int32_t jumpTarget() const { return JumpTarget; }
  CommandKind kind() const { return Kind; }
  int32_t value() const { return Value; }
  ArithmeticOp op() const { return Op; }
  Variable *target() const { return Target; }
  Variable *source() const { return Source; }
  Variable *lower() const { return Lower; }
  Command *next() const { return Next; }
  Command *prev() const { return Prev; }
  /// The sentence, as the listing shows it.
  std::string text() const;

  // Plain setters: none of them touches the sentence.
  void setNumber(int32_t NewNumber) { Number = NewNumber; }
  void setJumpTarget(int32_t NewJumpTarget) { JumpTarget = NewJumpTarget; }
  void setKind(CommandKind NewKind);
  void setOp(ArithmeticOp NewOp);
  void setNext(Command *NewNext) { Next = NewNext; }
  void setPrev(Command *NewPrev) { Prev = NewPrev; }
  /// The sentence from now on, whatever the fields say, until a setter
  /// that rewrites the sentence.
  void setText(std::string NewText);

  /// Sets the value and rewrites the sentence where the value is part of it.
  void setValue(int32_t NewValue);
  /// Replace target, upper bound (source) or lower bound; a random-value
  /// command rebuilds its sentence, any other kind only changes the reference.
  void setTarget(Variable *NewTarget);
  void setUpper(Variable *NewUpper);
  void setLower(Variable *NewLower);

  /// Performs the command and returns the number of the next command to
  /// perform, 0 when there is none. A random value draws from \p Random.
  int32_t execute(RandomSource &Random);

private:
  /// The sentence the fields make now.
  std::string sentenceOfFields() const;
  /// The sentence follows the fields again.
  void followFields() { KeptText.reset(); }
  /// Applies \p Apply, a change that does not rewrite the sentence: the
  /// sentence is kept as it was when the change would alter it.
  template <typename Change> void changeKeepingSentence(Change Apply);
  void setOperand(Variable *Command::*Field, Variable *NewOperand);

  int32_t Number = 0;
  int32_t JumpTarget = 0;
  CommandKind Kind = CommandKind(0);
  int32_t Value = 0;
  ArithmeticOp Op = ArithmeticOp(0);
  Variable *Target = nullptr;
  Variable *Source = nullptr;
  Variable *Lower = nullptr;
  Command *Next = nullptr;
  Command *Prev = nullptr;
  /// The sentence when it no longer follows the fields; null otherwise.
  std::unique_ptr<std::string> KeptText;
};

#endif
