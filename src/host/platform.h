// What a platform does for the host: it owns the window or the page, so it
// shows frames, runs timers and the idle step, follows the pointer when
// asked, reads the canvas's pixels back and ends the program. The desktop
// does this with GLUT and OpenGL, the web page with the browser and WebGL,
// tests with a recording. A platform turns its own events into the host's
// (Host::pointerButton and the others) and draws Host::frame().
#ifndef QUOVADRIN_HOST_PLATFORM_H
#define QUOVADRIN_HOST_PLATFORM_H

#include "files/gray_png.h"

struct DrawList;

class Platform {
public:
  /// A frame when the platform gets round to it.
  virtual void requestFrame() = 0;
  /// A frame shown before the learner can act again: the desktop draws it
  /// at once, the page when the event that asked returns.
  virtual void showFrameNow() = 0;
  /// Calls Host::idle() over and over while \p On.
  virtual void setIdleStepping(bool On) = 0;
  /// Calls Host::timer(Generation) after \p Milliseconds (never negative).
  virtual void armTimer(int Milliseconds, unsigned Generation) = 0;
  /// Passes the pointer's motion with a button held (\p On) or no more.
  virtual void setMotion(bool On) = 0;
  /// The same for the pointer's motion without a button held.
  virtual void setPassiveMotion(bool On) = 0;
  /// Spends the pause of \p Length after a step of the animated run.
  virtual void waitBetweenSteps(int Length) = 0;
  /// Draws \p CanvasPicture (the canvas panel alone) and reads its pixels
  /// back in grey, top row first; empty rows when they cannot be read.
  [[nodiscard]] virtual GrayImage readCanvas(const DrawList &CanvasPicture) = 0;
  /// Ends the program with \p Status; the host takes no more events.
  virtual void exit(int Status) = 0;

protected:
  // A platform is never destroyed through this interface.
  ~Platform() = default;
};

#endif
