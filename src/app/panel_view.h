// The three side-by-side panels (tool panel, canvas, listing): each maps its
// own layout coordinates, origin top left and y downwards, onto its part of
// the real screen. Drawing and picking use the same rectangles.
#ifndef QUOVADRIN_APP_PANEL_VIEW_H
#define QUOVADRIN_APP_PANEL_VIEW_H

#include "editor/screen_space.h"

/// A panel's viewport in screen pixels and its width in layout units.
struct PanelRect {
  int X, Y, Width, Height;
  int LayoutWidth;
};

PanelRect panelRect(Panel Which, const ScreenSize &Screen);
/// Sets the panel's viewport and orthographic projection and loads the
/// identity into the modelview matrix.
void setPanelView(Panel Which, const ScreenSize &Screen);
/// The same projection over a viewport of the panel's size at the origin:
/// for drawing the panel's content into an offscreen texture of that size.
void setOffscreenPanelView(Panel Which, const ScreenSize &Screen);

#endif
