// The display callback. For now the frame is the cleared white screen; the
// panels are drawn here as they are built.
#include "app/display.h"

#include <GL/freeglut.h>

#include "app/app_state.h"

void display() {
  glViewport(0, 0, app.screenWidth, app.screenHeight);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glutSwapBuffers();
}
