// The three side-by-side panels (tool panel, canvas, listing): each maps its
// own layout coordinates, origin top left and y downwards, onto its part of
// the real screen. Drawing and picking use the same rectangles.
#ifndef QUOVADRIN_SCREEN_PANEL_RECT_H
#define QUOVADRIN_SCREEN_PANEL_RECT_H

#include "editor/screen_space.h"

/// A panel's viewport in screen pixels (x from the left, y from the bottom)
/// and its width in layout units; every panel is LayoutHeight units tall.
struct PanelRect {
  int X, Y, Width, Height;
  int LayoutWidth;
};

PanelRect panelRect(Panel Which, const ScreenSize &Screen);

#endif
