// Drawing of the canvas panel: grid, pen marker, Shapes and overlays.
#include "app/canvas_view.h"

#include <GL/gl.h>

#include "app/button.h"
#include "app/canvas_grid.h"
#include "app/panel_view.h"
#include "app/screen.h"
#include "app/shape_layer.h"
#include "app/shape_renderer.h"
#include "editor/editor_state.h"
#include "exec/session.h"

namespace {

// The grid cell of x and y without the offsets, while h and v are changed.
void drawCellMarker(const VariableSet &Vars) {
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(Vars.x().value() * CellWidth + CellWidth / 2,
               Vars.y().value() * CellHeight + CellHeight / 2, 0);
  glScalef(CellWidth, CellHeight, 1);
  glColor4f(0.6f, 0.6f, 0.6f, 1);
  glBegin(GL_LINE_LOOP);
  glVertex2f(-0.5f, -0.5f);
  glVertex2f(-0.5f, 0.5f);
  glVertex2f(0.5f, 0.5f);
  glVertex2f(0.5f, -0.5f);
  glEnd();
  glPopMatrix();
}

} // namespace

void setCanvasView(const ScreenSize &Size) { setPanelView(Panel::Canvas, Size); }

void drawCanvasPicture(const Session &S, const EditorState &E, bool GridVisible,
                       const ShapeLayer &Shapes) {
  CanvasBounds Marker;
  if (GridVisible) {
    drawCanvasGrid();
    drawPenMarker(GL_RENDER, S.variables(), S.templates(), E.SelectedTool);
    Marker = penMarkerBounds(S.variables(), S.templates(), E.SelectedTool);
  }
  Shapes.draw(S.drawing(), E.Screen, GridVisible, Marker);
}

void drawCanvasOverlays(const Session &S, const EditorState &E, const Screen &Widgets) {
  if (E.Mode == InteractionMode::PenMenuOpen) {
    glColor4f(1, 1, 1, 1);
    for (const Button *MenuButton : Widgets.penMenu())
      MenuButton->draw(GL_RENDER);
    return;
  }
  if (E.Mode == InteractionMode::OffsetAbsolute || E.Mode == InteractionMode::OffsetRelative)
    drawCellMarker(S.variables());
}

void drawCanvasForPicture(const Session &S, const EditorState &E, const Screen &Widgets) {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  setCanvasView(E.Screen);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawCanvasPicture(S, E, Widgets.LastFrameShowedGrid, Widgets.shapes());
}
