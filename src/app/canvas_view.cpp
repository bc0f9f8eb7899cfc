// The canvas viewport, shared by the display, the picture and the tests.
#include "app/canvas_view.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/app_state.h"

void setCanvasView() {
  glViewport(app.screenWidth / 4, 0, app.screenWidth / 2, app.screenHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, app.layoutWidth / 2, app.layoutHeight, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
