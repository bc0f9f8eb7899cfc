// FreeType behind the Font: outlines are loaded unhinted (the pictures are far
// larger than screen text) and emboldened before measuring and rendering.
#include "font.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

FT_Library lib(void *P) { return static_cast<FT_Library>(P); }
FT_Face face(void *P) { return static_cast<FT_Face>(P); }

[[noreturn]] void fail(const char *What, const std::string &Path) {
  std::fprintf(stderr, "%s: %s\n", What, Path.c_str());
  std::exit(1);
}

} // namespace

Font::Font(const std::string &Path) {
  FT_Library L = nullptr;
  if (FT_Init_FreeType(&L))
    fail("FreeType cannot start", Path);
  Library = L;
  FT_Face F = nullptr;
  if (FT_New_Face(L, Path.c_str(), 0, &F))
    fail("Cannot open font", Path);
  Face = F;
}

Font::~Font() {
  FT_Done_Face(face(Face));
  FT_Done_FreeType(lib(Library));
}

bool Font::hasGlyph(unsigned Code) const { return FT_Get_Char_Index(face(Face), Code) != 0; }

void Font::load(unsigned Code, const GlyphStyle &Style) {
  FT_Face F = face(Face);
  FT_Set_Char_Size(F, static_cast<FT_F26Dot6>(std::lround(Style.EmX * 64)),
                   static_cast<FT_F26Dot6>(std::lround(Style.EmY * 64)), 72, 72);
  if (FT_Load_Char(F, Code, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP))
    fail("Glyph missing from font", std::to_string(Code));
  if (Style.Bold > 0) {
    const auto Strength = static_cast<FT_Pos>(std::lround(Style.Bold * 64));
    FT_Outline_EmboldenXY(&F->glyph->outline, Strength, Strength);
  }
}

InkBox Font::ink(unsigned Code, const GlyphStyle &Style) {
  load(Code, Style);
  FT_BBox Box;
  FT_Outline_Get_CBox(&face(Face)->glyph->outline, &Box);
  return {static_cast<float>(Box.xMin) / 64, static_cast<float>(Box.xMax) / 64,
          static_cast<float>(Box.yMin) / 64, static_cast<float>(Box.yMax) / 64};
}

float Font::advance(unsigned Code, const GlyphStyle &Style) {
  load(Code, Style);
  return static_cast<float>(face(Face)->glyph->advance.x) / 64;
}

void Font::draw(Canvas &Target, unsigned Code, const GlyphStyle &Style, float OriginX,
                float OriginY, Rgba Colour) {
  load(Code, Style);
  FT_GlyphSlot Slot = face(Face)->glyph;
  const float IntX = std::floor(OriginX), IntY = std::floor(OriginY);
  FT_Outline_Translate(&Slot->outline, static_cast<FT_Pos>(std::lround((OriginX - IntX) * 64)),
                       -static_cast<FT_Pos>(std::lround((OriginY - IntY) * 64)));
  if (FT_Render_Glyph(Slot, FT_RENDER_MODE_NORMAL))
    fail("Cannot render glyph", std::to_string(Code));
  const FT_Bitmap &Bits = Slot->bitmap;
  for (unsigned Row = 0; Row < Bits.rows; ++Row)
    for (unsigned Col = 0; Col < Bits.width; ++Col) {
      const unsigned char Cover = Bits.buffer[static_cast<int>(Row) * Bits.pitch + static_cast<int>(Col)];
      if (Cover == 0)
        continue;
      Target.blend(static_cast<int>(IntX) + Slot->bitmap_left + static_cast<int>(Col),
                   static_cast<int>(IntY) - Slot->bitmap_top + static_cast<int>(Row), Colour,
                   static_cast<float>(Cover) / 255.0f);
    }
}
