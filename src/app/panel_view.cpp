// Viewports and projections of the three panels.
#include "app/panel_view.h"

#include <GL/gl.h>
#include <GL/glu.h>

namespace {

void loadPanelProjection(const PanelRect &R) {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, R.LayoutWidth, LayoutHeight, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

} // namespace

void setPanelView(Panel Which, const WindowLayout &Layout) {
  const PanelRect R = Layout.panel(Which);
  glViewport(R.X, R.Y, R.Width, R.Height);
  loadPanelProjection(R);
}

void setOffscreenPanelView(Panel Which, const WindowLayout &Layout) {
  const PanelRect R = Layout.panel(Which);
  glViewport(0, 0, R.Width, R.Height);
  loadPanelProjection(R);
}
