// The Drawing as a vector picture: every Shape's figure as black paths on a
// white canvas of 512 x 768 layout units, without grid or pen marker, for
// printing at any size. Written beside each saved PNG, by the batch
// rendering of algorithm files and for the page's overview, always as a
// stream: a few lines of a program can make a picture of gigabytes, which is
// never held in memory, and a sink with a size bound stops it early.
#ifndef QUOVADRIN_SVG_SVG_PICTURE_H
#define QUOVADRIN_SVG_SVG_PICTURE_H

#include <string>

#include "files/bounded_file.h"
#include "files/file_operations.h"
#include "files/text_sink.h"

class Drawing;

/// Writes the SVG document of \p Picture's Shapes, in list order, through
/// \p Sink in pieces of some tens of kilobytes. False when the sink refused
/// a piece; nothing more is written then.
[[nodiscard]] bool writeDrawingSvg(const Drawing &Picture, const TextSink &Sink);

/// Writes the document to \p Path through \p Files, by way of a temporary
/// file, when it takes at most MaxVectorPictureBytes; otherwise, or when any
/// part of the write fails, whatever the path held before stays.
[[nodiscard]] BoundedWriteResult writeVectorPicture(const Drawing &Picture, const std::string &Path,
                                                    const FileOperations &Files = FileOperations());

#endif
