// The canvas panel of a frame: the middle half of the screen, 512 x 768
// layout units. It shows the grid and the pen marker while editing, the
// Shapes of the Drawing, the pen menu or the cell marker, and the message
// popup.
#ifndef QUOVADRIN_SCREEN_CANVAS_FRAME_H
#define QUOVADRIN_SCREEN_CANVAS_FRAME_H

#include "screen/draw_list.h"

class Session;
class VariableSet;
struct EditorState;
struct PenTemplates;

/// The pen marker in black: its frame and the figure of tool \p SelectedTool
/// (a shape kind) from the templates, at the pen of \p Vars.
void appendPenMarker(DrawListBuilder &Out, const VariableSet &Vars, const PenTemplates &Templates,
                     int SelectedTool);
/// The grid lines in their grey.
void appendCanvasGrid(DrawListBuilder &Out);
/// The learner's picture: with \p GridVisible the grid, the pen marker of
/// the selected tool and grey Shapes; without, black Shapes on white.
void appendCanvasPicture(DrawListBuilder &Out, const Session &S, const EditorState &E,
                         bool GridVisible);
/// What lies over the picture: the pen menu while it is open or the cell
/// marker while the offsets are being changed, then the message popup
/// while it shows.
void appendCanvasOverlays(DrawListBuilder &Out, const Session &S, const EditorState &E);
/// A Button's icon over \p Place, textured from its top-left corner.
void appendIcon(DrawListBuilder &Out, PickName Icon, int X, int Y, int Width, int Height);

#endif
