// Writes the generated pictures as 8-bit PNG files.
#ifndef QUOVADRIN_TOOLS_IMAGES_PNG_FILE_H
#define QUOVADRIN_TOOLS_IMAGES_PNG_FILE_H

#include <string>
#include <vector>

#include "canvas.h"

/// 8-bit rows packed top first; \p ColorType is a PNG colour type with
/// \p Channels samples per pixel. False when the file cannot be written.
bool writePng(const std::string &Path, int Width, int Height, int ColorType, int Channels,
              std::vector<unsigned char> Pixels);
/// RGBA (colour type 6); false when the file cannot be written.
bool writeRgbaPng(const std::string &Path, const Canvas &Picture);
/// Grey with alpha (colour type 4).
bool writeGreyAlphaPng(const std::string &Path, const Canvas &Picture);

#endif
