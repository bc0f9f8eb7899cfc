// Recording commands into a DrawList.
#include "screen/draw_list.h"

#include <cassert>

void DrawListBuilder::clearScreen() {
  DrawCommand Command;
  Command.Kind = DrawCommandKind::Clear;
  Target.Commands.push_back(Command);
}

void DrawListBuilder::panel(Panel Which) {
  DrawCommand Command;
  Command.Kind = DrawCommandKind::PanelView;
  Command.View = Which;
  Target.Commands.push_back(Command);
  CurrentPanel = Which;
  resetTransform();
}

void DrawListBuilder::begin(Primitive Kind) {
  assert(!Open && "a primitive begins only after the last one ended");
  Open = true;
  DrawCommand Command;
  Command.Shape = Kind;
  Command.Texture = CurrentTexture;
  Command.LineWidth = LineWidth;
  Command.Matrix = CurrentMatrix;
  Command.FirstVertex = static_cast<uint32_t>(Target.Vertices.size());
  Target.Commands.push_back(Command);
}

void DrawListBuilder::texturedVertex(float X, float Y, float S, float T) {
  assert(Open && "vertices belong inside begin and end");
  Target.Vertices.push_back({X, Y, S, T, Current});
}

// A primitive without vertices draws nothing, so it leaves no command.
void DrawListBuilder::end() {
  assert(Open && "end closes the primitive begun last");
  Open = false;
  DrawCommand &Command = Target.Commands.back();
  Command.VertexCount = static_cast<uint32_t>(Target.Vertices.size()) - Command.FirstVertex;
  if (Command.VertexCount == 0)
    Target.Commands.pop_back();
}

void DrawListBuilder::rectangle(float X, float Y, float Width, float Height) {
  begin(Primitive::Polygon);
  vertex(X, Y);
  vertex(X, Y + Height);
  vertex(X + Width, Y + Height);
  vertex(X + Width, Y);
  end();
}

void DrawListBuilder::shadedRectangle(float X0, float Y0, float X1, float Y1, float LeftGrey,
                                      float RightGrey) {
  begin(Primitive::Polygon);
  setColour(LeftGrey, LeftGrey, LeftGrey, 1);
  vertex(X0, Y0);
  vertex(X0, Y1);
  setColour(RightGrey, RightGrey, RightGrey, 1);
  vertex(X1, Y1);
  vertex(X1, Y0);
  end();
}

void DrawListBuilder::shapes(bool OnGrid, const CanvasBounds &Beneath) {
  DrawCommand Command;
  Command.Kind = DrawCommandKind::Shapes;
  Command.OnGrid = OnGrid;
  Command.Beneath = Beneath;
  Target.Commands.push_back(Command);
}

void DrawListBuilder::hitRectangle(int Name, float X0, float Y0, float X1, float Y1) {
  HitRegion Region;
  Region.View = CurrentPanel;
  Region.Name = Name;
  Region.X0 = X0;
  Region.Y0 = Y0;
  Region.X1 = X1;
  Region.Y1 = Y1;
  Target.Regions.push_back(Region);
}

void DrawListBuilder::hitUnitBox(int Name, const UnitBoxMap &Box) {
  hitRectangle(Name, 0, 0, 0, 0);
  HitRegion &Region = Target.Regions.back();
  Region.Shape = HitShape::UnitBox;
  Region.Box = Box;
}
