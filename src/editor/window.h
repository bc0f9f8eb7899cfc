// What the editor asks of the window it runs in. The editor never draws and
// never talks to the window system itself: it changes the state and asks for
// a frame, a timer, the idle step or the end of the program through here.
// The program's window carries these out with GLUT; tests record them.
#ifndef QUOVADRIN_EDITOR_WINDOW_H
#define QUOVADRIN_EDITOR_WINDOW_H

#include <string>

#include "files/atomic_file.h"
#include "files/file_result.h"

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
  /// Writes the canvas as the last frame showed it to \p Path as a grey PNG:
  /// 0 on success, -1 when the file cannot be written, 2, 3 or 4 when libpng
  /// fails.
  [[nodiscard]] virtual FileResult writeCanvasPicture(const std::string &Path,
                                                      const FileFaultPlan &Faults) = 0;
  /// Writes the Shapes of the Drawing to \p Path as a vector picture for
  /// printing: true when it was written.
  [[nodiscard]] virtual bool writeVectorPicture(const std::string &Path,
                                                const FileFaultPlan &Faults) = 0;
  /// Ends the program with \p Status. The editor does nothing after asking.
  virtual void exit(int Status) = 0;
};

#endif
