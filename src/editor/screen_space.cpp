// Panels and pointer conversion.
#include "editor/screen_space.h"

#include <climits>
#include <cstdint>

Panel panelAt(const ScreenSize &Screen, int PixelX) {
  if (PixelX < Screen.Width / 4)
    return Panel::Tool;
  if (PixelX > Screen.Width * 3 / 4)
    return Panel::Listing;
  return Panel::Canvas;
}

// 64 bits, so a pointer far outside the window cannot overflow the product.
int layoutX(const ScreenSize &Screen, int PixelX) {
  if (Screen.Width <= 0)
    return 0;
  return static_cast<int>(static_cast<int64_t>(PixelX) * LayoutWidth / Screen.Width);
}

int layoutY(const ScreenSize &Screen, int PixelY) {
  if (Screen.Height <= 0)
    return 0;
  return static_cast<int>(static_cast<int64_t>(PixelY) * LayoutHeight / Screen.Height);
}

int truncateToInt(double Value) {
  if (!(Value == Value))
    return 0;
  if (Value >= static_cast<double>(INT_MAX))
    return INT_MAX;
  if (Value <= static_cast<double>(INT_MIN))
    return INT_MIN;
  return static_cast<int>(Value);
}
