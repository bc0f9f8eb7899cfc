// The tool panel's background: a grey-to-white gradient with twenty white
// decorative outlines. The outlines come from a generator of their own in
// its initial state, so every start shows the same pattern and no learner's
// random numbers are spent on it.
#ifndef QUOVADRIN_SCREEN_TOOL_PANEL_BACKGROUND_H
#define QUOVADRIN_SCREEN_TOOL_PANEL_BACKGROUND_H

#include <array>

#include "exec/point.h"
#include "screen/draw_list.h"

constexpr int BackgroundRectangleCount = 20;

/// One decorative outline: its four corners in drawing order.
using OutlineCorners = std::array<Point, 4>;

/// The twenty outlines, drawn from a generator in the state 1.
std::array<OutlineCorners, BackgroundRectangleCount> backgroundRectangles();
/// The gradient and the outlines; leaves the colour white.
void appendToolPanelBackground(
    DrawListBuilder &Out, const std::array<OutlineCorners, BackgroundRectangleCount> &Outlines);

#endif
