// Background pattern and pen-menu placement.
#include "app/screen_geometry.h"

#include <algorithm>

#include "app/app_state.h"
#include "exec/random.h"
#include "model/variable.h"

std::array<OutlineCorners, BackgroundRectangleCount> backgroundRectangles() {
  const uint32_t Saved = randomState();
  setRandomState(1);
  const auto Fw = static_cast<float>(app.layoutWidth / 5 - 10);
  const auto Fh = static_cast<float>(app.layoutHeight / 10 - 10);
  std::array<OutlineCorners, BackgroundRectangleCount> Result;
  for (OutlineCorners &Corners : Result) {
    const float X = static_cast<float>(nextRandom() % 20) * (Fw / 20) + 10;
    const float Y = static_cast<float>(nextRandom() % 40) * (Fh / 40) + 10;
    const float A = std::min(static_cast<float>(nextRandom() % 10) * (Fw / 30), X);
    const float B = std::min(static_cast<float>(nextRandom() % 10) * (Fh / 30), Y);
    Corners = {Point{X + 10, Y + 10}, Point{A + 10, Y + 10}, Point{A + 10, B + 10},
               Point{X + 10, B + 10}};
  }
  setRandomState(Saved);
  return Result;
}

IntPoint penCentre() {
  const int CanvasLeft = app.layoutWidth / 4;
  const float Px = static_cast<float>(app.h->value()) +
                   static_cast<float>(app.x->value()) * app.cellWidth + app.cellWidth / 2 +
                   static_cast<float>(CanvasLeft);
  const float Py = static_cast<float>(app.v->value()) +
                   static_cast<float>(app.y->value()) * app.cellHeight + app.cellHeight / 2;
  return {static_cast<int>(Px), static_cast<int>(Py)};
}

std::array<IntPoint, PenMenuSize> penMenuCorners(IntPoint Pen) {
  const int CanvasLeft = app.layoutWidth / 4;
  const int Px = std::clamp(Pen.X, CanvasLeft + 80, app.layoutWidth * 3 / 4 - 80);
  const int Py = std::clamp(Pen.Y, 80, app.layoutHeight - 80);
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
