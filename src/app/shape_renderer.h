// Turns shape geometry into lines on the canvas: the stored Shapes of the
// Drawing, and the pen marker that previews the selected tool at the pen
// position and serves as its pick area.
#ifndef QUOVADRIN_APP_SHAPE_RENDERER_H
#define QUOVADRIN_APP_SHAPE_RENDERER_H

#include <GL/gl.h>

#include "exec/point.h"

class Shape;

/// Emits the 21 vertices of the quadratic Bezier curve from \p P0 over \p P1
/// to \p P2, inside the caller's glBegin/glEnd pair.
void drawQuadraticBezier(Point P0, Point P1, Point P2);
/// Draws \p S in the current colour, placed on the canvas grid.
void drawShapeRecord(const Shape &S);
/// Draws the Shape at the Drawing's cursor.
void drawShape();
/// GL_RENDER: the marker's frame and the selected tool's figure in black.
/// GL_SELECT: only the filled box, for picking under the caller's name.
void drawPenMarker(GLenum Mode);

#endif
