// The tool panel in render mode. Highlights are drawn before the widgets, so
// the icons' transparent parts let them show through.
#include "app/tool_panel_view.h"

#include <GL/gl.h>

#include "app/app_state.h"
#include "app/button.h"
#include "app/file_list.h"
#include "app/label.h"
#include "app/panel_view.h"
#include "model/variable.h"

namespace {

// A rectangle shaded from grey at its left edge to white at its right edge.
void drawShadedRectangle(float X0, float Y0, float X1, float Y1) {
  glBegin(GL_POLYGON);
  glColor4f(0.5f, 0.5f, 0.5f, 1);
  glVertex2f(X0, Y0);
  glVertex2f(X0, Y1);
  glColor4f(1, 1, 1, 1);
  glVertex2f(X1, Y1);
  glVertex2f(X1, Y0);
  glEnd();
}

bool isToolName(int PickName) {
  return (PickName >= 1 && PickName <= 3) || (PickName >= 7 && PickName <= 12);
}

void drawToolHighlight() {
  const Button *Tool = isToolName(app.selectedTool) ? findToolWidget(app.selectedTool) : nullptr;
  if (!Tool)
    return;
  const auto X = static_cast<float>(Tool->x());
  const auto Y = static_cast<float>(Tool->y());
  drawShadedRectangle(X, Y, X + 50, Y + 50);
}

void drawFieldRowBar() {
  const float K = static_cast<float>(app.selectedFieldRow);
  glColor4f(0.75f, 0.75f, 0.75f, 1);
  glBegin(GL_POLYGON);
  glVertex2f(4, 415 + 10 * K);
  glVertex2f(4, 425 + 10 * K);
  glVertex2f(320, 425 + 10 * K);
  glVertex2f(320, 415 + 10 * K);
  glEnd();
}

bool isHighlightableControl(int PickName) {
  return PickName == 13 || PickName == 14 || PickName == 34 || PickName == 35 || PickName == 58 ||
         PickName == 59;
}

void drawControlHighlight() {
  if (!isHighlightableControl(app.selectedControl))
    return;
  const Button *Control = findToolWidget(app.selectedControl);
  if (!Control)
    return;
  const auto X = static_cast<float>(Control->x());
  const auto Y = static_cast<float>(Control->y());
  const auto W = static_cast<float>(Control->width());
  const auto H = static_cast<float>(Control->height());
  if (app.selectedControl == 13 || app.selectedControl == 14) {
    drawShadedRectangle(X, Y, X + W, Y + H);
    return;
  }
  // The Labels of the random/repeat area: as wide as the operand they show.
  const auto *Field = static_cast<const Label *>(Control);
  const auto Length = static_cast<float>(Field->operand() ? Field->operand()->name().size() : 0);
  drawShadedRectangle(X, Y, X + Length * W, Y + H);
}

} // namespace

Button *findToolWidget(int PickName) {
  for (Button *Widget = app.toolChain; Widget; Widget = Widget->next())
    if (Widget->pickName() == PickName)
      return Widget;
  return nullptr;
}

void drawToolPanel() {
  setPanelView(Panel::Tool);
  glCallList(app.backgroundList);
  drawToolHighlight();
  drawFieldRowBar();
  drawControlHighlight();
  glColor4f(1, 1, 1, 1);
  for (Button *Widget = app.toolChain; Widget; Widget = Widget->next())
    Widget->draw(GL_RENDER);
  // The saved-file list, while it is shown, lies over the widgets.
  if (app.fileListVisible == 1 && app.fileList)
    app.fileList->draw(GL_RENDER);
}
