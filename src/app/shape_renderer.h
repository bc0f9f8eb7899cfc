// Turns shape geometry into lines on the canvas: the stored Shapes of the
// Drawing, and the pen marker that previews the selected tool at the pen
// position and serves as its pick area.
#ifndef QUOVADRIN_APP_SHAPE_RENDERER_H
#define QUOVADRIN_APP_SHAPE_RENDERER_H

#include <GL/gl.h>

#include "exec/point.h"

class Shape;
class VariableSet;
struct PenTemplates;

/// Emits the 21 vertices of the quadratic Bezier curve from \p P0 over \p P1
/// to \p P2, inside the caller's glBegin/glEnd pair.
void drawQuadraticBezier(Point P0, Point P1, Point P2);
/// Draws \p S in the current colour, placed on the canvas grid.
void drawShape(const Shape &S);
/// GL_RENDER: the marker's frame and the figure of tool \p SelectedTool from
/// the templates, in black, at the pen of \p Vars. GL_SELECT: only the
/// filled box, for picking under the caller's name.
void drawPenMarker(GLenum Mode, const VariableSet &Vars, const PenTemplates &Templates,
                   int SelectedTool);

#endif
