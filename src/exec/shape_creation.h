// Turning a draw command into a Shape: the geometry of its kind is generated
// into the AppState template buffers (which the pen marker also draws from)
// and the new Shape copies it, placed by the current Variable values.
#ifndef QUOVADRIN_EXEC_SHAPE_CREATION_H
#define QUOVADRIN_EXEC_SHAPE_CREATION_H

#include "model/command.h"

/// The polyline point buffers hold this many points; a larger n makes only
/// this many, and n <= 0 makes none.
int polylinePointCount(int N);

/// Regenerates the template buffers for \p Kind as a new Shape of that kind
/// would: blob and soft line outlines into templatePoints, free-line ends
/// into templateLineEnds, polylines of the value of n into templatePolyPoints
/// (and templatePolyMidpoints); the three line kinds toggle lineOrientation
/// last. Squares, circles and the filled kinds have no template. Returns the
/// number of polyline points made (0 for the other kinds).
int fillShapeTemplate(ShapeKind Kind);

/// When the Algorithm's current Command is a draw command of kind 1 to 3 or
/// 7 to 12, appends its Shape to the Drawing; otherwise does nothing.
void createShapeForCurrent();

#endif
