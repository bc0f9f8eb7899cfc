// Glyph outlines from a TrueType font (FreeType), rendered with anti-aliasing
// into a Canvas at any horizontal and vertical pixel size.
#ifndef QUOVADRIN_TOOLS_IMAGES_FONT_H
#define QUOVADRIN_TOOLS_IMAGES_FONT_H

#include <string>

#include "canvas.h"

/// Size and weight of rendered glyphs, in canvas pixels.
struct GlyphStyle {
  float EmX, EmY;  ///< the em square
  float Bold = 0;  ///< extra stroke width added to the outline
};

/// The ink box of a glyph around its origin, in pixels, y upwards.
struct InkBox {
  float Left, Right, Bottom, Top;
};

class Font {
public:
  /// Opens \p Path; exits the tool with a message when it cannot.
  explicit Font(const std::string &Path);
  ~Font();
  Font(const Font &) = delete;
  Font &operator=(const Font &) = delete;

  bool hasGlyph(unsigned Code) const;
  InkBox ink(unsigned Code, const GlyphStyle &Style);
  /// The font's own advance width in pixels.
  float advance(unsigned Code, const GlyphStyle &Style);
  /// Draws the glyph with its origin (pen position on the baseline) at the
  /// canvas pixel position (OriginX, OriginY), y downwards.
  void draw(Canvas &Target, unsigned Code, const GlyphStyle &Style, float OriginX, float OriginY,
            Rgba Colour);

private:
  void load(unsigned Code, const GlyphStyle &Style);

  void *Library = nullptr;
  void *Face = nullptr;
};

#endif
