// Read-back for the snapshot. After a buffer swap the back buffer need not
// hold the last frame any more, so the canvas is drawn again right before the
// pixels are read.
#include "gfx/png_snapshot.h"

#include <GL/gl.h>
#include <vector>

#include "app/app_state.h"
#include "files/gray_png.h"

int writeGrayPng(const std::string &Path, int X, int Y, int Width, int Height) {
  std::vector<float> Red;
  if (Width > 0 && Height > 0) {
    Red.resize(static_cast<size_t>(Width) * static_cast<size_t>(Height));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glPixelStorei(GL_PACK_ROW_LENGTH, 0);
    glReadBuffer(GL_BACK);
    glReadPixels(X, Y, Width, Height, GL_RED, GL_FLOAT, Red.data());
  }
  const std::vector<unsigned char> Gray = grayRowsFromRed(Red.data(), Width, Height);
  return writeGrayPngBytes(Path, Gray.data(), Width, Height);
}

int writeCanvasPicture(const std::string &Path, int X, int Y, int Width, int Height) {
  if (app.hooks.drawCanvasForPicture)
    app.hooks.drawCanvasForPicture();
  return writeGrayPng(Path, X, Y, Width, Height);
}
