// Structural edits of the Algorithm: removing the current Command (a repeat
// marker always goes together with its partner, never with the body between
// them) and drag-and-drop reordering that keeps markers from passing each other.
#include "model/algorithm.h"

#include "model/variable.h"

// Every marker in the list was made by addRepeatStart or addRepeatEnd, so its
// counter is one of this Algorithm's LoopCounters.
void Algorithm::releaseCounter(Command *C) {
  if (!isRepeatMarker(C) || !C->target())
    return;
  auto *Counter = static_cast<LoopCounter *>(C->target());
  if (--Counter->Users == 0)
    FreeCounters.push_back(Counter);
}

void Algorithm::removeCurrentCommand(int &Result) {
  ++Revision;
  Command *C = Current;
  Result = 1;
  OpenStartsKnown = false;
  if (C == Head && !C->next()) {
    Head = Tail = Current = nullptr;
    LastNumber = 0;
    Count = 0;
    ByNumber.clear();
    Result = 0;
  } else {
    if (C == Head) {
      Head = Current = C->next();
      Head->setPrev(nullptr);
    } else if (C == Tail) {
      Current = Tail = C->prev();
      Tail->setNext(nullptr);
    } else {
      C->prev()->setNext(C->next());
      C->next()->setPrev(C->prev());
      Current = C->next();
    }
    --Count;
    ByNumber[static_cast<size_t>(C->number())] = nullptr;
  }
  releaseCounter(C);
  delete C;
}

int Algorithm::deleteCurrent() {
  if (!Current)
    return 0;
  if (Current->kind() == CommandKind::RepeatStart) {
    // A start goes only together with its end: find the end and delete that.
    int32_t StartNumber = Current->number();
    while (moveNext()) {
      if (Current->jumpTarget() == StartNumber)
        return deleteCurrent();
    }
    return 0;
  }
  int Result = 0;
  if (Current->kind() == CommandKind::RepeatEnd) {
    int32_t EndNumber = Current->number();
    if (Command *Start = lookup(Current->jumpTarget())) {
      Current = Start;
      removeCurrentCommand(Result);
    }
    select(EndNumber);
  }
  removeCurrentCommand(Result);
  return Result;
}

void Algorithm::unlink(Command *C) {
  OpenStartsKnown = false;
  if (C->prev())
    C->prev()->setNext(C->next());
  else
    Head = C->next();
  if (C->next())
    C->next()->setPrev(C->prev());
  else
    Tail = C->prev();
  C->setPrev(nullptr);
  C->setNext(nullptr);
}

void Algorithm::linkBefore(Command *C, Command *Before) {
  C->setPrev(Before->prev());
  C->setNext(Before);
  if (Before->prev())
    Before->prev()->setNext(C);
  else
    Head = C;
  Before->setPrev(C);
}

void Algorithm::swapAdjacent(Command *First, Command *Second) {
  OpenStartsKnown = false;
  Command *Before = First->prev();
  Command *After = Second->next();
  Second->setPrev(Before);
  Second->setNext(First);
  First->setPrev(Second);
  First->setNext(After);
  if (Before)
    Before->setNext(Second);
  else
    Head = Second;
  if (After)
    After->setPrev(First);
  else
    Tail = First;
}

// Walks forward, then backward, from \p From looking for \p To. Meeting a
// marker first ends a walk unsuccessfully; a walk that runs off the list
// leaves \p Flag as it was.
bool Algorithm::reachableWithoutMarker(Command *From, Command *To, bool Flag) const {
  for (Command *C = From->next(); C; C = C->next()) {
    if (C == To)
      return true;
    if (isRepeatMarker(C)) {
      Flag = false;
      break;
    }
  }
  for (Command *C = From->prev(); C; C = C->prev()) {
    if (C == To)
      return true;
    if (isRepeatMarker(C))
      return false;
  }
  return Flag;
}

// Whether \p Later comes after \p Earlier in the list.
static bool follows(const Command *Later, const Command *Earlier) {
  for (const Command *C = Earlier->next(); C; C = C->next())
    if (C == Later)
      return true;
  return false;
}

void Algorithm::moveCommand(int32_t A, int32_t B) {
  if (!Current || A == B)
    return;
  // The lookups by number leave the cursor at head, as a walk from head would;
  // it is set again once the list has its new order.
  Current = Head;
  Command *Moved = lookup(A);
  Command *Onto = lookup(B);
  if (!Moved || !Onto)
    return;
  bool MovedIsMarker = isRepeatMarker(Moved);
  bool OntoIsMarker = isRepeatMarker(Onto);
  if (Moved->next() == Onto || Onto->next() == Moved) {
    if (MovedIsMarker && OntoIsMarker)
      return;
    ++Revision;
    if (Moved->next() == Onto)
      swapAdjacent(Moved, Onto);
    else
      swapAdjacent(Onto, Moved);
    Current = Head;
    return;
  }
  bool Flag = !MovedIsMarker && !OntoIsMarker;
  if (MovedIsMarker)
    Flag = reachableWithoutMarker(Moved, Onto, false);
  if (OntoIsMarker)
    Flag = reachableWithoutMarker(Onto, Moved, Flag);
  // A marker dropped onto a marker above it would land before that marker and
  // pass it, crossing two loops; markers keep their order, so it stays.
  if (Flag && MovedIsMarker && OntoIsMarker && follows(Moved, Onto))
    Flag = false;
  if (Flag) {
    ++Revision;
    unlink(Moved);
    linkBefore(Moved, Onto);
  }
  Current = Head;
}
