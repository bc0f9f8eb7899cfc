// The pen menu: nine Buttons placed around the pen when the learner presses
// on the pen marker, kept 80 units inside the canvas.
#ifndef QUOVADRIN_EDITOR_PEN_MENU_H
#define QUOVADRIN_EDITOR_PEN_MENU_H

#include <array>

#include "editor/pick_name.h"

class VariableSet;

constexpr int PenMenuSize = 9;
constexpr int PenMenuButtonSide = 40;

/// The pen-menu Buttons in their drawing and picking order.
constexpr std::array<PickName, PenMenuSize> PenMenuOrder = {
    PickName::XyAbs, PickName::HvAbs, PickName::DAbs, PickName::WhAbs, PickName::Stamp,
    PickName::XyRel, PickName::HvRel, PickName::DRel, PickName::WhRel};

struct IntPoint {
  int X = 0;
  int Y = 0;
};

/// The pen centre in whole-screen layout units: column, row and offsets of
/// the Variables x, y, h, v, truncated to int.
IntPoint penCentre(const VariableSet &Vars);

/// Top-left corners (canvas units) of the pen-menu Buttons in PenMenuOrder
/// around the pen centre \p Pen (whole-screen layout units).
std::array<IntPoint, PenMenuSize> penMenuCorners(IntPoint Pen);

/// Where the pen-menu Buttons are now; the revision tells a platform's
/// cache to place its Buttons anew.
struct PenMenuPlacement {
  std::array<IntPoint, PenMenuSize> Corners{};
  unsigned Revision = 0;
};

/// \p Value truncated toward zero, held within the int range (NaN gives 0):
/// positions computed from a learner's Variables may lie far off screen.
int truncateToInt(double Value);

#endif
