// Pen-menu placement.
#include "editor/pen_menu.h"

#include <algorithm>

#include "editor/screen_space.h"
#include "exec/variable_set.h"

IntPoint penCentre(const VariableSet &Vars) {
  const int CanvasLeft = LayoutWidth / 4;
  // The sums are those of float arithmetic, as the pen marker is drawn.
  const float Px = static_cast<float>(Vars.h().value()) +
                   static_cast<float>(Vars.x().value()) * CellWidth + CellWidth / 2 +
                   static_cast<float>(CanvasLeft);
  const float Py = static_cast<float>(Vars.v().value()) +
                   static_cast<float>(Vars.y().value()) * CellHeight + CellHeight / 2;
  return {truncateToInt(Px), truncateToInt(Py)};
}

std::array<IntPoint, PenMenuSize> penMenuCorners(IntPoint Pen) {
  const int CanvasLeft = LayoutWidth / 4;
  const int Px = std::clamp(Pen.X, CanvasLeft + 80, LayoutWidth * 3 / 4 - 80);
  const int Py = std::clamp(Pen.Y, 80, LayoutHeight - 80);
  const int Cx = Px - CanvasLeft;
  return {{
      {Cx - 50, Py - 80}, // xyAbs
      {Cx - 80, Py - 40}, // hvAbs
      {Cx + 40, Py - 40}, // dAbs
      {Cx - 50, Py + 40}, // whAbs
      {Cx - 20, Py - 20}, // stamp
      {Cx + 20, Py - 80}, // xyRel
      {Cx - 80, Py},      // hvRel
      {Cx + 40, Py},      // dRel
      {Cx + 20, Py + 40}, // whRel
  }};
}
