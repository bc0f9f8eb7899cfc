// Decoding PNG files of every colour type and depth into 8-bit samples, and
// the failure results for missing, damaged and oversized files.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "gfx/png_reader.h"
#include "png_fixture.h"

namespace {

class PngReaderTest : public testing::Test {
protected:
  void SetUp() override {
    Dir = std::filesystem::temp_directory_path() /
          ("quovadrin_png_" + std::to_string(::getpid()) + "_" +
           testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(Dir);
  }
  void TearDown() override { std::filesystem::remove_all(Dir); }

  std::string write(const std::string &Name, const PngFixture &F) {
    std::string Path = (Dir / Name).string();
    EXPECT_TRUE(writePngFixture(Path, F));
    return Path;
  }

  /// Reads \p Path and returns the result; the standard error text lands in Errors.
  PngReadResult read(const std::string &Path, PngImage &Image) {
    testing::internal::CaptureStderr();
    const PngReadResult Result = readPngImage(Path, Image);
    Errors = testing::internal::GetCapturedStderr();
    return Result;
  }

  std::filesystem::path Dir;
  std::string Errors;
};

int lineCount(const std::string &Text) {
  return static_cast<int>(std::count(Text.begin(), Text.end(), '\n'));
}

} // namespace

TEST_F(PngReaderTest, EightBitImagesKeepTheirSamplesTopRowFirst) {
  PngImage Image;
  ASSERT_EQ(read(write("rgba.png", rgbaGradient()), Image), PngReadResult::Done);
  EXPECT_EQ(Image.Width, 4);
  EXPECT_EQ(Image.Height, 4);
  EXPECT_EQ(Image.ColorType, 6);
  EXPECT_EQ(Image.Channels, 4);
  ASSERT_EQ(Image.Pixels.size(), 64u);
  EXPECT_EQ(Image.Pixels[0], 40);          // top-left red
  EXPECT_EQ(Image.Pixels[1], 10);          // top-left green
  EXPECT_EQ(Image.Pixels[3 * 4 + 0], 220); // top-right red
  EXPECT_EQ(Image.Pixels[48 + 1], 220);    // bottom-left green
  EXPECT_EQ(Image.Pixels[48 + 3], 100);    // bottom row alpha
  EXPECT_TRUE(Errors.empty());

  PngFixture Grey;
  Grey.Width = 3;
  Grey.Height = 2;
  Grey.ColorType = PNG_COLOR_TYPE_GRAY;
  Grey.Packed = {0, 128, 255, 7, 8, 9};
  ASSERT_EQ(read(write("grey.png", Grey), Image), PngReadResult::Done);
  EXPECT_EQ(Image.ColorType, 0);
  EXPECT_EQ(Image.Channels, 1);
  EXPECT_EQ(Image.Pixels, (std::vector<unsigned char>{0, 128, 255, 7, 8, 9}));

  PngFixture GreyAlpha = Grey;
  GreyAlpha.ColorType = PNG_COLOR_TYPE_GRAY_ALPHA;
  GreyAlpha.Packed = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
  ASSERT_EQ(read(write("ga.png", GreyAlpha), Image), PngReadResult::Done);
  EXPECT_EQ(Image.ColorType, 4);
  EXPECT_EQ(Image.Pixels, GreyAlpha.Packed);
}

TEST_F(PngReaderTest, PalettesAndTransparencyBecomeColourSamples) {
  PngFixture Palette;
  Palette.Width = 4;
  Palette.Height = 1;
  Palette.BitDepth = 2;
  Palette.ColorType = PNG_COLOR_TYPE_PALETTE;
  Palette.Palette = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {9, 8, 7}};
  Palette.Packed = {0x1b}; // indices 0, 1, 2, 3
  PngImage Image;
  ASSERT_EQ(read(write("palette.png", Palette), Image), PngReadResult::Done);
  EXPECT_EQ(Image.ColorType, 2);
  EXPECT_EQ(Image.Pixels, (std::vector<unsigned char>{255, 0, 0, 0, 255, 0, 0, 0, 255, 9, 8, 7}));

  Palette.PaletteAlpha = {0, 128};
  ASSERT_EQ(read(write("palette_alpha.png", Palette), Image), PngReadResult::Done);
  EXPECT_EQ(Image.ColorType, 6);
  EXPECT_EQ(Image.Pixels, (std::vector<unsigned char>{255, 0, 0, 0, 0, 255, 0, 128, 0, 0, 255, 255,
                                                      9, 8, 7, 255}));

  PngFixture Keyed;
  Keyed.Width = 2;
  Keyed.ColorType = PNG_COLOR_TYPE_GRAY;
  Keyed.Packed = {50, 60};
  Keyed.GreyKey = true;
  Keyed.GreyKeyValue = 60;
  ASSERT_EQ(read(write("keyed.png", Keyed), Image), PngReadResult::Done);
  EXPECT_EQ(Image.ColorType, 4);
  EXPECT_EQ(Image.Pixels, (std::vector<unsigned char>{50, 255, 60, 0}));
}

TEST_F(PngReaderTest, DeepAndShallowSamplesArriveAsEightBits) {
  PngFixture Deep;
  Deep.Width = 2;
  Deep.BitDepth = 16;
  Deep.ColorType = PNG_COLOR_TYPE_RGB;
  Deep.Packed = {0x12, 0x34, 0xab, 0xcd, 0xff, 0xff, 0x00, 0x01, 0x80, 0x00, 0x7f, 0xff};
  PngImage Image;
  ASSERT_EQ(read(write("deep.png", Deep), Image), PngReadResult::Done);
  EXPECT_EQ(Image.ColorType, 2);
  ASSERT_EQ(Image.Pixels.size(), 6u);
  // Stripping keeps the high byte of each sample.
  EXPECT_EQ(Image.Pixels, (std::vector<unsigned char>{0x12, 0xab, 0xff, 0x00, 0x80, 0x7f}));

  PngFixture Bits;
  Bits.Width = 8;
  Bits.BitDepth = 1;
  Bits.ColorType = PNG_COLOR_TYPE_GRAY;
  Bits.Packed = {0xa5};
  ASSERT_EQ(read(write("bits.png", Bits), Image), PngReadResult::Done);
  EXPECT_EQ(Image.Pixels, (std::vector<unsigned char>{255, 0, 255, 0, 0, 255, 0, 255}));

  PngFixture Laced = rgbaGradient();
  Laced.Interlaced = true;
  PngImage Plain;
  ASSERT_EQ(read(write("plain.png", rgbaGradient()), Plain), PngReadResult::Done);
  ASSERT_EQ(read(write("laced.png", Laced), Image), PngReadResult::Done);
  EXPECT_EQ(Image.Pixels, Plain.Pixels);
}

TEST_F(PngReaderTest, FailuresReturnTheirValueAndNameTheFileOnce) {
  PngImage Image;
  const std::string Missing = (Dir / "missing.png").string();
  EXPECT_EQ(read(Missing, Image), PngReadResult::FileFailed);
  EXPECT_EQ(lineCount(Errors), 1);
  EXPECT_NE(Errors.find(Missing), std::string::npos);
  EXPECT_EQ(Image.Width, 0);
  EXPECT_TRUE(Image.Pixels.empty());

  const std::string Text = (Dir / "text.png").string();
  std::ofstream(Text) << "this is not a picture\n";
  EXPECT_EQ(read(Text, Image), PngReadResult::NotAPicture);
  EXPECT_EQ(lineCount(Errors), 1);
  EXPECT_NE(Errors.find(Text), std::string::npos);

  // A signature and then garbage: libpng also warns about it, but only the
  // one line naming the file is written.
  const std::string Garbage = (Dir / "garbage.png").string();
  std::ofstream(Garbage, std::ios::binary) << "\x89PNG\r\n\x1a\n-- nothing follows --";
  EXPECT_EQ(read(Garbage, Image), PngReadResult::NotAPicture);
  EXPECT_EQ(lineCount(Errors), 1);
  EXPECT_NE(Errors.find(Garbage), std::string::npos);

  // A file cut off in the middle of its image data.
  const std::string Whole = write("whole.png", rgbaGradient());
  std::string Bytes;
  {
    std::ifstream In(Whole, std::ios::binary);
    Bytes.assign(std::istreambuf_iterator<char>(In), {});
  }
  const std::string Cut = (Dir / "cut.png").string();
  std::ofstream(Cut, std::ios::binary) << Bytes.substr(0, Bytes.size() - 30);
  EXPECT_EQ(read(Cut, Image), PngReadResult::NotAPicture);
  EXPECT_TRUE(Image.Pixels.empty());
  EXPECT_NE(Errors.find(Cut), std::string::npos);

  // Sides beyond any texture are refused before memory is taken for them.
  PngFixture Wide;
  Wide.Width = PngMaxSide + 1;
  Wide.ColorType = PNG_COLOR_TYPE_GRAY;
  EXPECT_EQ(read(write("wide.png", Wide), Image), PngReadResult::NotAPicture);
  EXPECT_NE(Errors.find("wide.png"), std::string::npos);
}
