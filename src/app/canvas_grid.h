// The canvas grid: light grey lines between the cells, shown while editing.
// The frame draws it under the Shapes, and the shape layer keeps a copy of
// it under its own Shapes so that both blend the same way.
#ifndef QUOVADRIN_APP_CANVAS_GRID_H
#define QUOVADRIN_APP_CANVAS_GRID_H

#include "screen/screen_layout.h"

/// Draws the grid lines in the canvas projection, in their grey.
void drawCanvasGrid();

#endif
