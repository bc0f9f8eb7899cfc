// The controls of the tool panel: light button tiles with one symbol each,
// so that they read as buttons, and the large green run button.
#include <cmath>

#include "icon_kit.h"
#include "icons.h"

namespace {

const float Pi = 3.14159265f;

// A light tile over the whole icon of Width x Height units.
Canvas tiled(int PixelWidth, int PixelHeight, float Width, float Height) {
  Canvas Icon = iconCanvas(PixelWidth, PixelHeight, Width, Height);
  drawTile(Icon, 0.6f, 0.6f, Width - 0.6f, Height - 0.6f, rgb(255, 255, 255), rgb(222, 226, 234),
           rgb(96, 106, 126));
  return Icon;
}

// Undo: a hooked arrow turning back to the left.
Canvas undo() {
  Canvas Icon = tiled(256, 64, 75, 20);
  const Path Hook = arc({40, 11.5f}, 5, -0.5f * Pi, 0.5f * Pi, 32);
  Path Line = {{28, 6.5f}};
  Line.insert(Line.end(), Hook.begin(), Hook.end());
  Line.push_back({32, 16.5f});
  Icon.fill(stroke(Line, 1.5f), palette::Orange);
  Icon.fill(arrowHead({34, 6.5f}, {23, 6.5f}, 6, 4), palette::Orange);
  return Icon;
}

// Restart: back to the very beginning (bar and two arrows).
Canvas restart() {
  Canvas Icon = tiled(256, 64, 60, 20);
  Icon.fill(rectangle(18, 4.5f, 20.6f, 15.5f), palette::Red);
  Icon.fill(polygon({{20.6f, 10}, {30, 4.5f}, {30, 15.5f}}), palette::Red);
  Icon.fill(polygon({{29, 10}, {38.4f, 4.5f}, {38.4f, 15.5f}}), palette::Red);
  return Icon;
}

// Run: a big green button with a play triangle.
Canvas go() {
  Canvas Icon = iconCanvas(512, 256, 175, 100);
  Icon.fill(roundedRectangle(10, 12, 169, 98, 20), rgb(0, 0, 0, 0.2f));
  drawTile(Icon, 6, 6, 165, 92, rgb(96, 200, 110), rgb(30, 128, 56), rgb(20, 90, 40));
  Icon.fill(roundedRectangle(16, 12, 155, 40, 12), rgb(255, 255, 255, 0.18f));
  Icon.fill(polygon({{68, 24}, {68, 74}, {112, 49}}), palette::White);
  return Icon;
}

Canvas operatorTile(void (*Symbol)(Canvas &, Vec, float, Rgba), Rgba Colour) {
  Canvas Icon = tiled(64, 64, 20, 20);
  Symbol(Icon, {10, 10}, 13, Colour);
  return Icon;
}

void drawTimes(Canvas &Icon, Vec C, float S, Rgba Colour) {
  const float D = S * 0.28f, Hw = S * 0.1f;
  Icon.fill(stroke({{C.X - D, C.Y - D}, {C.X + D, C.Y + D}}, Hw), Colour);
  Icon.fill(stroke({{C.X - D, C.Y + D}, {C.X + D, C.Y - D}}, Hw), Colour);
}

void drawDivide(Canvas &Icon, Vec C, float S, Rgba Colour) {
  Icon.fill(stroke({{C.X - S * 0.36f, C.Y}, {C.X + S * 0.36f, C.Y}}, S * 0.1f), Colour);
  Icon.fill(disc({C.X, C.Y - S * 0.3f}, S * 0.12f), Colour);
  Icon.fill(disc({C.X, C.Y + S * 0.3f}, S * 0.12f), Colour);
}

// Save: a floppy disk.
Canvas save() {
  Canvas Icon = tiled(256, 64, 60, 20);
  const Rgba Body = palette::Blue;
  Icon.fill(polygon({{23, 3.5f}, {34.5f, 3.5f}, {37, 6}, {37, 16.5f}, {23, 16.5f}}), Body);
  Icon.fill(rectangle(26, 3.5f, 33, 8), palette::White);
  Icon.fill(rectangle(31, 4.2f, 32.4f, 7.3f), Body);
  Icon.fill(rectangle(25.5f, 10.5f, 34.5f, 16.5f), palette::White);
  Icon.fill(stroke({{27, 12.5f}, {33, 12.5f}}, 0.35f), rgb(150, 160, 180));
  Icon.fill(stroke({{27, 14.5f}, {33, 14.5f}}, 0.35f), rgb(150, 160, 180));
  return Icon;
}

// Load: an opened folder.
Canvas load() {
  Canvas Icon = tiled(256, 64, 60, 20);
  Icon.fill(polygon({{21, 4}, {26, 4}, {27.5f, 6}, {36, 6}, {36, 16}, {21, 16}}),
            rgb(204, 146, 30));
  Icon.fill(polygon({{24, 9}, {39.5f, 9}, {36, 16}, {21, 16}}), palette::Yellow);
  Icon.fill(stroke({{24, 9}, {39.5f, 9}, {36, 16}, {21, 16}}, 0.35f, true), rgb(160, 110, 20));
  return Icon;
}

// Quit: the power symbol.
Canvas quit() {
  Canvas Icon = tiled(256, 64, 60, 20);
  Icon.fill(stroke(arc({30, 10.5f}, 5.2f, -0.3f * Pi, 1.3f * Pi, 48), 1.2f), palette::Red);
  Icon.fill(stroke({{30, 3.5f}, {30, 10}}, 1.2f), palette::Red);
  return Icon;
}

// Print: a printer with a sheet.
Canvas print() {
  Canvas Icon = tiled(256, 64, 60, 20);
  Icon.fill(rectangle(25, 3, 35, 8), palette::White);
  Icon.fill(stroke({{25, 3}, {35, 3}, {35, 8}, {25, 8}}, 0.35f, true), palette::Ink);
  Icon.fill(roundedRectangle(21, 7, 39, 14.5f, 1.5f), palette::Ink);
  Icon.fill(rectangle(25, 12, 35, 17.5f), palette::White);
  Icon.fill(stroke({{25, 12}, {35, 12}, {35, 17.5f}, {25, 17.5f}}, 0.35f, true), palette::Ink);
  Icon.fill(disc({36.5f, 9.3f}, 0.7f), palette::Green);
  return Icon;
}

} // namespace

void writeControlIcons(const std::string &Dir) {
  saveIcon(Dir, "undo.png", undo());
  saveIcon(Dir, "restart.png", restart());
  saveIcon(Dir, "go.png", go());
  saveIcon(Dir, "abs.png", operatorTile(drawEquals, palette::Blue));
  saveIcon(Dir, "rel.png", operatorTile(drawPlusMinus, palette::Orange));
  saveIcon(Dir, "mul.png", operatorTile(drawTimes, palette::Ink));
  saveIcon(Dir, "div.png", operatorTile(drawDivide, palette::Ink));
  saveIcon(Dir, "save.png", save());
  saveIcon(Dir, "load.png", load());
  saveIcon(Dir, "quit.png", quit());
  saveIcon(Dir, "print.png", print());
}
