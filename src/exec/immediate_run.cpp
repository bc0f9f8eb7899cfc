// The immediate runs: the same steps and arrival rule as the animated run,
// in a capped loop, bracketed by the snapshot and the restore of the user
// Variables.
#include "exec/immediate_run.h"

#include "app/app_state.h"
#include "exec/drawing.h"
#include "exec/shape_creation.h"
#include "model/algorithm.h"

namespace {

/// The run's start: values set aside, counters reset, cursor on the first
/// Command, an empty picture, and the first Shape when that Command draws.
void beginImmediateRun() {
  saveUserValues();
  app.algorithm->resetCounters();
  app.algorithm->rewind();
  app.drawing->clear();
  createShapeForCurrent();
}

void finishImmediateRun() {
  app.gridVisible = 0;
  restoreUserValues();
  refreshValueLabels();
}

} // namespace

ImmediateRunResult runWholeAlgorithm() {
  beginImmediateRun();
  ImmediateRunResult Result;
  for (;;) {
    int StepResult = app.algorithm->step();
    ++Result.Steps;
    if (StepResult < 1)
      break;
    if (Result.Steps > ImmediateStepCap) {
      Result.Outcome = ImmediateRunOutcome::StepCapReached;
      break;
    }
    createShapeForCurrent();
  }
  finishImmediateRun();
  return Result;
}

ImmediateRunResult runUpToCommand(int32_t Target) {
  beginImmediateRun();
  ImmediateRunResult Result;
  while (app.algorithm->currentNumber() != Target) {
    if (Result.Steps >= ImmediateStepCap) {
      Result.Outcome = ImmediateRunOutcome::StepCapReached;
      break;
    }
    int StepResult = app.algorithm->step();
    ++Result.Steps;
    if (StepResult < 1)
      break;
    createShapeForCurrent();
  }
  // The chosen Command's own effect; a draw command has none, and its Shape
  // was made on arrival.
  app.algorithm->step();
  ++Result.Steps;
  app.algorithm->select(Target);
  finishImmediateRun();
  return Result;
}
