// The canvas's state: where the pen menu's Buttons lie, the pointer in
// canvas units, and what an edit mode remembers from its start.
#ifndef QUOVADRIN_EDITOR_CANVAS_EDIT_STATE_H
#define QUOVADRIN_EDITOR_CANVAS_EDIT_STATE_H

#include "editor/pen_menu.h"
#include "editor/window_layout.h"
#include "exec/variable_set.h"

struct CanvasEditState {
  /// The pointer at the last event on the canvas, in canvas units.
  LayoutPoint Pointer;
  /// Offset between pointer and pen kept while editing on the canvas.
  int DragOffsetX = 0;
  int DragOffsetY = 0;
  /// The moved Variables' values when a relative mode began; the commit
  /// inserts the change from them.
  UserValues StartValues{};
  PenMenuPlacement PenMenu;
};

#endif
