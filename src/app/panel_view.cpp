// Viewports and projections of the three panels.
#include "app/panel_view.h"

#include <GL/gl.h>
#include <GL/glu.h>

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

namespace {

void loadPanelProjection(const PanelRect &R) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, R.LayoutWidth, LayoutHeight, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

} // namespace

void setPanelView(Panel Which, const ScreenSize &Screen) {
  const PanelRect R = panelRect(Which, Screen);
  glViewport(R.X, R.Y, R.Width, R.Height);
  loadPanelProjection(R);
}

void setOffscreenPanelView(Panel Which, const ScreenSize &Screen) {
  const PanelRect R = panelRect(Which, Screen);
  glViewport(0, 0, R.Width, R.Height);
  loadPanelProjection(R);
}
