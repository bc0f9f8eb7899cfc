// What the editor asks of the window it runs in. The editor never draws and
// never talks to the window system itself: it changes the state and asks for
// a frame, a timer, the idle step or the end of the program through here.
// For a save it supplies what only the platform can make (the canvas as the
// screen showed it, the vector picture's text) and writes no file itself.
// The program's window carries these out with GLUT; tests record them.
#ifndef QUOVADRIN_EDITOR_WINDOW_H
#define QUOVADRIN_EDITOR_WINDOW_H

#include "files/gray_png.h"
#include "files/text_sink.h"

class Window {
public:
  virtual ~Window() = default;

  /// A frame when the window system gets round to it.
  virtual void postRedisplay() = 0;
  /// A whole frame, drawn and shown before this returns.
  virtual void drawNow() = 0;
  /// Installs (true) or removes (false) the animated run's idle step.
  virtual void setIdleStepping(bool On) = 0;
  /// Calls the editor's timer with \p Generation after \p Milliseconds.
  virtual void armTimer(int Milliseconds, unsigned Generation) = 0;
  /// Installs or removes the pointer callbacks without a button held
  /// (canvas edit modes) and with one held (dragging a listing line).
  virtual void setPassiveMotion(bool On) = 0;
  virtual void setMotion(bool On) = 0;
  /// Spends the pause of \p Length after a step of the animated run: the
  /// desktop counts it off at once, a page whose frames pace the run itself
  /// does not wait, and tests record it.
  virtual void waitBetweenSteps(int Length) = 0;
  /// The canvas as the last frame showed it (without popups or menus), in
  /// grey; its rows are empty when it could not be read back.
  [[nodiscard]] virtual GrayImage canvasPicture() = 0;
  /// Writes the Shapes of the Drawing as the text of a vector picture for
  /// printing, piece by piece through \p Sink (which may refuse: a size
  /// bound or a full disk). False when the sink refused.
  [[nodiscard]] virtual bool writeVectorPicture(const TextSink &Sink) = 0;
  /// Ends the program with \p Status. The editor does nothing after asking.
  virtual void exit(int Status) = 0;
};

#endif
