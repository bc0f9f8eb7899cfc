// Describing the canvas panel.
#include "screen/canvas_frame.h"

#include "editor/editor_state.h"
#include "exec/session.h"
#include "screen/atlas_text.h"
#include "screen/screen_layout.h"
#include "screen/shape_figure.h"

namespace {

/// A figure's primitives straight into the frame, in the current colour
/// and under the current matrix.
class FrameFigureSink final : public FigureSink {
public:
  explicit FrameFigureSink(DrawListBuilder &GivenOut) : Out(GivenOut) {}
  void begin(Primitive Kind) override { Out.begin(Kind); }
  void vertex(float X, float Y) override { Out.vertex(X, Y); }
  void end() override { Out.end(); }

private:
  DrawListBuilder &Out;
};

DrawTransform transformOf(const UnitBoxPlacement &Placement) {
  DrawTransform Matrix;
  Matrix.TranslateX = Placement.CentreX;
  Matrix.TranslateY = Placement.CentreY;
  Matrix.Turned = true;
  Matrix.Rotation = Placement.Rotation;
  Matrix.ScaleX = Placement.ScaleX;
  Matrix.ScaleY = Placement.ScaleY;
  return Matrix;
}

// The grid cell of x and y without the offsets, while h and v are changed.
void appendCellMarker(DrawListBuilder &Out, const VariableSet &Vars) {
  DrawTransform Matrix;
  Matrix.TranslateX = Vars.x().value() * CellWidth + CellWidth / 2;
  Matrix.TranslateY = Vars.y().value() * CellHeight + CellHeight / 2;
  Matrix.ScaleX = CellWidth;
  Matrix.ScaleY = CellHeight;
  Out.setTransform(Matrix);
  Out.setColour(0.6f, 0.6f, 0.6f, 1);
  Out.begin(Primitive::LineLoop);
  Out.vertex(-0.5f, -0.5f);
  Out.vertex(-0.5f, 0.5f);
  Out.vertex(0.5f, 0.5f);
  Out.vertex(0.5f, -0.5f);
  Out.end();
  Out.resetTransform();
}

// Each Button is picked over its picture.
void appendPenMenu(DrawListBuilder &Out, const EditorState &E) {
  Out.setColour(1, 1, 1, 1);
  for (size_t I = 0; I < PenMenuSize; ++I) {
    const IntPoint Corner = E.Canvas.PenMenu.Corners[I];
    appendIcon(Out, PenMenuOrder[I], Corner.X, Corner.Y, PenMenuButtonSide, PenMenuButtonSide);
    hitLayoutRect(Out, pickValue(PenMenuOrder[I]),
                  {Corner.X, Corner.Y, PenMenuButtonSide, PenMenuButtonSide});
  }
}

void appendMessage(DrawListBuilder &Out, const std::string &Text) {
  const LayoutRect Box = messageBoxRect(Text.size());
  appendOutlinedPanel(Out, Box.X, Box.Y, Box.Width, Box.Height);
  appendAtlasText(Out, Text.c_str(), static_cast<float>(Box.X), static_cast<float>(Box.Y),
                  PanelTextScale, MessageTextPenX, MessageTextPenY, MessageTextLineAdvance);
}

} // namespace

void appendIcon(DrawListBuilder &Out, PickName Icon, int X, int Y, int Width, int Height) {
  const auto Left = static_cast<float>(X), Top = static_cast<float>(Y);
  const auto Right = static_cast<float>(X + Width), Bottom = static_cast<float>(Y + Height);
  Out.setTexture({TextureKind::Icon, Icon});
  Out.begin(Primitive::Polygon);
  Out.texturedVertex(Left, Top, 0, 0);
  Out.texturedVertex(Right, Top, 1, 0);
  Out.texturedVertex(Right, Bottom, 1, 1);
  Out.texturedVertex(Left, Bottom, 0, 1);
  Out.end();
  Out.setTexture({});
}

void appendPenMarker(DrawListBuilder &Out, const VariableSet &Vars, const PenTemplates &Templates,
                     int SelectedTool) {
  Out.setColour(0, 0, 0, 1);
  Out.setTransform(transformOf(penPlacement(Vars)));
  FrameFigureSink Sink(Out);
  emitPenMarker(Sink, Vars, Templates, SelectedTool);
  Out.resetTransform();
}

void appendCanvasGrid(DrawListBuilder &Out) {
  Out.setColour(GridGrey, GridGrey, GridGrey, 1);
  const float Width = static_cast<float>(CanvasLayoutWidth);
  const float Height = static_cast<float>(LayoutHeight);
  Out.begin(Primitive::Lines);
  for (int I = 1; I <= 25; ++I) {
    Out.vertex(I * CellWidth, 0);
    Out.vertex(I * CellWidth, Height);
  }
  // As many rows as the canvas is tall: 38 lines for 768 units.
  const int Rows = static_cast<int>(static_cast<float>(LayoutHeight) / Width * 26);
  for (int I = 1; I < Rows; ++I) {
    Out.vertex(0, I * CellHeight);
    Out.vertex(Width, I * CellHeight);
  }
  Out.end();
}

// The pen marker is picked over its whole box, turned and stretched as it
// is drawn; while the pen menu is open, the menu's Buttons are picked
// instead.
void appendCanvasPicture(DrawListBuilder &Out, const Session &S, const EditorState &E,
                         bool GridVisible) {
  CanvasBounds Marker;
  if (GridVisible) {
    appendCanvasGrid(Out);
    appendPenMarker(Out, S.variables(), S.templates(), static_cast<int>(E.Tools.SelectedTool));
    Marker = penMarkerBounds(S.variables(), S.templates(), static_cast<int>(E.Tools.SelectedTool));
    if (E.Mode != InteractionMode::PenMenuOpen)
      Out.hitUnitBox(pickValue(PickName::PenMarker), unitBoxMap(penPlacement(S.variables())));
  }
  Out.shapes(GridVisible, Marker);
}

void appendCanvasOverlays(DrawListBuilder &Out, const Session &S, const EditorState &E) {
  if (E.Mode == InteractionMode::PenMenuOpen)
    appendPenMenu(Out, E);
  else if (E.Mode == InteractionMode::OffsetAbsolute || E.Mode == InteractionMode::OffsetRelative)
    appendCellMarker(Out, S.variables());
  if (E.Popup.Visible && E.Popup.present())
    appendMessage(Out, E.Popup.text());
}
