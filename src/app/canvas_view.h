// The canvas panel: the middle half of the screen, 512 x 768 layout units
// with the origin at the top left and y downwards. It shows the grid and the
// pen marker while editing, the Shapes of the Drawing, and the overlays of
// the pen menu and the cell marker.
#ifndef QUOVADRIN_APP_CANVAS_VIEW_H
#define QUOVADRIN_APP_CANVAS_VIEW_H

/// Sets the canvas viewport and orthographic projection and loads the
/// identity into the modelview matrix.
void setCanvasView();
/// The learner's picture: with \p GridVisible the grid, the pen marker and
/// grey Shapes; without, black Shapes on white.
void drawCanvasPicture(int GridVisible);
/// The pen menu (interactionState 5) or the cell marker (8 and 9).
void drawCanvasOverlays();
/// Draws the picture again into the back buffer, as the last frame showed it
/// (grid or no grid) but without popups or menus: what a saved picture holds.
void drawCanvasForPicture();
/// Remembers how the frame being drawn shows the canvas.
void rememberShownCanvas(int GridVisible);

#endif
