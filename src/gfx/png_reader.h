// Decoding a PNG file with libpng into 8-bit samples, whatever its stored
// form: palettes, transparency chunks, small and 16-bit grey or colour depths
// are all converted, so that every valid file yields its picture.
// No GL here; png_texture turns the result into a texture.
#ifndef QUOVADRIN_GFX_PNG_READER_H
#define QUOVADRIN_GFX_PNG_READER_H

#include <string>
#include <vector>

/// Sides above this are refused: no texture could hold them anyway.
constexpr int PngMaxSide = 16384;

struct PngImage {
  int Width = 0;
  int Height = 0;
  /// PNG colour type of the decoded samples: 0 grey, 2 RGB, 4 grey with
  /// alpha, 6 RGB with alpha; always 8 bits per sample.
  int ColorType = 0;
  int Channels = 0;
  /// Rows packed one after another, the top row of the picture first.
  std::vector<unsigned char> Pixels;
};

/// How reading a PNG file went.
enum class PngReadResult {
  Done,
  /// The file cannot be opened, or the image memory cannot be had.
  FileFailed,
  /// libpng cannot set up.
  LibrarySetupFailed,
  /// The file is damaged or no PNG at all.
  NotAPicture,
};

/// Reads \p Path into \p Image. Every failure writes one line naming the
/// file to standard error.
[[nodiscard]] PngReadResult readPngImage(const std::string &Path, PngImage &Image);

#endif
