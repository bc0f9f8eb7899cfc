// The panels' places and the conversions between window pixels and layout
// units, all from the one split of panelSpan.
#include "editor/window_layout.h"

#include <cmath>
#include <cstdint>

Panel WindowLayout::panelAt(int PixelX) const {
  if (PixelX < panelSpan(Panel::Canvas, Size.Width).Start)
    return Panel::Tool;
  if (PixelX > panelSpan(Panel::Listing, Size.Width).Start)
    return Panel::Listing;
  return Panel::Canvas;
}

PanelRect WindowLayout::panel(Panel Which) const {
  const PanelSpan Pixels = panelSpan(Which, Size.Width);
  return {Pixels.Start, 0, Pixels.Width, Size.Height, panelSpan(Which, LayoutWidth).Width};
}

// 64 bits, so a pointer far outside the window cannot overflow the product.
LayoutPoint WindowLayout::toLayout(PixelPoint Pixel) const {
  LayoutPoint Point;
  if (Size.Width > 0)
    Point.X = static_cast<int>(static_cast<int64_t>(Pixel.X) * LayoutWidth / Size.Width);
  if (Size.Height > 0)
    Point.Y = static_cast<int>(static_cast<int64_t>(Pixel.Y) * LayoutHeight / Size.Height);
  return Point;
}

// The panel's units are the whole screen's, moved to the panel's left edge,
// so a pointer converted either way lands on the same unit.
LayoutPoint WindowLayout::toPanel(Panel Which, PixelPoint Pixel) const {
  LayoutPoint Point = toLayout(Pixel);
  Point.X -= panelSpan(Which, LayoutWidth).Start;
  return Point;
}

PixelPoint WindowLayout::toPixel(Panel Which, float X, float Y) const {
  const PanelRect Rect = panel(Which);
  const double PixelsPerUnitX = static_cast<double>(Rect.Width) / Rect.LayoutWidth;
  const double PixelsPerUnitY = static_cast<double>(Rect.Height) / LayoutHeight;
  return {Rect.X + static_cast<int>(std::floor(X * PixelsPerUnitX)),
          static_cast<int>(std::floor(Y * PixelsPerUnitY))};
}
