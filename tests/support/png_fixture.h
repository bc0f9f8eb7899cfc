// Writes small PNG files of any colour type and bit depth for the tests of the
// PNG reader and the texture loader; rows are given already packed as libpng
// stores them.
#ifndef QUOVADRIN_TESTS_SUPPORT_PNG_FIXTURE_H
#define QUOVADRIN_TESTS_SUPPORT_PNG_FIXTURE_H

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <string>
#include <vector>

struct PngFixture {
  int Width = 1;
  int Height = 1;
  int BitDepth = 8;
  int ColorType = PNG_COLOR_TYPE_RGBA;
  bool Interlaced = false;
  std::vector<unsigned char> Packed; ///< all rows, top first
  std::vector<png_color> Palette;
  std::vector<unsigned char> PaletteAlpha; ///< tRNS of a palette image
  bool GreyKey = false;                    ///< tRNS of a grey image
  int GreyKeyValue = 0;

  size_t rowBytes() const {
    int Channels = 1;
    if (ColorType == PNG_COLOR_TYPE_RGB)
      Channels = 3;
    else if (ColorType == PNG_COLOR_TYPE_RGBA)
      Channels = 4;
    else if (ColorType == PNG_COLOR_TYPE_GRAY_ALPHA)
      Channels = 2;
    return (static_cast<size_t>(Width) * static_cast<size_t>(Channels * BitDepth) + 7) / 8;
  }
};

namespace png_fixture_detail {
inline bool writeAll(FILE *File, png_structp Png, png_infop Info, const PngFixture &F,
                     png_bytepp Rows) {
  if (setjmp(png_jmpbuf(Png)))
    return false;
  png_init_io(Png, File);
  png_set_IHDR(Png, Info, static_cast<png_uint_32>(F.Width), static_cast<png_uint_32>(F.Height),
               F.BitDepth, F.ColorType, F.Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!F.Palette.empty())
    png_set_PLTE(Png, Info, F.Palette.data(), static_cast<int>(F.Palette.size()));
  if (!F.PaletteAlpha.empty())
    png_set_tRNS(Png, Info, F.PaletteAlpha.data(), static_cast<int>(F.PaletteAlpha.size()),
                 nullptr);
  png_color_16 Key{};
  Key.gray = static_cast<png_uint_16>(F.GreyKeyValue);
  if (F.GreyKey)
    png_set_tRNS(Png, Info, nullptr, 0, &Key);
  png_write_info(Png, Info);
  png_write_image(Png, Rows);
  png_write_end(Png, nullptr);
  return true;
}
} // namespace png_fixture_detail

/// Writes \p F to \p Path; false on any failure.
inline bool writePngFixture(const std::string &Path, const PngFixture &F) {
  std::vector<unsigned char> Data = F.Packed;
  Data.resize(F.rowBytes() * static_cast<size_t>(F.Height));
  std::vector<png_bytep> Rows(static_cast<size_t>(F.Height));
  for (size_t Y = 0; Y < Rows.size(); ++Y)
    Rows[Y] = Data.data() + Y * F.rowBytes();
  FILE *File = std::fopen(Path.c_str(), "wb");
  if (!File)
    return false;
  png_structp Png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop Info = Png ? png_create_info_struct(Png) : nullptr;
  bool Ok = Png && Info && png_fixture_detail::writeAll(File, Png, Info, F, Rows.data());
  png_destroy_write_struct(&Png, &Info);
  std::fclose(File);
  return Ok;
}

/// A 4 x 4 RGBA picture whose every pixel differs: red grows to the right,
/// green downwards, alpha is 255 except in the bottom row.
inline PngFixture rgbaGradient() {
  PngFixture F;
  F.Width = F.Height = 4;
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) {
      F.Packed.push_back(static_cast<unsigned char>(40 + 60 * X));
      F.Packed.push_back(static_cast<unsigned char>(10 + 70 * Y));
      F.Packed.push_back(200);
      F.Packed.push_back(Y == 3 ? 100 : 255);
    }
  return F;
}

#endif
