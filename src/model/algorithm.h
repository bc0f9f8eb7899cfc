// The learner's program: a numbered, doubly linked list of Commands with one
// cursor, which is at once the highlighted listing line, the insert position
// and the position of execution. Numbers identify Commands; they are unique
// but not positional, and an index keeps lookups by number constant-time.
// The repeat starts still open at the tail are remembered while the list only
// grows at its tail, so a file's end lines are paired in constant time each
// however deep its loops are nested.
#ifndef QUOVADRIN_MODEL_ALGORITHM_H
#define QUOVADRIN_MODEL_ALGORITHM_H

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "model/command.h"
#include "model/step_outcome.h"
#include "model/variable.h"

class RandomSource;

class Algorithm {
public:
  Algorithm();
  ~Algorithm();
  Algorithm(const Algorithm &) = delete;
  Algorithm &operator=(const Algorithm &) = delete;

  // Appending: the new Command goes to the end and becomes current.
  void appendArithmetic(Variable *Target, ArithmeticOp Op, int32_t Constant);
  void appendArithmeticVar(Variable *Target, ArithmeticOp Op, Variable *Source);
  void appendRandom(Variable *Target, Variable *Upper, Variable *Lower);
  void appendRepeatStart(int32_t Count);
  /// Closes the innermost open start before the end; nothing if none is open.
  void appendRepeatEnd();
  void appendDraw(int32_t ShapeKindValue);

  // Inserting: the new Command goes directly after current and becomes
  // current (after the tail when current is absent).
  void insertArithmetic(Variable *Target, ArithmeticOp Op, int32_t Constant);
  void insertArithmeticVar(Variable *Target, ArithmeticOp Op, Variable *Source);
  void insertRandom(Variable *Target, Variable *Upper, Variable *Lower);
  void insertRepeatStart(int32_t Count);
  /// Closes the innermost start open at current (searching from current).
  void insertRepeatEnd();
  void insertDraw(int32_t ShapeKindValue);

  // Cursor and lookup.
  Command *rewind();
  Command *moveNext();
  Command *movePrev();
  /// Moves current to head and returns the Command numbered \p Number.
  Command *find(int32_t Number);
  /// Moves current to head, then to the Command numbered \p Number if any.
  Command *select(int32_t Number);
  int32_t commandCount() const { return Count; }
  /// Grows with every change of the commands: each insert, append, removal,
  /// reordering and edit of a command's values, never with the cursor or a
  /// run. A learner's unsaved work is a revision no file holds. Each change
  /// is a click or a line read, so 32 bits never run out.
  uint32_t revision() const { return Revision; }

  Command *head() const { return Head; }
  Command *tail() const { return Tail; }
  Command *current() const { return Current; }
  int32_t lastNumber() const { return LastNumber; }
  /// The Command numbered \p Number, without moving the cursor.
  Command *lookup(int32_t Number) const;

  // The current Command: -1, 0 or absent when there is none.
  int32_t currentNumber() const;
  CommandKind currentKind() const;
  int32_t currentValue() const;
  int32_t currentJumpTarget() const;
  Variable *currentTarget() const;
  Variable *currentSource() const;
  Variable *currentLower() const;
  std::string currentText() const;

  // Changing the current Command; nothing happens when there is none.
  /// A repeat start passes the new count on to its end.
  void setCurrentValue(int32_t Value);
  void setCurrentTarget(Variable *Target);
  void setCurrentUpper(Variable *Upper);
  void setCurrentLower(Variable *Lower);

  /// Removes current (a repeat marker together with its partner). Returns 1
  /// when a Command was removed and the list is not empty, 0 otherwise.
  int deleteCurrent();
  /// Drag and drop of Command \p A onto the line of Command \p B. Markers
  /// never pass each other. Leaves current at head.
  void moveCommand(int32_t A, int32_t B);

  /// One execution step: runs the current Command and moves on. Random
  /// values draw from \p Random.
  [[nodiscard]] StepOutcome step(RandomSource &Random);
  /// Sets every loop counter to 0; leaves current on the tail.
  void resetCounters();

private:
  enum class LinkMode { Append, Insert };
  void link(Command *C, LinkMode Mode);
  void addRepeatEnd(LinkMode Mode);
  void addRepeatStart(int32_t Count, LinkMode Mode);
  /// The innermost start that no end between it and \p From closes, walking
  /// back from \p From; null when there is none.
  static Command *openStartBefore(Command *From);
  /// The innermost start open at the tail, from the remembered starts (made
  /// anew after an edit that was not at the tail).
  Command *openStartAtTail();
  /// Keeps the remembered open starts up to date for \p C, just linked.
  void noteLinked(Command *C, bool AtTail);
  /// A new loop counter, used by one marker.
  Variable *newCounter();
  int32_t nextNumber();
  void removeCurrentCommand(int &Result);
  void releaseCounter(Command *C);
  void unlink(Command *C);
  void linkBefore(Command *C, Command *Before);
  void swapAdjacent(Command *First, Command *Second);
  bool reachableWithoutMarker(Command *From, Command *To, bool Flag) const;

  Command *Head = nullptr;
  Command *Tail = nullptr;
  Command *Current = nullptr;
  int32_t LastNumber = 0;
  int32_t Count = 0;
  uint32_t Revision = 0;
  /// Command by number; removed numbers hold null until the list empties.
  std::vector<Command *> ByNumber;
  /// The repeat starts open at the tail, innermost last; valid only while
  /// OpenStartsKnown (an edit away from the tail clears that).
  std::vector<Command *> OpenStarts;
  bool OpenStartsKnown = true;
  /// A loop counter with the number of markers that still refer to it.
  struct LoopCounter : Variable {
    int Users = 0;
  };
  /// Every loop counter made, kept in place; a counter no marker refers to
  /// any more waits in FreeCounters for the next repeat start. Kept in one
  /// block instead of one allocation each, as a file may hold hundreds of
  /// thousands of starts.
  std::deque<LoopCounter> Counters;
  std::vector<LoopCounter *> FreeCounters;
};

bool isRepeatMarker(const Command *C);

#endif
