// The canvas panel in the window: the learner's picture drawn from its
// description, for frames, for the saved picture and for the tests that look
// at the canvas alone. Drawing reads the state and changes none.
#ifndef QUOVADRIN_APP_CANVAS_VIEW_H
#define QUOVADRIN_APP_CANVAS_VIEW_H

class Screen;
class Session;
class ShapeLayer;
struct EditorState;
struct ScreenSize;

/// Sets the canvas viewport and orthographic projection and loads the
/// identity into the modelview matrix.
void setCanvasView(const ScreenSize &Size);
/// The learner's picture in the canvas view the caller set: with \p
/// GridVisible the grid, the pen marker of the selected tool and grey
/// Shapes; without, black Shapes on white. The Shapes come through \p Shapes.
void drawCanvasPicture(const Session &S, const EditorState &E, bool GridVisible,
                       const ShapeLayer &Shapes);
/// Draws the picture again into the back buffer, as the last frame showed it
/// (grid or no grid) but without popups or menus: what a saved picture holds.
void drawCanvasForPicture(const Session &S, const EditorState &E, Screen &Widgets);

#endif
