// Turns shape geometry into lines on the canvas: the stored Shapes of the
// Drawing, and the pen marker that previews the selected tool at the pen
// position and serves as its pick area. A Shape's figure can also be had
// vertex by vertex, for drawing many Shapes at once.
#ifndef QUOVADRIN_APP_SHAPE_RENDERER_H
#define QUOVADRIN_APP_SHAPE_RENDERER_H

#include <GL/gl.h>

#include "app/canvas_bounds.h"
#include "exec/point.h"

class Shape;
class VariableSet;
struct PenTemplates;

/// Where a figure's vertices go, in unit-box coordinates: each begin and end
/// brackets one primitive (GL_LINES, GL_LINE_STRIP or GL_LINE_LOOP; the pen
/// marker's pick area is a GL_POLYGON).
class FigureSink {
public:
  virtual ~FigureSink() = default;
  virtual void begin(GLenum Primitive) = 0;
  virtual void vertex(float X, float Y) = 0;
  virtual void end() = 0;
};

/// Where drawShape puts the unit box of a Shape, as one affine map: a unit-
/// box point (x, y) lands on the canvas at (Xx x + Yx y + Cx, Xy x + Yy y + Cy).
struct UnitBoxMap {
  float Xx, Xy; // the image of the x axis
  float Yx, Yy; // the image of the y axis
  float Cx, Cy; // the box's centre
};

UnitBoxMap unitBoxMap(const Shape &S);
/// The figure of \p S in its unit box, as drawShape draws it, to \p Out;
/// nothing for the kinds that are not drawn.
void emitShapeFigure(const Shape &S, FigureSink &Out);

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
/// Where drawPenMarker puts its lines in GL_RENDER mode (their vertices;
/// smoothing spreads them by about a pixel).
CanvasBounds penMarkerBounds(const VariableSet &Vars, const PenTemplates &Templates,
                             int SelectedTool);

#endif
