// Where each character byte lives in the 10 x 10 alphabet atlas, how far the
// pen moves after it, and the geometry of the quads a text is drawn with.
// No GL here, so the mapping and the quad layout are testable without a display.
#ifndef QUOVADRIN_SCREEN_GLYPH_H
#define QUOVADRIN_SCREEN_GLYPH_H

/// Side of every glyph quad, in the caller's scaled units.
constexpr int GlyphQuadSize = 51;

struct Glyph {
  int Cell;    ///< atlas cell, row by row from the top left; may lie outside 0..99
  int Advance; ///< pen step after the glyph
};

/// The atlas cell and advance of one character byte.
Glyph glyphFor(unsigned char Byte);

/// One textured quad of a text: its top-left corner and the atlas rectangle
/// (S0, T0) to (S1, T1) it shows, t growing downwards.
struct GlyphQuad {
  float X, Y;
  float S0, T0, S1, T1;
};

/// True for the bytes that break a line instead of drawing.
inline bool isLineBreak(unsigned char Byte) { return Byte == 12 || Byte == 15; }

/// The atlas rectangle of cell \p Cell, sampled from 0.02 into the cell to its
/// right edge and over nine tenths of its height.
GlyphQuad glyphQuadAt(int Cell, float X, float Y);

/// Calls \p Emit with one GlyphQuad per drawn byte of \p Text, pen starting at
/// (PenX, PenY). A line break puts the pen back to x = 0 (not PenX) and
/// LineAdvance lower. Nothing is allocated, so the listing can call it every frame.
template <typename EmitFn>
void forEachGlyphQuad(const char *Text, float PenX, float PenY, float LineAdvance, EmitFn &&Emit) {
  float X = PenX;
  float Y = PenY;
  for (const char *P = Text; *P; ++P) {
    auto Byte = static_cast<unsigned char>(*P);
    if (isLineBreak(Byte)) {
      X = 0;
      Y += LineAdvance;
      continue;
    }
    Glyph G = glyphFor(Byte);
    Emit(glyphQuadAt(G.Cell, X, Y));
    X += static_cast<float>(G.Advance);
  }
}

#endif
