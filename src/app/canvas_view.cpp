// The canvas picture from its description.
#include "app/canvas_view.h"

#include <GL/gl.h>

#include "app/gl_frame_renderer.h"
#include "app/panel_view.h"
#include "app/screen.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "screen/canvas_frame.h"
#include "screen/screen_frame.h"

void setCanvasView(const ScreenSize &Size) { setPanelView(Panel::Canvas, Size); }

void drawCanvasPicture(const Session &S, const EditorState &E, bool GridVisible,
                       const ShapeLayer &Shapes) {
  DrawList Picture;
  DrawListBuilder Builder(Picture);
  appendCanvasPicture(Builder, S, E, GridVisible);
  const GlFrameRenderer Renderer([](PickName) -> GLuint { return 0; }, 0, &Shapes);
  Renderer.draw(Picture, S.drawing(), E.Screen);
}

void drawCanvasForPicture(const Session &S, const EditorState &E, Screen &Widgets) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  buildCanvasPicture(Widgets.frame(), S, E, Widgets.LastFrameShowedGrid);
  Widgets.renderer().draw(Widgets.frame(), S.drawing(), E.Screen);
}
