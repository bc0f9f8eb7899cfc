// The display callback: the only place where a frame is drawn. The canvas
// comes first, then the two side panels, which also cover anything a long
// message drew past the canvas edge.
#include "app/display.h"

#include <GL/freeglut.h>

#include "app/app_state.h"
#include "app/canvas_view.h"
#include "app/listing_view.h"
#include "app/tool_panel_view.h"
#include "editor/message_box.h"

void display() {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);

  setCanvasView();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  rememberShownCanvas(app.gridVisible);
  drawCanvasPicture(app.gridVisible);
  drawCanvasOverlays();
  if (app.messageVisible > 0 && app.messageBox)
    app.messageBox->draw(GL_RENDER);

  drawToolPanel();
  drawListingPanel();
  glutSwapBuffers();
}
