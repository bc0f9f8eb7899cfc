// Glyph placement in the atlas. A text quad is 51 x 51 units and shows the
// cell from 0.02 to 0.1 across and 0 to 0.09 down; the pen then moves by the
// cell's fixed advance. Each glyph's ink is centred in that advance, so the
// gaps between letters stay even, and glyphs wider than their advance are
// narrowed to fit.
#include "atlas.h"

#include <cstdio>
#include <cstdlib>

#include "screen/glyph.h"

namespace {

// Font size and baseline in quad units: capitals with umlauts and the
// descenders both fit the 51 units, and the x-height stays as large as that
// allows, for legibility at small sizes.
constexpr float EmUnits = 43.0f;
constexpr float BaselineUnits = 41.0f;
// Extra stroke weight in quad units: the listing shows a quad about ten
// pixels high, where regular strokes would fade in the mipmaps.
constexpr float BoldUnits = 1.6f;
constexpr float MinGapUnits = 3.0f;
// Glyphs are drawn a little wider than the font's own proportions: the fixed
// advances are generous, and wider letters read better at small sizes.
constexpr float WidthFactor = 1.1f;
// Almost black: text is drawn with the white modulating colour.
const Rgba GlyphColour = rgb(20, 20, 24);

// The characters of the cells 0 to 98, as ISO 8859-1 codes.
unsigned characterOfCell(int Cell) {
  if (Cell <= 28)
    return static_cast<unsigned>(32 + Cell); // space to <
  if (Cell <= 58)
    return static_cast<unsigned>(62 + Cell - 29); // > to [
  if (Cell <= 88)
    return static_cast<unsigned>(93 + Cell - 59); // ] to z
  const unsigned Latin1[] = {196, 214, 220, 228, 246, 252, '=', 199, 233, 226};
  return Latin1[Cell - 89];
}

void drawCell(Canvas &Atlas, Font &Glyphs, int Cell) {
  const unsigned Code = characterOfCell(Cell);
  const Glyph Metrics = glyphFor(static_cast<unsigned char>(Code));
  if (Metrics.Cell != Cell) {
    std::fprintf(stderr, "atlas: character %u maps to cell %d, not %d\n", Code, Metrics.Cell, Cell);
    std::exit(1);
  }
  if (Code == ' ')
    return;
  const float Side = static_cast<float>(AtlasSide);
  const float UnitX = 0.08f * Side / GlyphQuadSize;
  const float UnitY = 0.09f * Side / GlyphQuadSize;
  GlyphStyle Style{EmUnits * WidthFactor * UnitX, EmUnits * UnitY, BoldUnits * UnitX};
  InkBox Ink = Glyphs.ink(Code, Style);
  const float Room = static_cast<float>(Metrics.Advance) - MinGapUnits;
  const float InkUnits = (Ink.Right - Ink.Left) / UnitX;
  if (InkUnits > Room) {
    Style.EmX *= Room / InkUnits;
    Ink = Glyphs.ink(Code, Style);
  }
  const float InkLeft = (static_cast<float>(Metrics.Advance) - (Ink.Right - Ink.Left) / UnitX) / 2;
  const float QuadLeft = (0.1f * static_cast<float>(Cell % 10) + 0.02f) * Side;
  const float QuadTop = 0.1f * static_cast<float>(Cell / 10) * Side;
  // A glyph reaching past the quad (the underscore) is moved back inside it.
  float Baseline = QuadTop + BaselineUnits * UnitY;
  const float QuadBottom = QuadTop + GlyphQuadSize * UnitY;
  if (Baseline - Ink.Bottom > QuadBottom)
    Baseline = QuadBottom + Ink.Bottom;
  if (Baseline - Ink.Top < QuadTop)
    Baseline = QuadTop + Ink.Top;
  Glyphs.draw(Atlas, Code, Style, QuadLeft + InkLeft * UnitX - Ink.Left, Baseline, GlyphColour);
}

} // namespace

Canvas makeAtlas(Font &Glyphs) {
  Canvas Atlas(AtlasSide, AtlasSide, AtlasSide, AtlasSide);
  for (int Cell = 0; Cell <= 98; ++Cell)
    drawCell(Atlas, Glyphs, Cell);
  return Atlas;
}
