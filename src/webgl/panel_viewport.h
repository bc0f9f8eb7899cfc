// The viewport a panel's drawing goes through, so that a line on the panel's
// border shows where the desktop shows it.
//
// The desktop smooths its lines: a line lying exactly between two pixel
// columns (or rows) lights both by half, and on the panel's border the inner
// half shows: a square at column 0 keeps its left edge, the pen marker at
// column 0 its left side. WebGL's lines are not smoothed; the rasteriser puts
// such a line on one of the two pixels, and on the left and bottom border it
// picks the one outside the viewport, where the line is lost. So a line
// vertex lying on the panel's border moves BorderInsetPixels inside, onto the
// inner pixel. Lines elsewhere keep their place, and so do triangles (icons,
// text, the shape layer's quad).
#ifndef QUOVADRIN_WEBGL_PANEL_VIEWPORT_H
#define QUOVADRIN_WEBGL_PANEL_VIEWPORT_H

#include "screen/panel_rect.h"
#include "webgl/draw_program.h"

/// How far inside the panel a line vertex on its border moves: well below
/// half a pixel, and above the rasteriser's sub-pixel step (1/16 at the
/// least), so that the vertex lands on the inner pixel everywhere.
constexpr float BorderInsetPixels = 0.125f;

/// Sets the viewport and \p Program's border inset for drawing lines
/// (\p Lines) or triangles into the pixels \p Panel of the bound framebuffer.
void usePanelViewport(const DrawProgram &Program, const PanelRect &Panel, bool Lines);

#endif
