// Decoding a PNG file with libpng into 8-bit samples, whatever its stored
// form: palettes, transparency chunks, small and 16-bit grey or colour depths
// are all converted, so that every valid file yields its picture.
// No GL here; png_texture turns the result into a texture.
#ifndef QUOVADRIN_GFX_PNG_READER_H
#define QUOVADRIN_GFX_PNG_READER_H

#include "files/file_result.h"
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

/// Reads \p Path into \p Image: FileFailed when the file cannot be opened or
/// the image memory cannot be had, EncoderSetupFailed when libpng cannot set
/// up, NotAPicture when the file is damaged or not a PNG. Every failure
/// writes one line naming the file to standard error.
[[nodiscard]] FileResult readPngImage(const std::string &Path, PngImage &Image);

#endif
