// What the editor asks of the program around it. The editor never draws,
// never talks to a window system and writes no file itself: it changes the
// state and asks for a frame, a timer, the idle step, the pointer's motion,
// a save of the learner's work or the end of the program through here. The
// host carries these out for every platform; tests record them.
#ifndef QUOVADRIN_EDITOR_EDITOR_HOST_H
#define QUOVADRIN_EDITOR_EDITOR_HOST_H

#include "files/alg_writer.h"

class EditorHost {
public:
  /// A frame when the platform gets round to it.
  virtual void postRedisplay() = 0;
  /// A whole frame, shown before the learner can act again.
  virtual void drawNow() = 0;
  /// Installs (true) or removes (false) the animated run's idle step.
  virtual void setIdleStepping(bool On) = 0;
  /// Calls the editor's timer with \p Generation after \p Milliseconds.
  virtual void armTimer(int Milliseconds, unsigned Generation) = 0;
  /// Asks for the pointer's motion without a button held (canvas edit
  /// modes) and with one held (dragging a listing line), or no more of it.
  virtual void setPassiveMotion(bool On) = 0;
  virtual void setMotion(bool On) = 0;
  /// Spends the pause of \p Length after a step of the animated run: the
  /// desktop counts it off at once, a page whose frames pace the run itself
  /// does not wait, and tests record it.
  virtual void waitBetweenSteps(int Length) = 0;
  /// Saves the learner's work under the next free name: the algorithm, the
  /// canvas as the screen showed it and its vector copy. The outcome's
  /// message is what the learner is told.
  [[nodiscard]] virtual SaveOutcome saveWork() = 0;
  /// Ends the program with \p Status. The editor does nothing after asking.
  virtual void exit(int Status) = 0;

protected:
  // The host is never destroyed through this interface.
  ~EditorHost() = default;
};

#endif
