// Thin adapters from GLUT's callbacks to the host.
#include "app/glut_adapter.h"

#include <GL/freeglut.h>

#include "app/glut_platform.h"
#include "host/host.h"

namespace {

GlutPlatform *Running = nullptr;

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
  if (Running)
    Running->host().resize({Width, Height});
}

void onMouse(int Button, int State, int X, int Y) {
  if (!Running)
    return;
  PointerEvent Event;
  Event.Button = buttonOf(Button);
  Event.State = State == GLUT_DOWN ? ButtonState::Down : ButtonState::Up;
  Event.X = X;
  Event.Y = Y;
  Running->host().pointerButton(Event);
}

void onKeyboard(unsigned char Key, int, int) {
  if (Running)
    Running->host().key(Key);
}

void onIdle() {
  if (Running)
    Running->host().idle();
}

void onTimer(int Generation) {
  if (Running)
    Running->host().timer(static_cast<unsigned>(Generation));
}

// GLUT calls the motion callback only with a button held, the passive one
// only without.
void onMotion(int X, int Y) {
  if (Running)
    (void)Running->host().pointerMotion({X, Y}, true);
}

void onPassiveMotion(int X, int Y) {
  if (Running)
    (void)Running->host().pointerMotion({X, Y}, false);
}

} // namespace

void attachGlutCallbacks(GlutPlatform &Window) {
  Running = &Window;
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
  glutTimerFunc(static_cast<unsigned>(Milliseconds), onTimer, static_cast<int>(Generation));
}

void installPassiveMotionCallback(bool On) {
  glutPassiveMotionFunc(On ? onPassiveMotion : nullptr);
}

void installMotionCallback(bool On) { glutMotionFunc(On ? onMotion : nullptr); }
