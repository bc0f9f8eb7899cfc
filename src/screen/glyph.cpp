// The byte-to-cell mapping of the alphabet atlas and its advance table.
#include "screen/glyph.h"

namespace {

// Advance widths of the cells 0 to 95; every other cell advances a full quad.
constexpr int Advances[96] = {
    30, 25, 30, 30, 35, 45, 40, 20, 25, 25, // 0
    25, 35, 20, 30, 20, 30, 35, 25, 30, 35, // 10
    35, 30, 30, 30, 35, 30, 20, 20, 35, 35, // 20
    30, 45, 40, 30, 35, 35, 30, 30, 35, 35, // 30
    20, 35, 35, 30, 45, 35, 40, 30, 40, 30, // 40
    35, 35, 35, 40, 51, 35, 35, 35, 25, 25, // 50
    30, 51, 25, 30, 30, 30, 30, 30, 30, 30, // 60
    30, 20, 25, 30, 20, 40, 30, 30, 30, 30, // 70
    25, 25, 25, 30, 30, 40, 30, 30, 30, 40, // 80
    40, 35, 30, 30, 30, 35,                 // 90
};

// The atlas packs "=" after the umlauts and leaves out the at-sign's
// neighbours, so the printable range is shifted in three places.
int cellFor(int C) {
  if (C == 29)
    return 95;
  if (C >= 30 && C <= 59)
    return C - 1;
  if (C >= 60 && C <= 90)
    return C - 2;
  switch (C) {
  case 164:
    return 89; // Ä
  case 182:
    return 90; // Ö
  case 188:
    return 91; // Ü
  case 196:
    return 92; // ä
  case 214:
    return 93; // ö
  case 220:
    return 94; // ü
  case 167:
    return 96; // Ç
  case 201:
    return 97; // é
  case 194:
    return 98; // â
  }
  return C;
}

} // namespace

Glyph glyphFor(unsigned char Byte) {
  int Cell = cellFor(static_cast<int>(Byte) - 32);
  int Advance = (Cell >= 0 && Cell <= 95) ? Advances[Cell] : GlyphQuadSize;
  return {Cell, Advance};
}

GlyphQuad glyphQuadAt(int Cell, float X, float Y) {
  // Truncating division, so negative cells fold back through the repeat wrap.
  float CellS = 0.1f * static_cast<float>(Cell % 10);
  float CellT = 0.1f * static_cast<float>(Cell / 10);
  return {X, Y, CellS + 0.02f, CellT, CellS + 0.1f, CellT + 0.09f};
}
