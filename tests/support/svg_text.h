// Test helper: a Drawing's whole SVG document as one string, written by the
// program's own streaming writer, for tests that compare pictures.
#ifndef QUOVADRIN_TESTS_SVG_TEXT_H
#define QUOVADRIN_TESTS_SVG_TEXT_H

#include <string>

#include "svg/svg_picture.h"

inline std::string drawingSvg(const Drawing &Picture) {
  std::string Text;
  const bool Complete = writeDrawingSvg(Picture, [&Text](const char *Data, std::size_t Size) {
    Text.append(Data, Size);
    return true;
  });
  return Complete ? Text : std::string("<incomplete>");
}

#endif
