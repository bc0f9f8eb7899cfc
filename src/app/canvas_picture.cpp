// The canvas picture. After a buffer swap the back buffer need not hold the
// last frame any more, so the canvas is drawn again right before it is read.
#include "app/canvas_picture.h"

#include <vector>

#include "app/canvas_view.h"
#include "editor/editor_state.h"
#include "files/gray_png.h"
#include "gfx/read_back.h"

GrayImage takeCanvasPicture(const Session &S, const EditorState &E, Screen &Widgets) {
  drawCanvasForPicture(S, E, Widgets);
  // The canvas is the middle half of the screen, over its whole height.
  const int X = static_cast<int>(0.25 * E.Screen.Width);
  GrayImage Picture;
  Picture.Width = static_cast<int>(0.5 * E.Screen.Width);
  Picture.Height = E.Screen.Height;
  const std::vector<float> Red = readBackRed(X, 0, Picture.Width, Picture.Height);
  Picture.Rows = grayRowsFromRed(Red.data(), Picture.Width, Picture.Height);
  return Picture;
}
