// GLUT behind the core's hooks, and the callback registration of start-up.
#include "app/glut_hooks.h"

#include <GL/freeglut.h>

#include "app/app_state.h"
#include "app/canvas_view.h"
#include "app/display.h"
#include "app/label.h"
#include "editor/keyboard.h"
#include "editor/message_box.h"
#include "exec/run.h"
#include "gfx/png_snapshot.h"

void installGlutHooks() {
  app.hooks.postRedisplay = [] { glutPostRedisplay(); };
  app.hooks.drawScreen = [] { display(); };
  app.hooks.setIdleStepping = [](bool On) { glutIdleFunc(On ? idleStep : nullptr); };
  app.hooks.writeCanvasPicture = writeCanvasPicture;
  app.hooks.drawCanvasForPicture = drawCanvasForPicture;
  installMessageHook();
  app.hooks.refreshValueLabels = [] {
    for (Label *Field : app.fieldLabels)
      if (Field)
        Field->showValue();
  };
}

void registerCallbacks() {
  glutDisplayFunc(display);
  glutKeyboardFunc(onKeyboard);
  glutMotionFunc(nullptr);
  glutIdleFunc(nullptr);
  glutPassiveMotionFunc(nullptr);
}
