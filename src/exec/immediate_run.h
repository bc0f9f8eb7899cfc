// Runs without animation for the listing panel's previews: the whole
// algorithm, or up to a chosen Command, in one go. Only the picture remains:
// the ten user Variables get their values from before the run back. A run
// that would not end is stopped by a step cap, and the caller is told so it
// can show its message; the editor adds its own work around these cores.
#ifndef QUOVADRIN_EXEC_IMMEDIATE_RUN_H
#define QUOVADRIN_EXEC_IMMEDIATE_RUN_H

#include <cstdint>

class Session;

/// The most steps an immediate run makes before it gives up.
constexpr int ImmediateStepCap = 100001;
/// What the learner (or the batch rendering's console) is told when the cap
/// stopped a run.
constexpr char ImmediateStepCapMessage[] = "Zuviele Befehle";

enum class ImmediateRunOutcome {
  /// The run came to its end (or to the chosen Command).
  Finished,
  /// The step cap stopped it; the Shapes made so far stay.
  StepCapReached,
};

struct ImmediateRunResult {
  ImmediateRunOutcome Outcome = ImmediateRunOutcome::Finished;
  /// Steps made, the extra step of a run up to a Command included.
  int Steps = 0;
};

/// Runs the whole algorithm from its first Command. The cursor stays where
/// the run ended.
ImmediateRunResult runWholeAlgorithm(Session &S);

/// Runs from the first Command until execution arrives at the Command
/// numbered \p Target, then performs that Command once more (without making
/// a Shape) and makes it current again.
ImmediateRunResult runUpToCommand(Session &S, int32_t Target);

#endif
