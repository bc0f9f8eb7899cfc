// glReadPixels of the back buffer with a packing that fits a float array.
#include "gfx/read_back.h"

#include <GL/gl.h>
#include <cstddef>

std::vector<float> readBackRed(int X, int Y, int Width, int Height) {
  std::vector<float> Red;
  if (Width <= 0 || Height <= 0)
    return Red;
  Red.resize(static_cast<size_t>(Width) * static_cast<size_t>(Height));
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glReadBuffer(GL_BACK);
  glReadPixels(X, Y, Width, Height, GL_RED, GL_FLOAT, Red.data());
  return Red;
}
