// The whole frame as data: the canvas first, then the two side panels, which
// also cover anything a long message drew past the canvas edge. Building it
// reads the program's state and changes none of it.
#ifndef QUOVADRIN_SCREEN_SCREEN_FRAME_H
#define QUOVADRIN_SCREEN_SCREEN_FRAME_H

#include "screen/draw_list.h"

class Session;
struct EditorState;

/// Fills \p Out with everything one frame shows.
void buildFrame(DrawList &Out, const Session &S, const EditorState &E);
/// Fills \p Out with panel \p Which alone, as the frame draws it: what a
/// pick in that panel needs, without building the other two.
void buildPanel(DrawList &Out, Panel Which, const Session &S, const EditorState &E);
/// Fills \p Out with the canvas alone, as a saved picture holds it: the
/// picture with or without the grid, no menus or popups.
void buildCanvasPicture(DrawList &Out, const Session &S, const EditorState &E, bool GridVisible);

#endif
