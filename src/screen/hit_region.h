// A place of a frame where the pointer can pick something: a rectangle or
// a turned box with the pick name of what was drawn there. The frame
// builders record one as they draw each pickable thing, in drawing order,
// so what is drawn is what is picked, and picking is a query over the
// regions of a frame.
#ifndef QUOVADRIN_SCREEN_HIT_REGION_H
#define QUOVADRIN_SCREEN_HIT_REGION_H

#include "editor/window_layout.h"
#include "screen/unit_box.h"

enum class HitShape {
  /// The rectangle between the corners (X0, Y0) and (X1, Y1), in any order.
  Rectangle,
  /// The filled unit box that Box places: turned and stretched, a line when
  /// one side has no length.
  UnitBox,
};

struct HitRegion {
  Panel View = Panel::Canvas;
  /// The pick name as the hit records carry it: a widget's name, a listing
  /// line's command position (from 1), a saved-file entry as
  /// FirstFileEntry + its index.
  int Name = -1;
  HitShape Shape = HitShape::Rectangle;
  float X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
  UnitBoxMap Box{};
};

#endif
