// Thin adapters from GLUT's callbacks to the Application.
#include "app/glut_adapter.h"

#include <GL/freeglut.h>

#include "app/application.h"

namespace {

Application *Running = nullptr;

void onDisplay() {
  if (Running)
    Running->drawFrame();
}

void onKeyboard(unsigned char Key, int, int) {
  if (Running)
    Running->editor().onKeyboard(Key);
}

void onIdle() {
  if (Running)
    Running->editor().idleStep();
}

void onTimer(int) {}

void onMotion(int, int) {}

} // namespace

void attachGlutCallbacks(Application &App) {
  Running = &App;
  glutDisplayFunc(onDisplay);
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

void installPassiveMotionCallback(bool On) { glutPassiveMotionFunc(On ? onMotion : nullptr); }

void installMotionCallback(bool On) { glutMotionFunc(On ? onMotion : nullptr); }
