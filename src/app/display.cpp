// The frame: described from the state, then drawn by the GL back end with
// blending and smoothed lines.
#include "app/display.h"

#include <GL/freeglut.h>

#include "app/screen.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "screen/screen_frame.h"

void display(const Session &S, const EditorState &E, Screen &Widgets) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  buildFrame(Widgets.frame(), S, E);
  Widgets.renderer().draw(Widgets.frame(), S.drawing(), E.Screen);
  glutSwapBuffers();
}
