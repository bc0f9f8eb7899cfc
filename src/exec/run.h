// The animated run: one step of the Algorithm per idle call of the window
// system, a busy-wait after each step, a redraw of the whole screen. The
// window system is reached only through the AppState hooks, so a test can
// drive idleStep by hand.
#ifndef QUOVADRIN_EXEC_RUN_H
#define QUOVADRIN_EXEC_RUN_H

/// The run snapshot: the ten user values into savedValues, the Drawing
/// cleared, runStart := the current Command's number (-1 without one), loop
/// counters reset and the cursor rewound. Loading a file takes it too, so
/// that the next click puts the values back as after an aborted run.
void takeRunSnapshot();

/// Begins an animated run unless one is active (runStart not 0).
void startRun();

/// One animation step; the idle callback while a run is active.
void idleStep();

/// Stops an active run: the cursor goes back to where the run began and the
/// ten user Variables get their values from before it. The picture so far
/// stays. Nothing happens when no run is active.
void abortRun();

/// Counts from 1 up to \p Length (Length - 1 increments, none for
/// Length <= 1) in a way the optimiser cannot remove; returns the count
/// reached. This is the animation's pace.
int busyWait(int Length);

/// The wait idleStep uses after each step; busyWait unless replaced. Tests
/// put in a recorder so that a run costs no time; null restores busyWait.
using StepWaitFunction = void (*)(int Length);
void setStepWait(StepWaitFunction Wait);

#endif
