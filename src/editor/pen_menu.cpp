// Pen-menu placement.
#include "editor/pen_menu.h"

#include <algorithm>
#include <climits>

#include "editor/window_layout.h"
#include "exec/variable_set.h"

IntPoint penCentre(const VariableSet &Vars) {
  // The sums are those of float arithmetic, as the pen marker is drawn.
  const float Px = static_cast<float>(Vars.h().value()) +
                   static_cast<float>(Vars.x().value()) * CellWidth + CellWidth / 2 +
                   static_cast<float>(CanvasLayoutLeft);
  const float Py = static_cast<float>(Vars.v().value()) +
                   static_cast<float>(Vars.y().value()) * CellHeight + CellHeight / 2;
  return {truncateToInt(Px), truncateToInt(Py)};
}

std::array<IntPoint, PenMenuSize> penMenuCorners(IntPoint Pen) {
  constexpr int Margin = 80;
  const int Px =
      std::clamp(Pen.X, CanvasLayoutLeft + Margin, CanvasLayoutLeft + CanvasLayoutWidth - Margin);
  const int Py = std::clamp(Pen.Y, Margin, LayoutHeight - Margin);
  const int Cx = Px - CanvasLayoutLeft;
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

int truncateToInt(double Value) {
  if (!(Value == Value))
    return 0;
  if (Value >= static_cast<double>(INT_MAX))
    return INT_MAX;
  if (Value <= static_cast<double>(INT_MIN))
    return INT_MIN;
  return static_cast<int>(Value);
}
