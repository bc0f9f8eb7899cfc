// The fixed layout space every screen position is given in (1024 x 768
// units, origin top left, y downwards, whatever the real pixel size), the
// canvas grid cell, and the three side-by-side panels a window pixel falls
// into.
#ifndef QUOVADRIN_EDITOR_SCREEN_SPACE_H
#define QUOVADRIN_EDITOR_SCREEN_SPACE_H

constexpr int LayoutWidth = 1024;
constexpr int LayoutHeight = 768;
/// The canvas is half the layout wide and holds 25 cells across, so a cell
/// is 20 x 20 units at every resolution.
constexpr float CellWidth = static_cast<float>((LayoutWidth / 2) / 25);
constexpr float CellHeight = CellWidth;

/// The real size of the screen (or window) in pixels.
struct ScreenSize {
  int Width = LayoutWidth;
  int Height = LayoutHeight;
};

enum class Panel { Tool, Canvas, Listing };

/// The panel under window pixel column \p PixelX: the tool panel left of a
/// quarter of the width, the listing right of three quarters, the canvas in
/// between (both borders included).
Panel panelAt(const ScreenSize &Screen, int PixelX);

/// A window pixel in layout units of the whole screen (integer arithmetic,
/// multiplication first).
int layoutX(const ScreenSize &Screen, int PixelX);
int layoutY(const ScreenSize &Screen, int PixelY);

/// \p Value truncated toward zero, held within the int range (NaN gives 0):
/// positions computed from a learner's Variables may lie far off screen.
int truncateToInt(double Value);

#endif
