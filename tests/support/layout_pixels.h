// Test helper: where the panels start in window pixels on a 1024 x 768
// screen, where a layout unit is one pixel: the tool panel at pixel 0, the
// canvas at 256, the listing at 768.
#ifndef QUOVADRIN_TESTS_LAYOUT_PIXELS_H
#define QUOVADRIN_TESTS_LAYOUT_PIXELS_H

#include "editor/window_layout.h"

constexpr int CanvasPixelX = CanvasLayoutLeft;
constexpr int ListingPixelX = ListingLayoutLeft;

#endif
