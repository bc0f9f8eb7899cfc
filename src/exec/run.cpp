// Animated runs: start, the idle step with its pacing, the normal end and the
// abort.
#include "exec/run.h"

#include <climits>
#include <cstdint>

#include "app/app_state.h"
#include "exec/drawing.h"
#include "exec/shape_creation.h"
#include "model/algorithm.h"

namespace {

void waitWithBusyLoop(int Length) { busyWait(Length); }

StepWaitFunction StepWait = waitWithBusyLoop;

bool currentIs(CommandKind Kind) {
  const Command *C = app.algorithm->current();
  return C && C->kind() == Kind;
}

void endRun() {
  app.algorithm->select(app.runStart);
  app.runStart = 0;
  app.gridVisible = 0;
  setIdleStepping(false);
  requestRedisplay();
}

/// Each arrival at a loop end halves the pace; each finished loop (a step
/// result of twice its count) stretches it again. The product is taken in
/// 64 bits and held at INT_MAX, so deep loops cannot overflow it.
void updateStepDelay(int StepResult) {
  if (currentIs(CommandKind::RepeatEnd))
    app.stepDelay /= 2;
  if (StepResult > 1) {
    int64_t Stretched = static_cast<int64_t>(app.stepDelay) * StepResult;
    app.stepDelay = static_cast<int>(Stretched > INT_MAX ? INT_MAX : Stretched);
  }
}

} // namespace

int busyWait(int Length) {
  volatile int Counter = 1;
  while (Counter < Length)
    Counter = Counter + 1;
  return Counter;
}

void setStepWait(StepWaitFunction Wait) { StepWait = Wait ? Wait : waitWithBusyLoop; }

void takeRunSnapshot() {
  saveUserValues();
  app.drawing->clear();
  app.runStart = app.algorithm->currentNumber();
  app.algorithm->resetCounters();
  app.algorithm->rewind();
}

void startRun() {
  if (app.runStart != 0)
    return;
  takeRunSnapshot();
  app.interactionState = -1;
  app.stepDelay = InitialStepDelay;
  createShapeForCurrent();
  setIdleStepping(true);
}

void idleStep() {
  if (app.runStart == 0) {
    // Only a run installs this callback; a stray call removes it again.
    setIdleStepping(false);
    return;
  }
  int Result = app.algorithm->step();
  if (Result < 1) {
    endRun();
    return;
  }
  createShapeForCurrent();
  refreshValueLabels();
  drawScreenNow();
  updateStepDelay(Result);
  StepWait(app.stepDelay);
  requestRedisplay();
}

void abortRun() {
  if (app.runStart == 0)
    return;
  setIdleStepping(false);
  app.algorithm->select(app.runStart);
  app.runStart = 0;
  restoreUserValues();
  refreshValueLabels();
  requestRedisplay();
}
