// The title and the drawing tools. A tool icon is the figure its tool draws,
// on transparency, so that the highlight of the chosen tool shows behind it.
// The line tools stand on a faint grid: raster lines follow it, free lines
// cross it at any angle, soft lines curve.
#include "icon_kit.h"
#include "icons.h"

namespace {

constexpr int ToolPixels = 128;
constexpr float ToolSide = 50;
constexpr float FigureLine = 2.1f;

Canvas toolCanvas() { return iconCanvas(ToolPixels, ToolPixels, ToolSide, ToolSide); }

void drawFaintGrid(Canvas &Icon) {
  for (float P = 7; P <= 43.1f; P += 12) {
    Icon.fill(stroke({{P, 5}, {P, 45}}, 0.45f), palette::Grid);
    Icon.fill(stroke({{5, P}, {45, P}}, 0.45f), palette::Grid);
  }
}

Canvas title(Font &Glyphs) {
  Canvas Icon = iconCanvas(512, 64, 150, 20);
  const float Em = 19.5f;
  drawText(Icon, Glyphs, "Quovadrin", 1.5f, 15.2f, Em, 0.5f, palette::Ink);
  // An underline in the tool colours.
  const float Width = textWidth(Icon, Glyphs, "Quovadrin", Em, 0.5f);
  Icon.fill(stroke({{2, 18.6f}, {2 + Width * 0.33f, 18.6f}}, 0.8f), palette::Blue);
  Icon.fill(stroke({{2 + Width * 0.36f, 18.6f}, {2 + Width * 0.66f, 18.6f}}, 0.8f),
            palette::Orange);
  Icon.fill(stroke({{2 + Width * 0.69f, 18.6f}, {Width, 18.6f}}, 0.8f), palette::Green);
  return Icon;
}

Canvas square() {
  Canvas Icon = toolCanvas();
  Icon.fill(stroke({{11, 11}, {39, 11}, {39, 39}, {11, 39}}, FigureLine, true), palette::Ink);
  return Icon;
}

Canvas circle() {
  Canvas Icon = toolCanvas();
  Icon.fill(ring({25, 25}, 15, FigureLine), palette::Ink);
  return Icon;
}

Canvas blob() {
  Canvas Icon = toolCanvas();
  const Path Controls = {{27, 5}, {45, 12}, {40, 30}, {29, 46}, {9, 38}, {8, 16}};
  Icon.fill(stroke(smoothCurve(Controls, true), FigureLine), palette::Ink);
  return Icon;
}

Canvas rasterLine() {
  Canvas Icon = toolCanvas();
  drawFaintGrid(Icon);
  Icon.fill(stroke({{6, 13}, {30, 13}}, FigureLine), palette::Ink);
  Icon.fill(stroke({{37, 20}, {37, 44}}, FigureLine), palette::Ink);
  return Icon;
}

Canvas freeLine() {
  Canvas Icon = toolCanvas();
  drawFaintGrid(Icon);
  Icon.fill(stroke({{8, 40}, {42, 12}}, FigureLine), palette::Ink);
  return Icon;
}

Canvas softLine() {
  Canvas Icon = toolCanvas();
  drawFaintGrid(Icon);
  const Path Controls = {{6, 32}, {14, 6}, {25, 26}, {36, 46}, {44, 16}};
  Icon.fill(stroke(smoothCurve(Controls, false), FigureLine), palette::Ink);
  return Icon;
}

Canvas rasterPolyline() {
  Canvas Icon = toolCanvas();
  drawFaintGrid(Icon);
  const Path Loop = {{7, 7}, {31, 7}, {31, 19}, {43, 19}, {43, 43}, {19, 43}, {19, 31}, {7, 31}};
  Icon.fill(stroke(Loop, FigureLine, true), palette::Ink);
  return Icon;
}

Canvas freePolyline() {
  Canvas Icon = toolCanvas();
  drawFaintGrid(Icon);
  const Path Loop = {{8, 12}, {40, 8}, {18, 26}, {43, 42}, {20, 40}, {7, 33}};
  Icon.fill(stroke(Loop, FigureLine, true), palette::Ink);
  return Icon;
}

Canvas softPolyline() {
  Canvas Icon = toolCanvas();
  drawFaintGrid(Icon);
  const Path Controls = {{4, 8}, {30, 4}, {20, 30}, {48, 42}, {26, 48}, {6, 38}, {22, 20}};
  Icon.fill(stroke(smoothCurve(Controls, true), FigureLine), palette::Ink);
  return Icon;
}

// A die with five pips; the r, upper and lower fields sit around it.
Canvas dice() {
  Canvas Icon = iconCanvas(256, 256, 75, 75);
  Icon.fill(roundedRectangle(17, 17, 61, 61, 9), rgb(0, 0, 0, 0.18f));
  Icon.fill(roundedRectangle(13, 13, 58, 58, 9), [](float, float Y) {
    const float T = (Y - 13) / 45;
    return Rgba{1.0f - 0.08f * T, 1.0f - 0.08f * T, 1.0f - 0.05f * T, 1};
  });
  Icon.fill(roundedFrame(14.2f, 14.2f, 56.8f, 56.8f, 8, 1.2f), palette::Ink);
  const Vec Pips[] = {{24, 24}, {47, 24}, {35.5f, 35.5f}, {24, 47}, {47, 47}};
  for (const Vec &P : Pips)
    Icon.fill(disc(P, 4.6f), P.X == 35.5f ? palette::Red : palette::Ink);
  return Icon;
}

// The repeat control: a loop arrow around the repeat count, which its Label
// shows in the middle.
Canvas repeatLoop() {
  Canvas Icon = iconCanvas(256, 256, 75, 75);
  const Vec C{37.5f, 37.5f};
  const float Pi = 3.14159265f;
  const Path Loop = arc(C, 26, -0.35f * Pi, 1.45f * Pi, 96);
  Icon.fill(stroke(Loop, 3.6f), palette::Blue);
  const Vec End = Loop.back();
  const Vec Before = Loop[Loop.size() - 8];
  const Vec Tip{End.X + (End.X - Before.X) * 1.2f, End.Y + (End.Y - Before.Y) * 1.2f};
  Icon.fill(arrowHead(Before, Tip, 15, 9), palette::Blue);
  return Icon;
}

} // namespace

void writeToolIcons(const std::string &Dir, Font &Glyphs) {
  saveIcon(Dir, "quovadrinText.png", title(Glyphs));
  saveIcon(Dir, "square.png", square());
  saveIcon(Dir, "circle.png", circle());
  saveIcon(Dir, "blob.png", blob());
  saveIcon(Dir, "line1.png", rasterLine());
  saveIcon(Dir, "line2.png", freeLine());
  saveIcon(Dir, "line3.png", softLine());
  saveIcon(Dir, "lloop1.png", rasterPolyline());
  saveIcon(Dir, "lloop2.png", freePolyline());
  saveIcon(Dir, "lloop3.png", softPolyline());
  saveIcon(Dir, "dice.png", dice());
  saveIcon(Dir, "while.png", repeatLoop());
}
