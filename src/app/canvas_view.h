// The canvas panel: the middle half of the screen, 512 x 768 layout units
// with the origin at the top left and y downwards. It shows the grid and the
// pen marker while editing, the Shapes of the Drawing, and the overlays of
// the pen menu and the cell marker. Drawing reads the state and changes none.
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
/// The learner's picture: with \p GridVisible the grid, the pen marker of
/// the selected tool and grey Shapes; without, black Shapes on white. The
/// Shapes come through \p Shapes.
void drawCanvasPicture(const Session &S, const EditorState &E, bool GridVisible,
                       const ShapeLayer &Shapes);
/// The pen menu (while it is open) or the cell marker (while the offsets
/// are being changed).
void drawCanvasOverlays(const Session &S, const EditorState &E, const Screen &Widgets);
/// Draws the picture again into the back buffer, as the last frame showed it
/// (grid or no grid) but without popups or menus: what a saved picture holds.
void drawCanvasForPicture(const Session &S, const EditorState &E, const Screen &Widgets);

#endif
