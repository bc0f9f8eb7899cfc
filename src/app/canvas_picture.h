// The saved canvas picture: the canvas drawn again as the last frame showed
// it and read back from the window in grey, for the editor to write as a
// PNG. The program's window and the tests that photograph the real canvas
// share this one path.
#ifndef QUOVADRIN_APP_CANVAS_PICTURE_H
#define QUOVADRIN_APP_CANVAS_PICTURE_H

#include "files/gray_png.h"

class Screen;
class Session;
struct EditorState;

/// Draws the canvas into the back buffer (grid or not, as the last frame
/// showed it, without popups or menus) and reads its red component back as
/// grey rows. Needs the window's context to be current.
[[nodiscard]] GrayImage takeCanvasPicture(const Session &S, const EditorState &E, Screen &Widgets);

#endif
