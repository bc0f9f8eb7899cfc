// Test helpers for a Session: its Shapes in list order, and an animated run
// driven to its end the way the editor drives it (start, then step and pace
// until it ends), with the pace after each step recorded instead of waited.
#ifndef QUOVADRIN_TESTS_SESSION_RUN_H
#define QUOVADRIN_TESTS_SESSION_RUN_H

#include <vector>

#include "exec/run.h"
#include "exec/session.h"

/// The Shapes of \p D in list order, walked through the links.
inline std::vector<const Shape *> shapesOf(const Drawing &D) {
  std::vector<const Shape *> All;
  for (const Shape *S = D.head(); S; S = S->next)
    All.push_back(S);
  return All;
}

struct DrivenRun {
  /// False when the run had not ended after the step limit.
  bool Ended = false;
  /// The pace after each step that did not end the run.
  std::vector<int> Paces;
};

/// Starts an animated run and steps it until it ends, at most \p Limit steps.
inline DrivenRun runToEnd(Session &S, int Limit = 1000000) {
  DrivenRun Run;
  startRun(S);
  for (int I = 0; I < Limit && S.run().active(); ++I) {
    const StepOutcome Result = stepRun(S);
    if (!Result.goesOn())
      break;
    updateStepDelay(S, Result);
    Run.Paces.push_back(S.run().StepDelay);
  }
  Run.Ended = !S.run().active();
  return Run;
}

#endif
