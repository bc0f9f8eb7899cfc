// The Drawing as a vector picture: every Shape's figure as black paths on a
// white canvas of 512 x 768 layout units, without grid or pen marker, for
// printing at any size. Written beside each saved PNG and by the batch
// rendering of algorithm files.
#ifndef QUOVADRIN_SVG_SVG_PICTURE_H
#define QUOVADRIN_SVG_SVG_PICTURE_H

#include <string>

#include "files/file_operations.h"

class Drawing;

/// The whole SVG document of \p Picture's Shapes, in list order.
std::string drawingSvg(const Drawing &Picture);

/// Writes drawingSvg(\p Picture) to \p Path through \p Files, by way of a
/// temporary file, so a failed write leaves whatever the path held before.
/// False when any part of the write failed.
[[nodiscard]] bool writeVectorPicture(const Drawing &Picture, const std::string &Path,
                                      const FileOperations &Files = FileOperations());

#endif
