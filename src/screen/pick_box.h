// The square pixel box around the pointer that picking tests things against
// (5 x 5 pixels for the mouse), and the projection of a panel's layout units
// into it. A thing is under the
// pointer when any part of it, edges included, lies inside the box. The
// projection is worked out in single precision, step by step, as the
// window's graphics library composes its matrices and transforms vertices:
// an edge that falls exactly on the box's border after projection must land
// on the same side of it as it always did, or a click on a widget's edge
// would change its answer.
#ifndef QUOVADRIN_SCREEN_PICK_BOX_H
#define QUOVADRIN_SCREEN_PICK_BOX_H

#include "editor/pointer_event.h"
#include "editor/window_layout.h"
#include "screen/unit_box.h"

/// A point in the box's own coordinates: the box spans -1 to 1 on both axes.
struct BoxPoint {
  float X = 0, Y = 0;
};

class PickBox {
public:
  /// The box of \p Where (a window pixel counted from the top left, and
  /// the box's side in pixels) over panel \p Panel.
  PickBox(const PanelRect &Panel, const PickPoint &Where);

  /// Whether the rectangle with corners (X0, Y0) and (X1, Y1), in the
  /// panel's layout units and in any order, meets the box. A rectangle of no
  /// width or height still meets it where its line does.
  [[nodiscard]] bool meetsRect(float X0, float Y0, float X1, float Y1) const;
  /// Whether the filled unit box that \p Map places on the panel meets the
  /// box: a turned and stretched square, a line when one side has no
  /// length, a point when neither has.
  [[nodiscard]] bool meetsUnitBox(const UnitBoxMap &Map) const;

private:
  /// Where the layout point (X, Y) lands, and where corner (U, V) of the
  /// unit box that \p Map places lands.
  BoxPoint project(float X, float Y) const;
  BoxPoint projectUnitBoxCorner(const UnitBoxMap &Map, float U, float V) const;

  // The composed projection: layout x to box x is ScaleX * x + OffsetX,
  // likewise for y; each product and sum rounded to float.
  float ScaleX = 0, ScaleY = 0;
  float OffsetX = 0, OffsetY = 0;
};

#endif
