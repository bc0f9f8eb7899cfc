// The saved canvas picture: the canvas drawn again as the last frame showed
// it, read back from the window and written as a grey PNG. The program's
// window and the tests that photograph the real canvas share this one path.
#ifndef QUOVADRIN_APP_CANVAS_PICTURE_H
#define QUOVADRIN_APP_CANVAS_PICTURE_H

#include <string>

#include "files/atomic_file.h"
#include "files/file_result.h"

class Screen;
class Session;
struct EditorState;

/// Draws the canvas into the back buffer (grid or not, as the last frame
/// showed it, without popups or menus) and writes its red component to
/// \p Path: 0 on success, -1 when the file cannot be written, 2, 3 or 4 when
/// libpng fails. Needs the window's context to be current.
[[nodiscard]] FileResult writeCanvasPicture(const Session &S, const EditorState &E, Screen &Widgets,
                                            const std::string &Path, const FileFaultPlan &Faults);

#endif
