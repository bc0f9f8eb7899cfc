// The background pattern.
#include "screen/tool_panel_background.h"

#include <algorithm>

#include "editor/window_layout.h"
#include "exec/random.h"

std::array<OutlineCorners, BackgroundRectangleCount> backgroundRectangles() {
  RandomGenerator Random(1);
  const auto Fw = static_cast<float>(LayoutWidth / 5 - 10);
  const auto Fh = static_cast<float>(LayoutHeight / 10 - 10);
  std::array<OutlineCorners, BackgroundRectangleCount> Result;
  for (OutlineCorners &Corners : Result) {
    const float X = static_cast<float>(Random.nextRandom() % 20) * (Fw / 20) + 10;
    const float Y = static_cast<float>(Random.nextRandom() % 40) * (Fh / 40) + 10;
    const float A = std::min(static_cast<float>(Random.nextRandom() % 10) * (Fw / 30), X);
    const float B = std::min(static_cast<float>(Random.nextRandom() % 10) * (Fh / 30), Y);
    Corners = {Point{X + 10, Y + 10}, Point{A + 10, Y + 10}, Point{A + 10, B + 10},
               Point{X + 10, B + 10}};
  }
  return Result;
}

void appendToolPanelBackground(
    DrawListBuilder &Out, const std::array<OutlineCorners, BackgroundRectangleCount> &Outlines) {
  const auto Width = static_cast<float>(ToolPanelLayoutWidth);
  const auto Height = static_cast<float>(LayoutHeight);
  Out.shadedRectangle(0, 0, Width, Height, 0.6f, 1);
  for (const OutlineCorners &Corners : Outlines) {
    Out.begin(Primitive::LineLoop);
    for (const Point &Corner : Corners)
      Out.vertex(Corner.x, Corner.y);
    Out.end();
  }
}
