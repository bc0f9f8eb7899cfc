// Describing the tool panel. Highlights come before the widgets, so the
// icons' transparent parts let them show through.
#include "screen/tool_panel_frame.h"

#include "editor/editor_state.h"
#include "model/variable.h"
#include "screen/atlas_text.h"
#include "screen/canvas_frame.h"
#include "screen/glyph.h"
#include "screen/screen_layout.h"
#include "screen/tool_panel_background.h"

namespace {

// A rectangle shaded from grey at its left edge to white at its right edge.
void appendShadedRectangle(DrawListBuilder &Out, float X0, float Y0, float X1, float Y1) {
  Out.shadedRectangle(X0, Y0, X1, Y1, 0.5f, 1);
}

void appendToolHighlight(DrawListBuilder &Out, const EditorState &E) {
  if (!isToolShape(E.Tools.SelectedTool))
    return;
  const ToolWidgetPlace *Tool = findToolPlace(static_cast<PickName>(E.Tools.SelectedTool));
  if (!Tool)
    return;
  const auto X = static_cast<float>(Tool->Place.X);
  const auto Y = static_cast<float>(Tool->Place.Y);
  appendShadedRectangle(Out, X, Y, X + ToolHighlightSide, Y + ToolHighlightSide);
}

void appendFieldRowBar(DrawListBuilder &Out, const EditorState &E) {
  const LayoutRect Bar = fieldRowBar(E.Tools.SelectedFieldRow);
  Out.setColour(0.75f, 0.75f, 0.75f, 1);
  Out.rectangle(static_cast<float>(Bar.X), static_cast<float>(Bar.Y), static_cast<float>(Bar.Width),
                static_cast<float>(Bar.Height));
}

bool isDiceOrRepeat(PickName Control) {
  return Control == PickName::Dice || Control == PickName::Repeat;
}

bool isHighlightableControl(PickName Control) {
  return isDiceOrRepeat(Control) || Control == PickName::Count ||
         Control == PickName::RandomTarget || Control == PickName::Upper ||
         Control == PickName::Lower;
}

void appendControlHighlight(DrawListBuilder &Out, const EditorState &E) {
  if (!isHighlightableControl(E.Tools.SelectedControl))
    return;
  const ToolWidgetPlace *Control = findToolPlace(E.Tools.SelectedControl);
  if (!Control)
    return;
  const auto X = static_cast<float>(Control->Place.X);
  const auto Y = static_cast<float>(Control->Place.Y);
  const auto W = static_cast<float>(Control->Place.Width);
  const auto H = static_cast<float>(Control->Place.Height);
  if (isDiceOrRepeat(E.Tools.SelectedControl)) {
    appendShadedRectangle(Out, X, Y, X + W, Y + H);
    return;
  }
  // The Labels of the random/repeat area: as wide as the operand they show.
  const ValueLabel *Field = E.Labels.byPick(E.Tools.SelectedControl);
  const Variable *Operand = Field ? Field->operand() : nullptr;
  const auto Length = static_cast<float>(Operand ? Operand->name().size() : 0);
  appendShadedRectangle(Out, X, Y, X + Length * W, Y + H);
}

void appendLabel(DrawListBuilder &Out, const ToolWidgetPlace &Widget, const ValueLabel &Model) {
  const auto Y = static_cast<float>(Widget.Place.Y);
  const auto Advance = static_cast<float>(GlyphQuadSize);
  if (Widget.Description)
    appendAtlasText(Out, Widget.Description, static_cast<float>(LabelDescriptionX), Y,
                    LabelTextScale, 0, 0, Advance);
  appendAtlasText(Out, Model.text().c_str(), static_cast<float>(Widget.Place.X), Y, LabelTextScale,
                  Widget.Description ? LabelTextOffset : 0, 0, Advance);
}

// A Button is picked over its picture, a Label over its text as it is now
// and its description.
void appendChain(DrawListBuilder &Out, const EditorState &E) {
  for (const ToolWidgetPlace &Widget : toolChainPlaces()) {
    if (Widget.isLabel()) {
      const ValueLabel &Model = E.Labels.at(static_cast<size_t>(Widget.LabelIndex));
      appendLabel(Out, Widget, Model);
      hitLayoutRect(Out, pickValue(Widget.Pick), labelPickArea(Widget, Model.text().size()));
      continue;
    }
    appendIcon(Out, Widget.Pick, Widget.Place.X, Widget.Place.Y, Widget.Place.Width,
               Widget.Place.Height);
    hitLayoutRect(Out, pickValue(Widget.Pick), Widget.Place);
  }
}

void appendFileRow(DrawListBuilder &Out, int Rows, int Row, const std::string &Name) {
  // The names stand in the pick rows, so the name under the pointer is the
  // one that loads, down to the last row.
  const LayoutRect List = fileListRect(Rows);
  const float PenY = static_cast<float>(fileListRow(Rows, Row).Y - List.Y) / PanelTextScale;
  appendAtlasText(Out, fittingFileName(Name).c_str(), static_cast<float>(List.X),
                  static_cast<float>(List.Y), PanelTextScale, FileListNamePenX, PenY,
                  static_cast<float>(GlyphQuadSize));
}

} // namespace

// A glyph's ink lies within its advance, so nothing crosses the list's edge.
std::string fittingFileName(const std::string &Name) {
  const float RightEdge = static_cast<float>(FileListWidth - 1) / PanelTextScale;
  std::string Shown;
  float Pen = FileListNamePenX;
  for (char C : Name) {
    auto Byte = static_cast<unsigned char>(C);
    if (isLineBreak(Byte))
      Byte = '?';
    Pen += static_cast<float>(glyphFor(Byte).Advance);
    if (Pen > RightEdge)
      break;
    Shown.push_back(static_cast<char>(Byte));
  }
  return Shown;
}

void appendFileList(DrawListBuilder &Out, const SavedFileWindow &Files) {
  const bool HasHiddenRow = Files.Hidden > 0;
  const int Entries = static_cast<int>(Files.Shown.size());
  const int Rows = Entries + (HasHiddenRow ? 1 : 0);
  const LayoutRect List = fileListRect(Rows);
  appendOutlinedPanel(Out, List.X, List.Y, List.Width, List.Height);
  if (HasHiddenRow)
    appendFileRow(Out, Rows, 0, hiddenFilesText(Files.Hidden));
  // Each file's row loads it; the row telling of older files loads nothing.
  for (int I = 0; I < Entries; ++I) {
    const int Row = I + (HasHiddenRow ? 1 : 0);
    appendFileRow(Out, Rows, Row, Files.Shown[static_cast<size_t>(I)]);
    hitLayoutRect(Out, pickValue(PickName::FirstFileEntry) + I, fileListRow(Rows, Row));
  }
}

void appendToolPanel(DrawListBuilder &Out, const EditorState &E) {
  Out.panel(Panel::Tool);
  appendToolPanelBackground(Out, backgroundRectangles());
  appendToolHighlight(Out, E);
  appendFieldRowBar(Out, E);
  appendControlHighlight(Out, E);
  Out.setColour(1, 1, 1, 1);
  appendChain(Out, E);
  // The saved-file list, while it is shown, lies over the widgets.
  if (E.Files.ListVisible)
    appendFileList(Out, E.Files.List.Files);
}
