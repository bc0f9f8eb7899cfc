// The canvas picture from its description.
#include "app/canvas_view.h"

#include <GL/gl.h>

#include "app/gl_frame_renderer.h"
#include "app/panel_view.h"
#include "editor/editor_state.h"
#include "exec/session.h"
#include "screen/canvas_frame.h"

void setCanvasView(const WindowLayout &Layout) { setPanelView(Panel::Canvas, Layout); }

void drawCanvasPicture(const Session &S, const EditorState &E, bool GridVisible,
                       const ShapeLayer &Shapes) {
  DrawList Picture;
  DrawListBuilder Builder(Picture);
  appendCanvasPicture(Builder, S, E, GridVisible);
  const GlFrameRenderer Renderer([](PickName) -> GLuint { return 0; }, 0, &Shapes);
  Renderer.draw(Picture, S.drawing(), E.Layout);
}
