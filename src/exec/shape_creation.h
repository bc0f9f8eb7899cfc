// Turning a draw command into a Shape: the geometry of its kind is generated
// into the Session's pen templates (which the pen marker also draws from) and
// the new Shape copies it, placed by the current Variable values.
#ifndef QUOVADRIN_EXEC_SHAPE_CREATION_H
#define QUOVADRIN_EXEC_SHAPE_CREATION_H

#include "model/command.h"

class Session;

/// Regenerates the pen templates for \p Kind as a new Shape of that kind
/// would, with the value of n for the polylines; see fillShapeTemplate.
int fillToolTemplate(Session &S, ShapeKind Kind);

/// When the Algorithm's current Command is a draw command of a drawn kind,
/// appends its Shape to the Drawing; otherwise does nothing.
void createShapeForCurrent(Session &S);

#endif
