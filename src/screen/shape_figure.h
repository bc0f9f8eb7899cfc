// The figures of shape geometry, vertex by vertex and free of any graphics
// API: the stored Shapes of the Drawing, and the pen marker that previews
// the selected tool at the pen position. Every back end (the window, the
// vector picture) draws a Shape from these vertices, so a figure has one
// definition only.
#ifndef QUOVADRIN_SCREEN_SHAPE_FIGURE_H
#define QUOVADRIN_SCREEN_SHAPE_FIGURE_H

#include "exec/shape.h"
#include "screen/canvas_bounds.h"
#include "screen/primitive.h"
#include "screen/unit_box.h"

class VariableSet;
struct PenTemplates;

/// Where a figure's vertices go, in unit-box coordinates (-0.5 to 0.5):
/// each begin and end brackets one primitive (Lines, LineStrip or
/// LineLoop; the pen marker's pick area is a Polygon).
class FigureSink {
public:
  virtual ~FigureSink() = default;
  virtual void begin(Primitive Kind) = 0;
  virtual void vertex(float X, float Y) = 0;
  virtual void end() = 0;
};

UnitBoxPlacement shapePlacement(const Shape &S);
/// The pen marker's box: at x, y plus h, v, turned by d, dx by dy cells.
UnitBoxPlacement penPlacement(const VariableSet &Vars);
UnitBoxMap unitBoxMap(const Shape &S);

/// The figure of \p S in its unit box; nothing for the kinds that are not drawn.
void emitShapeFigure(const Shape &S, FigureSink &Out);
/// The pen marker's frame and the figure of tool \p SelectedTool (a shape kind) from the
/// templates, in its unit box.
void emitPenMarker(FigureSink &Out, const VariableSet &Vars, const PenTemplates &Templates,
                   int SelectedTool);
/// The pen marker's pick area: its whole box, filled.
void emitPenMarkerArea(FigureSink &Out);
/// Where the pen marker's lines lie on the canvas (their vertices; smoothing
/// spreads them by about a pixel).
CanvasBounds penMarkerBounds(const VariableSet &Vars, const PenTemplates &Templates,
                             int SelectedTool);

#endif
