// The grey PNG snapshot without the window: turning red intensities read back
// from the screen (bottom row first) into grey bytes (top row first), and
// writing such an 8-bit grey image as a PNG with the build's encoder (libpng
// on the desktop, stb_image_write in the web page).
#ifndef QUOVADRIN_FILES_GRAY_PNG_H
#define QUOVADRIN_FILES_GRAY_PNG_H

#include <string>
#include <vector>

#include "files/file_operations.h"
#include "files/file_result.h"

/// An 8-bit grey picture: Width x Height bytes, top row first. The window
/// hands the canvas over in this form; an empty Rows with a size stands for
/// a read-back that failed, which the PNG writer refuses.
struct GrayImage {
  std::vector<unsigned char> Rows;
  int Width = 0;
  int Height = 0;
};

/// The grey byte of a red intensity: red x 255 truncated (1.0 gives 255, 0.5
/// gives 127), values outside 0 to 1 clamped.
unsigned char grayFromRed(float Red);

/// Width x Height grey bytes, top row first, from red values that OpenGL
/// delivers bottom row first.
std::vector<unsigned char> grayRowsFromRed(const float *Red, int Width, int Height);

/// Writes Width x Height grey bytes (top row first) as an 8-bit grey,
/// non-interlaced PNG. The file appears under \p Path only when complete; a
/// failure leaves an older file of that name as it was. The file is
/// written through \p Files.
[[nodiscard]] FileResult writeGrayPngBytes(const std::string &Path, const unsigned char *Pixels,
                                           int Width, int Height,
                                           const FileOperations &Files = FileOperations());

#endif
