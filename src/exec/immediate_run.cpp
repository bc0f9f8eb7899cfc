// The immediate runs: the same steps and arrival rule as the animated run,
// in a capped loop, bracketed by the snapshot and the restore of the user
// Variables.
#include "exec/immediate_run.h"

#include "exec/session.h"
#include "exec/shape_creation.h"

namespace {

/// The run's start: values set aside, counters reset, cursor on the first
/// Command, an empty picture, and the first Shape when that Command draws.
void beginImmediateRun(Session &S) {
  S.run().SavedValues = S.variables().values();
  S.algorithm().resetCounters();
  S.algorithm().rewind();
  S.drawing().clear();
  createShapeForCurrent(S);
}

void finishImmediateRun(Session &S) { S.variables().setValues(S.run().SavedValues); }

} // namespace

ImmediateRunResult runWholeAlgorithm(Session &S) {
  beginImmediateRun(S);
  ImmediateRunResult Result;
  for (;;) {
    const StepOutcome Step = S.algorithm().step(S.random());
    ++Result.Steps;
    if (!Step.goesOn())
      break;
    if (Result.Steps > ImmediateStepCap) {
      Result.Outcome = ImmediateRunOutcome::StepCapReached;
      break;
    }
    createShapeForCurrent(S);
  }
  finishImmediateRun(S);
  return Result;
}

ImmediateRunResult runUpToCommand(Session &S, int32_t Target) {
  beginImmediateRun(S);
  ImmediateRunResult Result;
  Algorithm &A = S.algorithm();
  while (A.currentNumber() != Target) {
    if (Result.Steps >= ImmediateStepCap) {
      Result.Outcome = ImmediateRunOutcome::StepCapReached;
      break;
    }
    const StepOutcome Step = A.step(S.random());
    ++Result.Steps;
    if (!Step.goesOn())
      break;
    createShapeForCurrent(S);
  }
  // The chosen Command's own effect; a draw command has none, and its Shape
  // was made on arrival. Where it leads does not matter: the target is
  // selected again below.
  (void)A.step(S.random());
  ++Result.Steps;
  A.select(Target);
  finishImmediateRun(S);
  return Result;
}
