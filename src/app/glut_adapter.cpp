// Thin adapters from GLUT's callbacks to the Application: each brings the
// widgets up to date with the state (so a pick sees what the next frame
// shows) and hands its event to the editor.
#include "app/glut_adapter.h"

#include <GL/freeglut.h>

#include "app/application.h"

namespace {

Application *Running = nullptr;

void onDisplay() {
  if (Running)
    Running->drawFrame();
}

MouseButton buttonOf(int GlutButton) {
  if (GlutButton == GLUT_LEFT_BUTTON)
    return MouseButton::Left;
  if (GlutButton == GLUT_RIGHT_BUTTON)
    return MouseButton::Right;
  return MouseButton::Middle;
}

// A window the learner resizes keeps the whole layout, scaled to its size.
void onReshape(int Width, int Height) {
  if (!Running)
    return;
  Running->resize({Width, Height});
  glutPostRedisplay();
}

void onMouse(int Button, int State, int X, int Y) {
  if (!Running)
    return;
  Running->prepareFrame();
  Running->editor().onMouse(
      {buttonOf(Button), State == GLUT_DOWN ? ButtonState::Down : ButtonState::Up, X, Y});
}

void onKeyboard(unsigned char Key, int, int) {
  if (Running)
    Running->editor().onKeyboard(Key);
}

void onIdle() {
  if (Running)
    Running->editor().idleStep();
}

void onTimer(int Generation) {
  if (!Running)
    return;
  Running->prepareFrame();
  Running->editor().onTimer(static_cast<unsigned>(Generation));
}

void onMotion(int X, int Y) {
  if (!Running)
    return;
  Running->prepareFrame();
  Running->editor().onListingDrag(X, Y);
}

void onPassiveMotion(int X, int Y) {
  if (Running)
    Running->editor().onPassiveMotion(X, Y);
}

} // namespace

void attachGlutCallbacks(Application &App) {
  Running = &App;
  glutDisplayFunc(onDisplay);
  glutReshapeFunc(onReshape);
  glutMouseFunc(onMouse);
  glutKeyboardFunc(onKeyboard);
  glutMotionFunc(nullptr);
  glutIdleFunc(nullptr);
  glutPassiveMotionFunc(nullptr);
}

void installIdleCallback(bool On) { glutIdleFunc(On ? onIdle : nullptr); }

void installTimer(int Milliseconds, unsigned Generation) {
  glutTimerFunc(static_cast<unsigned>(Milliseconds < 0 ? 0 : Milliseconds), onTimer,
                static_cast<int>(Generation));
}

void installPassiveMotionCallback(bool On) {
  glutPassiveMotionFunc(On ? onPassiveMotion : nullptr);
}

void installMotionCallback(bool On) { glutMotionFunc(On ? onMotion : nullptr); }
