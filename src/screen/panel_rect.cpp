// Where each panel lies on the screen.
#include "screen/panel_rect.h"

PanelRect panelRect(Panel Which, const ScreenSize &Screen) {
  const int W = Screen.Width, H = Screen.Height;
  switch (Which) {
  case Panel::Tool:
    return {0, 0, W / 4, H, LayoutWidth / 4};
  case Panel::Canvas:
    return {W / 4, 0, W / 2, H, LayoutWidth / 2};
  case Panel::Listing:
    return {W * 3 / 4, 0, W / 4, H, LayoutWidth / 4};
  }
  return {0, 0, W, H, LayoutWidth};
}
