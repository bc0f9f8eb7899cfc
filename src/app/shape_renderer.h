// Shape figures in OpenGL immediate mode: the placement as the modelview
// matrix, the figure's vertices as they come. The figures themselves are
// defined once, without GL, in the screen layer.
#ifndef QUOVADRIN_APP_SHAPE_RENDERER_H
#define QUOVADRIN_APP_SHAPE_RENDERER_H

#include <GL/gl.h>

#include "screen/shape_figure.h"

/// The GL primitive that draws \p Kind.
GLenum glPrimitive(Primitive Kind);
/// Multiplies the modelview matrix by \p Placement, in the order that puts
/// a unit box where it belongs: move, turn, scale.
void applyPlacement(const UnitBoxPlacement &Placement);
/// Draws \p S in the current colour, placed on the canvas grid.
void drawShape(const Shape &S);

#endif
