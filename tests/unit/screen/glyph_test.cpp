// The byte-to-cell mapping of the alphabet atlas, its advances, and the quads
// a text is laid out in.
#include <gtest/gtest.h>

#include <vector>

#include "screen/glyph.h"

namespace {

std::vector<GlyphQuad> quadsOf(const char *Text, float PenX, float PenY, float LineAdvance) {
  std::vector<GlyphQuad> Quads;
  forEachGlyphQuad(Text, PenX, PenY, LineAdvance, [&](const GlyphQuad &Q) { Quads.push_back(Q); });
  return Quads;
}

void expectGlyph(unsigned char Byte, int Cell, int Advance) {
  Glyph G = glyphFor(Byte);
  EXPECT_EQ(G.Cell, Cell) << "byte " << int(Byte);
  EXPECT_EQ(G.Advance, Advance) << "byte " << int(Byte);
}

} // namespace

TEST(Glyph, PrintableAsciiFollowsTheShiftedAtlasRows) {
  expectGlyph(' ', 0, 30);
  expectGlyph('!', 1, 25);
  expectGlyph('5', 21, 30);
  expectGlyph('<', 28, 35);
  expectGlyph('=', 95, 35);
  expectGlyph('>', 29, 35);
  expectGlyph('@', 31, 45);
  expectGlyph('A', 32, 40);
  expectGlyph('W', 54, 51);
  expectGlyph('Z', 57, 35);
  expectGlyph('[', 58, 25);
  expectGlyph('\\', 58, 25);
  expectGlyph(']', 59, 25);
  expectGlyph('_', 61, 51);
  expectGlyph('a', 63, 30);
  expectGlyph('i', 71, 20);
  expectGlyph('x', 86, 30);
  expectGlyph('z', 88, 30);
}

TEST(Glyph, LatinOneLettersAndUnmappedBytes) {
  expectGlyph(196, 89, 40);  // Ä
  expectGlyph(214, 90, 40);  // Ö
  expectGlyph(220, 91, 35);  // Ü
  expectGlyph(228, 92, 30);  // ä
  expectGlyph(246, 93, 30);  // ö
  expectGlyph(252, 94, 30);  // ü
  expectGlyph(199, 96, 51);  // Ç
  expectGlyph(233, 97, 51);  // é
  expectGlyph(226, 98, 51);  // â
  expectGlyph(223, 191, 51); // ß is not in the atlas
  expectGlyph(255, 223, 51);
  expectGlyph(128, 96, 51);
  // The bytes after z fall onto the umlaut cells and "=".
  for (int Byte = 123; Byte <= 127; ++Byte)
    EXPECT_EQ(glyphFor(static_cast<unsigned char>(Byte)).Cell, Byte - 32);
  EXPECT_EQ(glyphFor(127).Advance, 35);
  expectGlyph(31, -1, 51);
  expectGlyph(1, -31, 51);
}

TEST(GlyphQuads, EachCharacterAdvancesThePenByItsCell) {
  auto Quads = quadsOf("x=5", 0, 0, 51);
  ASSERT_EQ(Quads.size(), 3u);
  EXPECT_FLOAT_EQ(Quads[0].X, 0);
  EXPECT_FLOAT_EQ(Quads[1].X, 30);
  EXPECT_FLOAT_EQ(Quads[2].X, 65);
  // Cell 86: column 6, row 8.
  EXPECT_FLOAT_EQ(Quads[0].S0, 0.62f);
  EXPECT_FLOAT_EQ(Quads[0].S1, 0.7f);
  EXPECT_FLOAT_EQ(Quads[0].T0, 0.8f);
  EXPECT_FLOAT_EQ(Quads[0].T1, 0.89f);
  // Cell 95: column 5, row 9.
  EXPECT_FLOAT_EQ(Quads[1].S0, 0.52f);
  EXPECT_FLOAT_EQ(Quads[1].T0, 0.9f);
  // Cell 21: column 1, row 2.
  EXPECT_FLOAT_EQ(Quads[2].S0, 0.12f);
  EXPECT_FLOAT_EQ(Quads[2].S1, 0.2f);
  EXPECT_FLOAT_EQ(Quads[2].T0, 0.2f);
  EXPECT_FLOAT_EQ(Quads[2].T1, 0.29f);
  for (const GlyphQuad &Q : Quads)
    EXPECT_FLOAT_EQ(Q.Y, 0);
  // A space still draws a quad, from cell 0.
  auto Space = quadsOf(" a", 3, 4, 51);
  ASSERT_EQ(Space.size(), 2u);
  EXPECT_FLOAT_EQ(Space[0].S0, 0.02f);
  EXPECT_FLOAT_EQ(Space[0].T0, 0);
  EXPECT_FLOAT_EQ(Space[1].X, 33);
  EXPECT_FLOAT_EQ(Space[1].Y, 4);
}

TEST(GlyphQuads, LineBreaksReturnToZeroNotToTheStart) {
  auto Quads = quadsOf("ab\x0c"
                       "c\x0f"
                       "d",
                       10, 15, 51);
  ASSERT_EQ(Quads.size(), 4u);
  EXPECT_FLOAT_EQ(Quads[0].X, 10);
  EXPECT_FLOAT_EQ(Quads[1].X, 40);
  EXPECT_FLOAT_EQ(Quads[2].X, 0);
  EXPECT_FLOAT_EQ(Quads[2].Y, 66);
  EXPECT_FLOAT_EQ(Quads[3].X, 0);
  EXPECT_FLOAT_EQ(Quads[3].Y, 117);
  EXPECT_TRUE(quadsOf("", 10, 15, 51).empty());
  EXPECT_TRUE(quadsOf("\x0c\x0f", 10, 15, 51).empty());
}

TEST(GlyphQuads, CellsOutsideTheAtlasTruncateTowardsZero) {
  // Byte 1 is cell -31: remainder -1 and quotient -3.
  auto Quads = quadsOf("\x01", 0, 0, 51);
  ASSERT_EQ(Quads.size(), 1u);
  EXPECT_NEAR(Quads[0].S0, -0.08f, 1e-6);
  EXPECT_NEAR(Quads[0].S1, 0.0f, 1e-6);
  EXPECT_NEAR(Quads[0].T0, -0.3f, 1e-6);
  EXPECT_NEAR(Quads[0].T1, -0.21f, 1e-6);
  // ß: cell 191, beyond the atlas's last row.
  auto Sharp = quadsOf("\xdf", 0, 0, 51);
  EXPECT_NEAR(Sharp[0].S0, 0.12f, 1e-6);
  EXPECT_NEAR(Sharp[0].T0, 1.9f, 1e-6);
}
