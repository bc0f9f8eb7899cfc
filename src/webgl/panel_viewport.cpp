// Viewport and border inset for a panel's lines and triangles.
#include "webgl/panel_viewport.h"

void usePanelViewport(const DrawProgram &Program, const PanelRect &Panel, bool Lines) {
  glViewport(Panel.X, Panel.Y, Panel.Width, Panel.Height);
  if (!Lines || Panel.Width <= 0 || Panel.Height <= 0) {
    Program.setBorderInset(0, 0);
    return;
  }
  // In the panel's clip units, which span two across the panel.
  Program.setBorderInset(2 * BorderInsetPixels / static_cast<float>(Panel.Width),
                         2 * BorderInsetPixels / static_cast<float>(Panel.Height));
}
