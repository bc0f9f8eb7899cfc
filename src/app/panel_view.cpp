// Viewports and projections of the three panels.
#include "app/panel_view.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/app_state.h"

PanelRect panelRect(Panel Which) {
  const int W = app.screenWidth, H = app.screenHeight;
  switch (Which) {
  case Panel::Tool:
    return {0, 0, W / 4, H, app.layoutWidth / 4};
  case Panel::Canvas:
    return {W / 4, 0, W / 2, H, app.layoutWidth / 2};
  case Panel::Listing:
    return {W * 3 / 4, 0, W / 4, H, app.layoutWidth / 4};
  }
  return {0, 0, W, H, app.layoutWidth};
}

void setPanelView(Panel Which) {
  const PanelRect R = panelRect(Which);
  glViewport(R.X, R.Y, R.Width, R.Height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, R.LayoutWidth, app.layoutHeight, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}
