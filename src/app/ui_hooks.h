// The seam between the window-system-free core and the GLUT program: the core
// asks for redraws, the idle callback, label refreshes, messages and the canvas
// picture through these hooks; the program fills them in, tests count them.
#ifndef QUOVADRIN_APP_UI_HOOKS_H
#define QUOVADRIN_APP_UI_HOOKS_H

#include <functional>
#include <string>

struct UiHooks {
  /// Ask for a redisplay (glutPostRedisplay).
  std::function<void()> postRedisplay;
  /// Install (true) or remove (false) the animated run's idle callback.
  std::function<void(bool)> setIdleStepping;
  /// Draw the whole screen at once.
  std::function<void()> drawScreen;
  /// Show the current values of the ten user Variables in their Labels.
  std::function<void()> refreshValueLabels;
  /// Raise a message popup with this text.
  std::function<void(const std::string &)> showMessage;
  /// Write the canvas as a grey PNG (path, x, y, width, height in pixels);
  /// returns 0 on success or the writer's error code.
  std::function<int(const std::string &, int, int, int, int)> writeCanvasPicture;
  /// Draw the canvas into the back buffer as the last frame showed it (grid
  /// or not, without the message popup), right before the picture is read.
  std::function<void()> drawCanvasForPicture;
};

// Callers use these, so that an unset hook is simply nothing to do.
void requestRedisplay();
void setIdleStepping(bool On);
void drawScreenNow();
void refreshValueLabels();
void raiseMessage(const std::string &Text);

#endif
