// Where the three panels lie on the screen, as one value computed from the
// window's size. Every screen position is given in a fixed layout space of
// 1024 x 768 units (origin top left, y downwards) whatever the real pixel
// size; the window is split 1:2:1 into the tool panel, the canvas and the
// listing, and each panel maps its own layout units onto its part of the
// window. This is the one place that states the split and the scale from
// window pixels to layout units: drawing, picking, the pointer and the
// saved picture all receive a WindowLayout and ask it.
#ifndef QUOVADRIN_EDITOR_WINDOW_LAYOUT_H
#define QUOVADRIN_EDITOR_WINDOW_LAYOUT_H

constexpr int LayoutWidth = 1024;
constexpr int LayoutHeight = 768;

enum class Panel { Tool, Canvas, Listing };

/// A stretch of a width shared by the panels: from Start, Width long.
struct PanelSpan {
  int Start = 0;
  int Width = 0;
};

/// The panel's share of a width of \p Total (window pixels or layout
/// units): a quarter for the tool panel, the middle half for the canvas,
/// the last quarter for the listing, each rounded down on its own.
constexpr PanelSpan panelSpan(Panel Which, int Total) {
  switch (Which) {
  case Panel::Tool:
    return {0, Total / 4};
  case Panel::Canvas:
    return {Total / 4, Total / 2};
  case Panel::Listing:
    return {Total * 3 / 4, Total / 4};
  }
  return {0, Total};
}

/// The panels' widths and left edges in layout units.
constexpr int ToolPanelLayoutWidth = panelSpan(Panel::Tool, LayoutWidth).Width;
constexpr int CanvasLayoutWidth = panelSpan(Panel::Canvas, LayoutWidth).Width;
constexpr int CanvasLayoutLeft = panelSpan(Panel::Canvas, LayoutWidth).Start;
constexpr int ListingLayoutWidth = panelSpan(Panel::Listing, LayoutWidth).Width;
constexpr int ListingLayoutLeft = panelSpan(Panel::Listing, LayoutWidth).Start;

/// The canvas holds 25 cells across, so a cell is 20 x 20 units at every
/// resolution.
constexpr float CellWidth = static_cast<float>(CanvasLayoutWidth / 25);
constexpr float CellHeight = CellWidth;

/// The real size of the screen (or window) in pixels.
struct ScreenSize {
  int Width = LayoutWidth;
  int Height = LayoutHeight;
};

/// A panel on the screen: its viewport in window pixels (x from the left,
/// y from the bottom, as viewports count) and its width in layout units;
/// every panel is LayoutHeight units tall.
struct PanelRect {
  int X, Y, Width, Height;
  int LayoutWidth;
};

/// A point in layout units: of the whole screen or of one panel.
struct LayoutPoint {
  int X = 0;
  int Y = 0;
};

/// A window pixel, counted from the top left.
struct PixelPoint {
  int X = 0;
  int Y = 0;
};

class WindowLayout {
public:
  /// The layout at one pixel per layout unit.
  WindowLayout() = default;
  explicit WindowLayout(ScreenSize GivenSize) : Size(GivenSize) {}

  ScreenSize size() const { return Size; }

  /// The panel under window pixel column \p PixelX: the tool panel left of
  /// the canvas, the listing right of it, the canvas between, both its
  /// border columns included.
  Panel panelAt(int PixelX) const;
  /// Where panel \p Which lies on the window.
  PanelRect panel(Panel Which) const;

  /// Window pixel \p Pixel in layout units of the whole screen (integer
  /// arithmetic, multiplication first).
  LayoutPoint toLayout(PixelPoint Pixel) const;
  /// The same point in the layout units of panel \p Which; it may lie
  /// outside the panel.
  LayoutPoint toPanel(Panel Which, PixelPoint Pixel) const;
  /// The window pixel that shows layout point (X, Y) of panel \p Which,
  /// rounded down.
  PixelPoint toPixel(Panel Which, float X, float Y) const;

private:
  ScreenSize Size;
};

#endif
