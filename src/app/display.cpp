// The frame: the canvas comes first, then the two side panels, which also
// cover anything a long message drew past the canvas edge.
#include "app/display.h"

#include <GL/freeglut.h>

#include "app/canvas_view.h"
#include "app/listing_view.h"
#include "app/message_box.h"
#include "app/screen.h"
#include "app/tool_panel_view.h"
#include "editor/editor_state.h"
#include "exec/session.h"

void display(const Session &S, const EditorState &E, const Screen &Widgets) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);

  setCanvasView(E.Screen);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  drawCanvasPicture(S, E, E.GridVisible, Widgets.shapes());
  drawCanvasOverlays(S, E, Widgets);
  if (E.Popup.Visible && Widgets.messageBox())
    Widgets.messageBox()->draw(GL_RENDER);

  drawToolPanel(E, Widgets);
  drawListingPanel(S.algorithm(), E, Widgets.alphabetTexture());
  glutSwapBuffers();
}
