// Animated runs: start, step with its pacing, the normal end and the abort.
#include "exec/run.h"

#include <climits>
#include <cstdint>

#include "exec/session.h"
#include "exec/shape_creation.h"

namespace {

bool currentIs(const Session &S, CommandKind Kind) {
  const Command *C = S.algorithm().current();
  return C && C->kind() == Kind;
}

void endRun(Session &S) {
  S.algorithm().select(S.run().Start);
  S.run().Start = 0;
}

} // namespace

int busyWait(int Length) {
  volatile int Counter = 1;
  while (Counter < Length)
    Counter = Counter + 1;
  return Counter;
}

void takeRunSnapshot(Session &S) {
  S.run().SavedValues = S.variables().values();
  S.drawing().clear();
  S.run().Start = S.algorithm().currentNumber();
  S.algorithm().resetCounters();
  S.algorithm().rewind();
}

bool startRun(Session &S) {
  if (S.run().active())
    return false;
  takeRunSnapshot(S);
  S.run().StepDelay = InitialStepDelay;
  createShapeForCurrent(S);
  return true;
}

StepOutcome stepRun(Session &S) {
  if (!S.run().active())
    return {StepKind::Finished, 0};
  const StepOutcome Result = S.algorithm().step(S.random());
  if (!Result.goesOn()) {
    endRun(S);
    return Result;
  }
  createShapeForCurrent(S);
  return Result;
}

void updateStepDelay(Session &S, const StepOutcome &Step) {
  int &Delay = S.run().StepDelay;
  if (currentIs(S, CommandKind::RepeatEnd))
    Delay /= 2;
  if (Step.Kind == StepKind::LoopFinished) {
    const int64_t Stretched = static_cast<int64_t>(Delay) * Step.PaceFactor;
    Delay = static_cast<int>(Stretched > INT_MAX ? INT_MAX : Stretched);
  }
}

bool abortRun(Session &S) {
  if (!S.run().active())
    return false;
  endRun(S);
  S.variables().setValues(S.run().SavedValues);
  return true;
}
