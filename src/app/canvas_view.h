// The canvas panel in the window, for the tests that look at the canvas
// alone: its view, and the learner's picture drawn from its description.
// Drawing reads the state and changes none.
#ifndef QUOVADRIN_APP_CANVAS_VIEW_H
#define QUOVADRIN_APP_CANVAS_VIEW_H

class Session;
class ShapeLayer;
class WindowLayout;
struct EditorState;

/// Sets the canvas viewport and orthographic projection and loads the
/// identity into the modelview matrix.
void setCanvasView(const WindowLayout &Layout);
/// The learner's picture in the canvas view the caller set: with \p
/// GridVisible the grid, the pen marker of the selected tool and grey
/// Shapes; without, black Shapes on white. The Shapes come through \p Shapes.
void drawCanvasPicture(const Session &S, const EditorState &E, bool GridVisible,
                       const ShapeLayer &Shapes);

#endif
