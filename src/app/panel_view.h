// The three side-by-side panels (tool panel, canvas, listing): each maps its
// own layout coordinates, origin top left and y downwards, onto its part of
// the real screen. Drawing and picking use the same rectangles.
#ifndef QUOVADRIN_APP_PANEL_VIEW_H
#define QUOVADRIN_APP_PANEL_VIEW_H

#include "editor/window_layout.h"

/// Sets the panel's viewport and orthographic projection and loads the
/// identity into the modelview matrix.
void setPanelView(Panel Which, const WindowLayout &Layout);
/// The same projection over a viewport of the panel's size at the origin:
/// for drawing the panel's content into an offscreen texture of that size.
void setOffscreenPanelView(Panel Which, const WindowLayout &Layout);

#endif
