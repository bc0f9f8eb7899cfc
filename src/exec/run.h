// The animated run, without a window: its start, one step, its normal end
// and its abort, all on a Session. The editor calls these from the
// platform's idle calls and adds what the screen needs (labels, frames, the
// pause).
#ifndef QUOVADRIN_EXEC_RUN_H
#define QUOVADRIN_EXEC_RUN_H

#include "model/step_outcome.h"

class Session;

/// The run snapshot: the ten user values into SavedValues, the Drawing
/// cleared, Start := the current Command's number (-1 without one), loop
/// counters reset and the cursor rewound. Loading a file takes it too, so
/// that the next click puts the values back as after an aborted run.
void takeRunSnapshot(Session &S);

/// Begins an animated run: the snapshot, the pace set back to its start, and
/// the first Shape when the first Command draws. Does nothing and returns
/// false while a run is active.
bool startRun(Session &S);

/// One step of an active run: execute the current Command and, on arrival
/// at a draw command, make its Shape. Returns what the step did; a step
/// after which the run does not go on also winds the run up: the command
/// current at its start is current again, no run is active, and the
/// Variables keep their values. Without an active run, reports the run
/// finished and changes nothing.
StepOutcome stepRun(Session &S);

/// The pace after a step: each arrival at a loop end halves the busy-wait,
/// each finished loop stretches it by twice the loop's count. Held at
/// INT_MAX, so deep loops cannot overflow it.
void updateStepDelay(Session &S, const StepOutcome &Step);

/// Stops an active run: the cursor goes back to where the run began and the
/// ten user Variables get their values from before it. The picture so far
/// stays. Returns false, changing nothing, when no run is active.
bool abortRun(Session &S);

/// Counts from 1 up to \p Length (Length - 1 increments, none for
/// Length <= 1) in a way the optimiser cannot remove; returns the count
/// reached. This is the animation's pace.
int busyWait(int Length);

#endif
