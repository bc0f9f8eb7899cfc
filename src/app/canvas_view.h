// The canvas panel's viewport and projection: the middle half of the screen,
// 512 x 768 layout units with the origin at the top left and y downwards.
#ifndef QUOVADRIN_APP_CANVAS_VIEW_H
#define QUOVADRIN_APP_CANVAS_VIEW_H

/// Sets the canvas viewport and orthographic projection and loads the
/// identity into the modelview matrix.
void setCanvasView();

#endif
