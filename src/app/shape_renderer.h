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
/// GL_RENDER: the marker's frame and the figure of tool \p SelectedTool from
/// the templates, in black, at the pen of \p Vars. GL_SELECT: only the
/// filled box.
void drawPenMarker(GLenum Mode, const VariableSet &Vars, const PenTemplates &Templates,
                   int SelectedTool);

#endif
