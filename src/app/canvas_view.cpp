// Drawing of the canvas panel: grid, pen marker, Shapes and overlays.
#include "app/canvas_view.h"

#include <GL/gl.h>

#include "app/app_state.h"
#include "app/button.h"
#include "app/panel_view.h"
#include "app/shape_renderer.h"
#include "exec/drawing.h"
#include "model/variable.h"

namespace {

int ShownGridVisible = 1;

void drawGrid() {
  glColor4f(0.85f, 0.85f, 0.85f, 1);
  const float Width = static_cast<float>(app.layoutWidth / 2);
  const float Height = static_cast<float>(app.layoutHeight);
  glBegin(GL_LINES);
  for (int I = 1; I <= 25; ++I) {
    glVertex2f(I * app.cellWidth, 0);
    glVertex2f(I * app.cellWidth, Height);
  }
  // As many rows as the canvas is tall: 38 lines for 768 units.
  const int Rows = static_cast<int>(static_cast<float>(app.layoutHeight) /
                                    (static_cast<float>(app.layoutWidth) * 0.5f) * 26);
  for (int I = 1; I < Rows; ++I) {
    glVertex2f(0, I * app.cellHeight);
    glVertex2f(Width, I * app.cellHeight);
  }
  glEnd();
}

// Oldest first, so that later Shapes lie on top.
void drawShapes() {
  Drawing *Picture = app.drawing;
  if (!Picture || Picture->count() == 0)
    return;
  Picture->rewind();
  while (Picture->hasNext()) {
    drawShape();
    Picture->advance();
  }
  drawShape();
}

// The grid cell of x and y without the offsets, while h and v are changed.
void drawCellMarker() {
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(app.x->value() * app.cellWidth + app.cellWidth / 2,
               app.y->value() * app.cellHeight + app.cellHeight / 2, 0);
  glScalef(app.cellWidth, app.cellHeight, 1);
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

void setCanvasView() { setPanelView(Panel::Canvas); }

void drawCanvasPicture(int GridVisible) {
  if (GridVisible) {
    drawGrid();
    drawPenMarker(GL_RENDER);
  }
  if (GridVisible)
    glColor4f(0.5f, 0.5f, 0.5f, 1);
  else
    glColor4f(0, 0, 0, 1);
  drawShapes();
}

void drawCanvasOverlays() {
  if (app.interactionState == 5) {
    glColor4f(1, 1, 1, 1);
    for (Button *MenuButton : app.penMenu)
      if (MenuButton)
        MenuButton->draw(GL_RENDER);
    return;
  }
  if (app.interactionState == 8 || app.interactionState == 9)
    drawCellMarker();
}

void rememberShownCanvas(int GridVisible) { ShownGridVisible = GridVisible; }

void drawCanvasForPicture() {
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  setCanvasView();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  drawCanvasPicture(ShownGridVisible);
}
