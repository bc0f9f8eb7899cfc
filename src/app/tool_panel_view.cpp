// The tool panel in render mode. Highlights are drawn before the widgets, so
// the icons' transparent parts let them show through.
#include "app/tool_panel_view.h"

#include <GL/gl.h>

#include "app/button.h"
#include "app/file_list.h"
#include "app/panel_view.h"
#include "app/screen.h"
#include "editor/editor_state.h"
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

void drawToolHighlight(const EditorState &E, const Screen &Widgets) {
  const Button *Tool =
      isToolPick(E.SelectedTool) ? Widgets.findToolWidget(E.SelectedTool) : nullptr;
  if (!Tool)
    return;
  const auto X = static_cast<float>(Tool->x());
  const auto Y = static_cast<float>(Tool->y());
  drawShadedRectangle(X, Y, X + 50, Y + 50);
}

void drawFieldRowBar(const EditorState &E) {
  const float K = static_cast<float>(E.SelectedFieldRow);
  glColor4f(0.75f, 0.75f, 0.75f, 1);
  glBegin(GL_POLYGON);
  glVertex2f(4, 415 + 10 * K);
  glVertex2f(4, 425 + 10 * K);
  glVertex2f(320, 425 + 10 * K);
  glVertex2f(320, 415 + 10 * K);
  glEnd();
}

bool isDiceOrRepeat(PickName Control) {
  return Control == PickName::Dice || Control == PickName::Repeat;
}

bool isHighlightableControl(PickName Control) {
  return isDiceOrRepeat(Control) || Control == PickName::Count ||
         Control == PickName::RandomTarget || Control == PickName::Upper ||
         Control == PickName::Lower;
}

void drawControlHighlight(const EditorState &E, const Screen &Widgets) {
  if (!isHighlightableControl(E.SelectedControl))
    return;
  const Button *Control = Widgets.findToolWidget(pickValue(E.SelectedControl));
  if (!Control)
    return;
  const auto X = static_cast<float>(Control->x());
  const auto Y = static_cast<float>(Control->y());
  const auto W = static_cast<float>(Control->width());
  const auto H = static_cast<float>(Control->height());
  if (isDiceOrRepeat(E.SelectedControl)) {
    drawShadedRectangle(X, Y, X + W, Y + H);
    return;
  }
  // The Labels of the random/repeat area: as wide as the operand they show.
  const ValueLabel *Field = E.Labels.byPick(pickValue(E.SelectedControl));
  const Variable *Operand = Field ? Field->operand() : nullptr;
  const auto Length = static_cast<float>(Operand ? Operand->name().size() : 0);
  drawShadedRectangle(X, Y, X + Length * W, Y + H);
}

} // namespace

void drawToolPanel(const EditorState &E, const Screen &Widgets) {
  setPanelView(Panel::Tool, E.Screen);
  glCallList(Widgets.backgroundList());
  drawToolHighlight(E, Widgets);
  drawFieldRowBar(E);
  drawControlHighlight(E, Widgets);
  glColor4f(1, 1, 1, 1);
  for (const Button *Widget = Widgets.toolChain(); Widget; Widget = Widget->next())
    Widget->draw(GL_RENDER);
  // The saved-file list, while it is shown, lies over the widgets.
  if (E.FileListVisible && Widgets.fileList())
    Widgets.fileList()->draw(GL_RENDER);
}
