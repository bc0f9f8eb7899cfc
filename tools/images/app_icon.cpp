// The program's icon for menus and launchers: a sheet of the grid canvas
// with a square, a circle and a blob drawn on it in the tool colours, at the
// pixel sizes the desktop's icon theme asks for.
#include "icon_kit.h"
#include "icons.h"

namespace {

constexpr float Side = 50;

constexpr float Line = 1.9f;

// The tool panel's blob, at a smaller scale, placed at \p Corner.
Path smallBlob(Vec Corner, float Scale) {
  const Path Tool = {{27, 5}, {45, 12}, {40, 30}, {29, 46}, {9, 38}, {8, 16}};
  Path Controls;
  for (const Vec &P : Tool)
    Controls.push_back({Corner.X + P.X * Scale, Corner.Y + P.Y * Scale});
  return smoothCurve(Controls, true);
}

Canvas appIcon(int Pixels) {
  Canvas Icon = iconCanvas(Pixels, Pixels, Side, Side);
  Icon.fill(roundedRectangle(3, 3, 47, 47, 8), [](float, float Y) {
    const float T = (Y - 3) / 44;
    return Rgba{1.0f - 0.1f * T, 1.0f - 0.09f * T, 1.0f - 0.06f * T, 1};
  });
  for (float P = 11; P <= 39.1f; P += 7)
    for (const Path &Grid : {Path{{P, 5}, {P, 45}}, Path{{5, P}, {45, P}}})
      Icon.fill(stroke(Grid, 0.45f), palette::Grid);
  Icon.fill(roundedFrame(3.6f, 3.6f, 46.4f, 46.4f, 7.4f, 0.9f), rgb(70, 80, 102));
  Icon.fill(stroke({{11, 11}, {25, 11}, {25, 25}, {11, 25}}, Line, true), palette::Blue);
  Icon.fill(ring({32, 28}, 9, Line), palette::Orange);
  Icon.fill(stroke(smallBlob({7, 25}, 0.42f), Line), palette::Green);
  return Icon;
}

} // namespace

void writeAppIcons(const std::string &Dir) {
  for (int Pixels : AppIconSizes)
    saveIcon(Dir, "quovadrin-" + std::to_string(Pixels) + ".png", appIcon(Pixels));
}
