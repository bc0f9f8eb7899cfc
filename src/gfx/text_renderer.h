// All on-screen text: one textured quad per character, cut from the alphabet
// atlas. Callers set the matrix, bind the atlas and enable texturing; the
// output can be compiled into a display list.
#ifndef QUOVADRIN_GFX_TEXT_RENDERER_H
#define QUOVADRIN_GFX_TEXT_RENDERER_H

#include "screen/glyph.h"

class TextRenderer {
public:
  /// Atlas cell and advance of one character byte.
  static Glyph glyph(unsigned char Byte) { return glyphFor(Byte); }
  /// Emits the quads of \p Text with the pen starting at (PenX, PenY); the
  /// bytes 12 and 15 start a new line at x = 0, LineAdvance lower.
  static void emitText(const char *Text, float PenX, float PenY, float LineAdvance);
};

#endif
