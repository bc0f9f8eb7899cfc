// PNG files as textures in a real GL context: the format follows the colour
// type, the top row of the file is t = 0, palette, 16-bit and odd-sized
// pictures show their picture, and broken files give their failure value.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "gfx/png_texture.h"
#include "gl_test_support.h"
#include "png_fixture.h"

namespace {

class PngTextureTest : public testing::Test {
protected:
  void SetUp() override {
    Dir = std::filesystem::current_path() / "png_texture_test";
    std::filesystem::create_directories(Dir);
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  GLuint load(const std::string &Name, const PngFixture &F) {
    const std::string Path = (Dir / Name).string();
    EXPECT_TRUE(writePngFixture(Path, F));
    const TextureResult Loaded = loadPngTexture(Path);
    EXPECT_TRUE(Loaded.ok()) << Name;
    return Loaded.name();
  }

  std::filesystem::path Dir;
};

GLint levelParameter(GLenum Name, GLint Level = 0) {
  GLint Value = 0;
  glGetTexLevelParameteriv(GL_TEXTURE_2D, Level, Name, &Value);
  return Value;
}

std::vector<unsigned char> levelZeroRgba() {
  const auto Size = static_cast<size_t>(levelParameter(GL_TEXTURE_WIDTH)) *
                    static_cast<size_t>(levelParameter(GL_TEXTURE_HEIGHT)) * 4;
  std::vector<unsigned char> Texels(Size);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, Texels.data());
  return Texels;
}

/// Draws the bound texture over (0, 0) to (64, 64) in white, without blending.
void drawTexturedSquare(GLuint Name) {
  clearToWhite();
  glDisable(GL_BLEND);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, Name);
  glColor3f(1, 1, 1);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2i(0, 0);
  glTexCoord2f(1, 0);
  glVertex2i(64, 0);
  glTexCoord2f(1, 1);
  glVertex2i(64, 64);
  glTexCoord2f(0, 1);
  glVertex2i(0, 64);
  glEnd();
  glDisable(GL_TEXTURE_2D);
}

void expectNear(std::array<int, 3> Got, std::array<int, 3> Want) {
  for (int C = 0; C < 3; ++C)
    EXPECT_NEAR(Got[C], Want[C], 4) << "component " << C;
}

bool isPowerOfTwo(GLint V) { return V > 0 && (V & (V - 1)) == 0; }

} // namespace

TEST_F(PngTextureTest, FormatFollowsTheColourTypeAndTheTopRowIsTZero) {
  const GLuint Rgba = load("rgba.png", rgbaGradient());
  ASSERT_GT(Rgba, 0u);
  glBindTexture(GL_TEXTURE_2D, Rgba);
  EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA);
  EXPECT_GT(levelParameter(GL_TEXTURE_ALPHA_SIZE), 0);
  EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH), 4);
  GLint Filter = 0;
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &Filter);
  EXPECT_EQ(Filter, GL_LINEAR_MIPMAP_LINEAR);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &Filter);
  EXPECT_EQ(Filter, GL_REPEAT);
  auto Texels = levelZeroRgba();
  EXPECT_EQ(Texels[0], 40);
  EXPECT_EQ(Texels[1], 10);
  EXPECT_EQ(Texels[3], 255);
  EXPECT_EQ(Texels[12 * 4 + 3], 100); // bottom row
  // The mipmap chain below level 0 exists.
  EXPECT_EQ(levelParameter(GL_TEXTURE_WIDTH, 1), 2);
  drawTexturedSquare(Rgba);
  expectNear(pixelAt(8, 8), {40, 10, 200});   // top-left texel at the top left
  expectNear(pixelAt(55, 8), {220, 10, 200}); // top-right texel

  PngFixture Grey;
  Grey.Width = Grey.Height = 2;
  Grey.ColorType = PNG_COLOR_TYPE_GRAY;
  Grey.Packed = {10, 20, 30, 40};
  glBindTexture(GL_TEXTURE_2D, load("grey.png", Grey));
  EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_LUMINANCE);
  EXPECT_GT(levelParameter(GL_TEXTURE_LUMINANCE_SIZE), 0);
  EXPECT_EQ(levelParameter(GL_TEXTURE_ALPHA_SIZE), 0);

  Grey.ColorType = PNG_COLOR_TYPE_GRAY_ALPHA;
  Grey.Packed = {10, 255, 20, 0, 30, 255, 40, 0};
  glBindTexture(GL_TEXTURE_2D, load("grey_alpha.png", Grey));
  EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_LUMINANCE_ALPHA);
  EXPECT_GT(levelParameter(GL_TEXTURE_ALPHA_SIZE), 0);

  Grey.ColorType = PNG_COLOR_TYPE_RGB;
  Grey.Packed.assign(12, 99);
  glBindTexture(GL_TEXTURE_2D, load("rgb.png", Grey));
  EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_RGB);
}

TEST_F(PngTextureTest, PaletteDeepAndOddSizedPicturesShowTheirPicture) {
  PngFixture Palette;
  Palette.Width = Palette.Height = 2;
  Palette.BitDepth = 8;
  Palette.ColorType = PNG_COLOR_TYPE_PALETTE;
  Palette.Palette = {{200, 30, 30}, {30, 30, 200}};
  Palette.Packed = {0, 1, 1, 0};
  const GLuint PaletteName = load("palette.png", Palette);
  ASSERT_GT(PaletteName, 0u);
  glBindTexture(GL_TEXTURE_2D, PaletteName);
  EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_RGB);
  auto Texels = levelZeroRgba();
  EXPECT_EQ((std::vector<int>{Texels[0], Texels[1], Texels[2]}), (std::vector<int>{200, 30, 30}));
  EXPECT_EQ((std::vector<int>{Texels[4], Texels[5], Texels[6]}), (std::vector<int>{30, 30, 200}));

  PngFixture Deep;
  Deep.Width = Deep.Height = 2;
  Deep.BitDepth = 16;
  Deep.ColorType = PNG_COLOR_TYPE_RGBA;
  const unsigned char DeepPixel[8] = {0x50, 0x01, 0xa0, 0x02, 0x30, 0x03, 0xff, 0xff};
  for (int I = 0; I < 32; ++I)
    Deep.Packed.push_back(DeepPixel[I % 8]);
  glBindTexture(GL_TEXTURE_2D, load("deep.png", Deep));
  EXPECT_EQ(levelParameter(GL_TEXTURE_INTERNAL_FORMAT), GL_RGBA);
  Texels = levelZeroRgba();
  EXPECT_EQ((std::vector<int>{Texels[0], Texels[1], Texels[2], Texels[3]}),
            (std::vector<int>{0x50, 0xa0, 0x30, 0xff}));

  // 3 x 5 is no power of two: the texture is the mipmap builder's scaled
  // picture, complete, so it draws in its colour rather than not at all.
  PngFixture Odd;
  Odd.Width = 3;
  Odd.Height = 5;
  Odd.ColorType = PNG_COLOR_TYPE_RGB;
  const unsigned char OddPixel[3] = {30, 160, 90};
  for (int I = 0; I < 45; ++I)
    Odd.Packed.push_back(OddPixel[I % 3]);
  const GLuint OddName = load("odd.png", Odd);
  glBindTexture(GL_TEXTURE_2D, OddName);
  EXPECT_TRUE(isPowerOfTwo(levelParameter(GL_TEXTURE_WIDTH)));
  EXPECT_TRUE(isPowerOfTwo(levelParameter(GL_TEXTURE_HEIGHT)));
  drawTexturedSquare(OddName);
  expectNear(pixelAt(32, 32), {30, 160, 90});
  expectNear(pixelAt(2, 60), {30, 160, 90});
}

TEST_F(PngTextureTest, BrokenFilesGiveTheirFailureValueAndOneLine) {
  const std::string Missing = (Dir / "missing.png").string();
  testing::internal::CaptureStderr();
  const TextureResult NotThere = loadPngTexture(Missing);
  EXPECT_FALSE(NotThere.ok());
  EXPECT_EQ(NotThere.failure(), PngReadResult::FileFailed);
  EXPECT_EQ(NotThere.name(), 0u) << "a failure binds no texture";
  std::string Errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(Errors.begin(), Errors.end(), '\n'), 1);
  EXPECT_NE(Errors.find(Missing), std::string::npos);

  const std::string Damaged = (Dir / "damaged.png").string();
  std::ofstream(Damaged, std::ios::binary) << "\x89PNG\r\n\x1a\n-- nothing follows --";
  testing::internal::CaptureStderr();
  const TextureResult Broken = loadPngTexture(Damaged);
  EXPECT_EQ(Broken.failure(), PngReadResult::NotAPicture);
  EXPECT_EQ(Broken.name(), 0u);
  Errors = testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(Errors.begin(), Errors.end(), '\n'), 1);
  EXPECT_NE(Errors.find(Damaged), std::string::npos);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}
