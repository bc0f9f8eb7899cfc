// Algorithm list: numbering, linking, repeat pairing, cursor, lookup and the
// single execution step. Removal and reordering live in algorithm_edit.cpp.
#include "model/algorithm.h"

#include <algorithm>
#include <climits>
#include <memory>

#include "model/variable.h"

bool isRepeatMarker(const Command *C) {
  return C->kind() == CommandKind::RepeatStart || C->kind() == CommandKind::RepeatEnd;
}

Algorithm::Algorithm() = default;

Algorithm::~Algorithm() {
  Command *C = Head;
  while (C) {
    Command *Next = C->next();
    delete C;
    C = Next;
  }
}

int32_t Algorithm::nextNumber() {
  ++LastNumber;
  ++Count;
  return LastNumber;
}

void Algorithm::link(Command *C, LinkMode Mode) {
  // Owned here until it is in the list: growing the index may run out of
  // memory, and the batch rendering carries on with the next file.
  std::unique_ptr<Command> Owned(C);
  ++Revision;
  if (ByNumber.size() <= static_cast<size_t>(C->number()))
    ByNumber.resize(static_cast<size_t>(C->number()) + 1, nullptr);
  ByNumber[static_cast<size_t>(C->number())] = Owned.release();
  if (LastNumber == 1) {
    Head = Tail = Current = C;
    OpenStarts.clear();
    OpenStartsKnown = true;
    noteLinked(C, true);
    return;
  }
  const bool AtTail = Mode == LinkMode::Append || !Current || Current == Tail;
  if (AtTail) {
    C->setPrev(Tail);
    Tail->setNext(C);
    Tail = C;
  } else {
    Command *After = Current->next();
    C->setPrev(Current);
    C->setNext(After);
    After->setPrev(C);
    Current->setNext(C);
  }
  noteLinked(C, AtTail);
  Current = C;
}

void Algorithm::noteLinked(Command *C, bool AtTail) {
  if (!AtTail) {
    OpenStartsKnown = false;
    return;
  }
  if (!OpenStartsKnown)
    return;
  if (C->kind() == CommandKind::RepeatStart)
    OpenStarts.push_back(C);
  else if (C->kind() == CommandKind::RepeatEnd && !OpenStarts.empty())
    OpenStarts.pop_back();
}

void Algorithm::appendArithmetic(Variable *Target, ArithmeticOp Op, int32_t Constant) {
  link(new Command(nextNumber(), CommandKind::Arithmetic, Constant, Op, Target, nullptr),
       LinkMode::Append);
}

void Algorithm::appendArithmeticVar(Variable *Target, ArithmeticOp Op, Variable *Source) {
  link(new Command(nextNumber(), CommandKind::Arithmetic, 0, Op, Target, Source), LinkMode::Append);
}

void Algorithm::appendRandom(Variable *Target, Variable *Upper, Variable *Lower) {
  link(Command::makeRandom(nextNumber(), Target, Upper, Lower), LinkMode::Append);
}

void Algorithm::appendRepeatStart(int32_t RepeatCount) {
  addRepeatStart(RepeatCount, LinkMode::Append);
}

void Algorithm::appendRepeatEnd() { addRepeatEnd(LinkMode::Append); }

void Algorithm::appendDraw(int32_t ShapeKindValue) {
  link(Command::makeDraw(nextNumber(), ShapeKindValue), LinkMode::Append);
}

void Algorithm::insertArithmetic(Variable *Target, ArithmeticOp Op, int32_t Constant) {
  link(new Command(nextNumber(), CommandKind::Arithmetic, Constant, Op, Target, nullptr),
       LinkMode::Insert);
}

void Algorithm::insertArithmeticVar(Variable *Target, ArithmeticOp Op, Variable *Source) {
  link(new Command(nextNumber(), CommandKind::Arithmetic, 0, Op, Target, Source), LinkMode::Insert);
}

void Algorithm::insertRandom(Variable *Target, Variable *Upper, Variable *Lower) {
  link(Command::makeRandom(nextNumber(), Target, Upper, Lower), LinkMode::Insert);
}

void Algorithm::insertRepeatStart(int32_t RepeatCount) {
  addRepeatStart(RepeatCount, LinkMode::Insert);
}

void Algorithm::insertRepeatEnd() { addRepeatEnd(LinkMode::Insert); }

void Algorithm::insertDraw(int32_t ShapeKindValue) {
  link(Command::makeDraw(nextNumber(), ShapeKindValue), LinkMode::Insert);
}

Variable *Algorithm::newCounter() {
  LoopCounter *Counter = nullptr;
  if (FreeCounters.empty()) {
    Counter = &Counters.emplace_back();
  } else {
    Counter = FreeCounters.back();
    FreeCounters.pop_back();
    Counter->setValue(0);
  }
  Counter->Users = 1;
  return Counter;
}

void Algorithm::addRepeatStart(int32_t RepeatCount, LinkMode Mode) {
  link(Command::makeRepeatStart(nextNumber(), RepeatCount, newCounter()), Mode);
}

// Ends behind the starting point are not seen, so an end inserted into a
// closed loop gives that loop's start a second end.
Command *Algorithm::openStartBefore(Command *From) {
  int Depth = 0;
  for (Command *Walk = From; Walk; Walk = Walk->prev()) {
    if (Walk->kind() == CommandKind::RepeatStart) {
      if (Depth == 0)
        return Walk;
      --Depth;
    } else if (Walk->kind() == CommandKind::RepeatEnd) {
      ++Depth;
    }
  }
  return nullptr;
}

// Walking forward, an end closes the start last left open, and an end with
// none open closes nothing: the starts left open are the ones the walk back
// from the tail would find, innermost last.
Command *Algorithm::openStartAtTail() {
  if (!OpenStartsKnown) {
    OpenStarts.clear();
    for (Command *C = Head; C; C = C->next()) {
      if (C->kind() == CommandKind::RepeatStart)
        OpenStarts.push_back(C);
      else if (C->kind() == CommandKind::RepeatEnd && !OpenStarts.empty())
        OpenStarts.pop_back();
    }
    OpenStartsKnown = true;
  }
  return OpenStarts.empty() ? nullptr : OpenStarts.back();
}

void Algorithm::addRepeatEnd(LinkMode Mode) {
  const bool FromTail = Mode == LinkMode::Append || !Current || Current == Tail;
  Command *Start = FromTail ? openStartAtTail() : openStartBefore(Current);
  if (!Start)
    return;
  auto *Counter = static_cast<LoopCounter *>(Start->target());
  ++Counter->Users;
  link(Command::makeRepeatEnd(nextNumber(), Start->number(), Start->value(), Counter), Mode);
}

Command *Algorithm::rewind() {
  if (Head)
    Current = Head;
  return Head;
}

Command *Algorithm::moveNext() {
  if (!Current || !Current->next())
    return nullptr;
  Current = Current->next();
  return Current;
}

Command *Algorithm::movePrev() {
  if (!Current || !Current->prev())
    return nullptr;
  Current = Current->prev();
  return Current;
}

Command *Algorithm::lookup(int32_t Number) const {
  if (Number < 1 || static_cast<size_t>(Number) >= ByNumber.size())
    return nullptr;
  return ByNumber[static_cast<size_t>(Number)];
}

Command *Algorithm::find(int32_t Number) {
  Current = Head;
  return lookup(Number);
}

Command *Algorithm::select(int32_t Number) {
  Current = Head;
  Command *Found = lookup(Number);
  if (Found)
    Current = Found;
  return Found;
}

int32_t Algorithm::currentNumber() const { return Current ? Current->number() : -1; }
CommandKind Algorithm::currentKind() const { return Current ? Current->kind() : CommandKind(0); }
int32_t Algorithm::currentValue() const { return Current ? Current->value() : 0; }
int32_t Algorithm::currentJumpTarget() const { return Current ? Current->jumpTarget() : 0; }
Variable *Algorithm::currentTarget() const { return Current ? Current->target() : nullptr; }
Variable *Algorithm::currentSource() const { return Current ? Current->source() : nullptr; }
Variable *Algorithm::currentLower() const { return Current ? Current->lower() : nullptr; }

std::string Algorithm::currentText() const { return Current ? Current->text() : std::string(); }

void Algorithm::setCurrentValue(int32_t Value) {
  if (!Current)
    return;
  ++Revision;
  Current->setValue(Value);
  if (Current->kind() != CommandKind::RepeatStart)
    return;
  for (Command *C = Current->next(); C; C = C->next()) {
    if (C->jumpTarget() == Current->number()) {
      C->setValue(Value);
      return;
    }
  }
}

void Algorithm::setCurrentTarget(Variable *Target) {
  if (!Current)
    return;
  ++Revision;
  Current->setTarget(Target);
}

void Algorithm::setCurrentUpper(Variable *Upper) {
  if (!Current)
    return;
  ++Revision;
  Current->setUpper(Upper);
}

void Algorithm::setCurrentLower(Variable *Lower) {
  if (!Current)
    return;
  ++Revision;
  Current->setLower(Lower);
}

StepOutcome Algorithm::step(RandomSource &Random) {
  if (!Current)
    return {StepKind::NoCurrent, 0};
  int32_t JumpBack = 0;
  int32_t LoopCount = 0;
  if (Current->kind() == CommandKind::RepeatEnd) {
    JumpBack = Current->jumpTarget();
    LoopCount = Current->value();
  }
  int32_t Next = Current->execute(Random);
  if (Next == 0)
    return {StepKind::Finished, 0};
  Current = lookup(Next);
  if (JumpBack == 0 || Next == JumpBack)
    return {StepKind::Moved, 0};
  // A finished loop reports twice its count. A count of 0 or less runs its
  // body once like a count of 1, and must not read as the end of the run.
  int64_t Report = 2 * static_cast<int64_t>(std::max<int32_t>(LoopCount, 1));
  return {StepKind::LoopFinished, static_cast<int32_t>(std::min<int64_t>(Report, INT32_MAX))};
}

void Algorithm::resetCounters() {
  if (!Head)
    return;
  for (Command *C = Head; C; C = C->next()) {
    if (C->kind() == CommandKind::RepeatStart && C->target())
      C->target()->setValue(0);
  }
  Current = Tail;
}
