// The pen menu around the pen on the canvas. Each tile shows what its mode
// changes: position (four-way arrow), offset inside the cell (cell and a
// shifted dot), rotation (turning arrow), size (stretching arrow). Absolute
// modes are blue with the "=" of the abs button; relative modes are orange
// with the "±" of the rel button. Stamp puts the shape down at once.
#include <cmath>

#include "icon_kit.h"
#include "icons.h"

namespace {

const float Pi = 3.14159265f;
constexpr float Side = 40;

enum class Mode { Absolute, Relative };

Canvas modeTile(Mode M) {
  Canvas Icon = iconCanvas(128, 128, Side, Side);
  if (M == Mode::Absolute)
    drawTile(Icon, 1, 1, 39, 39, rgb(240, 246, 255), rgb(206, 222, 246), palette::Blue);
  else
    drawTile(Icon, 1, 1, 39, 39, rgb(255, 246, 234), rgb(250, 222, 188), palette::Orange);
  return Icon;
}

void drawBadge(Canvas &Icon, Mode M) {
  const Vec C{32, 32};
  const Rgba Colour = M == Mode::Absolute ? palette::Blue : palette::Orange;
  Icon.fill(disc(C, 6.2f), palette::White);
  Icon.fill(ring(C, 6.2f, 0.7f), Colour);
  if (M == Mode::Absolute)
    drawEquals(Icon, C, 8, Colour);
  else
    drawPlusMinus(Icon, C, 8, Colour);
}

void drawArrow(Canvas &Icon, Vec From, Vec To, float Hw, Rgba Colour) {
  const float Head = Hw * 3.6f;
  const float Dx = To.X - From.X, Dy = To.Y - From.Y;
  const float L = std::sqrt(Dx * Dx + Dy * Dy);
  Icon.fill(stroke({From, {To.X - Dx / L * Head * 0.8f, To.Y - Dy / L * Head * 0.8f}}, Hw), Colour);
  Icon.fill(arrowHead(From, To, Head, Head * 0.75f), Colour);
}

Canvas position(Mode M) {
  Canvas Icon = modeTile(M);
  const Vec C{17, 17};
  drawArrow(Icon, C, {17, 4}, 1.3f, palette::Ink);
  drawArrow(Icon, C, {17, 30}, 1.3f, palette::Ink);
  drawArrow(Icon, C, {4, 17}, 1.3f, palette::Ink);
  drawArrow(Icon, C, {30, 17}, 1.3f, palette::Ink);
  drawBadge(Icon, M);
  return Icon;
}

Canvas offset(Mode M) {
  Canvas Icon = modeTile(M);
  Icon.fill(stroke({{8, 8}, {25, 8}, {25, 25}, {8, 25}}, 0.7f, true), palette::Ink);
  Icon.fill(disc({14, 14}, 1.6f), rgb(120, 130, 150));
  drawArrow(Icon, {14, 14}, {20.5f, 19.5f}, 1.1f, palette::Ink);
  Icon.fill(disc({21, 20.5f}, 2.4f), palette::Red);
  drawBadge(Icon, M);
  return Icon;
}

Canvas rotation(Mode M) {
  Canvas Icon = modeTile(M);
  const Vec C{17, 17};
  Icon.fill(polygon({{11, 13}, {21, 9}, {23, 20}, {13, 24}}), rgb(120, 130, 150));
  const Path Turn = arc(C, 10.5f, 0.75f * Pi, 2.1f * Pi, 48);
  Icon.fill(stroke(Turn, 1.3f), palette::Ink);
  const Vec End = Turn.back(), Before = Turn[Turn.size() - 6];
  Icon.fill(arrowHead(Before, {End.X + (End.X - Before.X) * 0.9f, End.Y + (End.Y - Before.Y) * 0.9f},
                      5.5f, 4.2f),
            palette::Ink);
  drawBadge(Icon, M);
  return Icon;
}

Canvas size(Mode M) {
  Canvas Icon = modeTile(M);
  Icon.fill(stroke({{7, 7}, {15, 7}, {15, 15}, {7, 15}}, 0.8f, true), rgb(120, 130, 150));
  Icon.fill(stroke({{7, 7}, {26, 7}, {26, 26}, {7, 26}}, 0.8f, true), palette::Ink);
  drawArrow(Icon, {12, 12}, {23, 23}, 1.3f, palette::Ink);
  drawBadge(Icon, M);
  return Icon;
}

// A rubber stamp over its print.
Canvas stamp() {
  Canvas Icon = iconCanvas(128, 128, Side, Side);
  drawTile(Icon, 1, 1, 39, 39, rgb(236, 250, 238), rgb(196, 234, 204), palette::Green);
  Icon.fill(disc({20, 9}, 4.5f), palette::Ink);
  Icon.fill(rectangle(17.5f, 11, 22.5f, 19), palette::Ink);
  Icon.fill(roundedRectangle(9, 18, 31, 25, 2), palette::Ink);
  Icon.fill(rectangle(10.5f, 25, 29.5f, 27.5f), palette::Red);
  Icon.fill(stroke({{8, 32}, {32, 32}}, 1.0f), palette::Red);
  return Icon;
}

} // namespace

void writePenMenuIcons(const std::string &Dir) {
  saveIcon(Dir, "xyAbs.png", position(Mode::Absolute));
  saveIcon(Dir, "xyRel.png", position(Mode::Relative));
  saveIcon(Dir, "hvAbs.png", offset(Mode::Absolute));
  saveIcon(Dir, "hvRel.png", offset(Mode::Relative));
  saveIcon(Dir, "dAbs.png", rotation(Mode::Absolute));
  saveIcon(Dir, "dRel.png", rotation(Mode::Relative));
  saveIcon(Dir, "whAbs.png", size(Mode::Absolute));
  saveIcon(Dir, "whRel.png", size(Mode::Relative));
  saveIcon(Dir, "stamp.png", stamp());
}
