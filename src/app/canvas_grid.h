// The canvas grid: light grey lines between the cells, shown while editing.
// The frame draws it under the Shapes, and the shape layer keeps a copy of
// it under its own Shapes so that both blend the same way.
#ifndef QUOVADRIN_APP_CANVAS_GRID_H
#define QUOVADRIN_APP_CANVAS_GRID_H

/// The grey of the grid lines.
constexpr float GridGrey = 0.85f;

/// Draws the grid lines in the canvas projection, in their grey.
void drawCanvasGrid();

#endif
