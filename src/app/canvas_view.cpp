// Drawing of the canvas panel: grid, pen marker, Shapes and overlays.
#include "app/canvas_view.h"

#include <GL/gl.h>

#include "app/button.h"
#include "app/panel_view.h"
#include "app/screen.h"
#include "app/shape_renderer.h"
#include "editor/editor_state.h"
#include "exec/session.h"

namespace {

void drawGrid() {
  glColor4f(0.85f, 0.85f, 0.85f, 1);
  const float Width = static_cast<float>(LayoutWidth / 2);
  const float Height = static_cast<float>(LayoutHeight);
  glBegin(GL_LINES);
  for (int I = 1; I <= 25; ++I) {
    glVertex2f(I * CellWidth, 0);
    glVertex2f(I * CellWidth, Height);
  }
  // As many rows as the canvas is tall: 38 lines for 768 units.
  const int Rows = static_cast<int>(static_cast<float>(LayoutHeight) /
                                    (static_cast<float>(LayoutWidth) * 0.5f) * 26);
  for (int I = 1; I < Rows; ++I) {
    glVertex2f(0, I * CellHeight);
    glVertex2f(Width, I * CellHeight);
  }
  glEnd();
}

// Oldest first, so that later Shapes lie on top. The walk follows the links
// and leaves the Drawing's cursor alone.
void drawShapes(const Drawing &Picture) {
  for (const Shape *S = Picture.head(); S; S = S->next)
    drawShape(*S);
}

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

void drawCanvasPicture(const Session &S, bool GridVisible, int SelectedTool) {
  if (GridVisible) {
    drawGrid();
    drawPenMarker(GL_RENDER, S.variables(), S.templates(), SelectedTool);
  }
  if (GridVisible)
    glColor4f(0.5f, 0.5f, 0.5f, 1);
  else
    glColor4f(0, 0, 0, 1);
  drawShapes(S.drawing());
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
  drawCanvasPicture(S, Widgets.LastFrameShowedGrid, E.SelectedTool);
}
