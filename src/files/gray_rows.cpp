// The grey bytes of the canvas picture, shared by every PNG encoder: how a
// red intensity read back from the screen becomes a grey byte, and the row
// order turned from the screen's (bottom first) to the picture's (top first).
#include "files/gray_png.h"

unsigned char grayFromRed(float Red) {
  if (!(Red > 0.0f)) // also NaN
    return 0;
  if (Red >= 1.0f)
    return 255;
  return static_cast<unsigned char>(Red * 255.0f);
}

std::vector<unsigned char> grayRowsFromRed(const float *Red, int Width, int Height) {
  if (Width <= 0 || Height <= 0)
    return {};
  const size_t W = static_cast<size_t>(Width);
  std::vector<unsigned char> Gray(W * static_cast<size_t>(Height));
  for (int Row = 0; Row < Height; ++Row) {
    const float *Source = Red + static_cast<size_t>(Height - 1 - Row) * W;
    unsigned char *Target = Gray.data() + static_cast<size_t>(Row) * W;
    for (size_t Col = 0; Col < W; ++Col)
      Target[Col] = grayFromRed(Source[Col]);
  }
  return Gray;
}
