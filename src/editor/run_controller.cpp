// The animated run's start, steps and abort.
#include "editor/run_controller.h"

#include "editor/editor_host.h"
#include "editor/field_values.h"
#include "exec/run.h"
#include "exec/session.h"

void RunController::startRun() {
  if (!::startRun(Context.Work))
    return;
  Context.Mode = InteractionMode::Idle;
  Context.Host.setIdleStepping(true);
}

void RunController::idleStep() {
  Session &Work = Context.Work;
  if (!Work.run().active()) {
    // Only a run installs the idle step; a stray call removes it again.
    Context.Host.setIdleStepping(false);
    return;
  }
  const StepOutcome Result = stepRun(Work);
  if (!Result.goesOn()) {
    // The finished picture shows without grid.
    Context.GridVisible = false;
    Context.Host.setIdleStepping(false);
    Context.Host.postRedisplay();
    return;
  }
  showFieldValues(Labels, Context.Host);
  Context.Host.drawNow();
  updateStepDelay(Work, Result);
  Context.Host.waitBetweenSteps(Work.run().StepDelay);
  Context.Host.postRedisplay();
}

void RunController::abortRun() {
  if (!::abortRun(Context.Work))
    return;
  Context.Host.setIdleStepping(false);
  showFieldValues(Labels, Context.Host);
  Context.Host.postRedisplay();
}
