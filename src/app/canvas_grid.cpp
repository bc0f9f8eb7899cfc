// The grid lines of the canvas.
#include "app/canvas_grid.h"

#include <GL/gl.h>

#include "editor/screen_space.h"

void drawCanvasGrid() {
  glColor4f(GridGrey, GridGrey, GridGrey, 1);
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
