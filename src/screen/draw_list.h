// The description of one frame, as data: what each panel shows, in the order
// it is drawn, with the colour, texture, line width and matrix each part is
// drawn with, and where each pickable thing lies. Frame builders write it
// from the program's state; back ends (the window's OpenGL, WebGL) only read
// it, so none of them decides what the screen shows, and picking reads the
// regions the builders recorded. Vertices of all commands share one array,
// and a frame is cleared and refilled in place, so building one costs no
// allocations once the arrays have grown.
#ifndef QUOVADRIN_SCREEN_DRAW_LIST_H
#define QUOVADRIN_SCREEN_DRAW_LIST_H

#include <cstdint>
#include <vector>

#include "editor/pick_name.h"
#include "editor/window_layout.h"
#include "screen/canvas_bounds.h"
#include "screen/hit_region.h"
#include "screen/primitive.h"

struct Colour {
  float Red = 1, Green = 1, Blue = 1, Alpha = 1;

  bool operator==(const Colour &Other) const {
    return Red == Other.Red && Green == Other.Green && Blue == Other.Blue && Alpha == Other.Alpha;
  }
  bool operator!=(const Colour &Other) const { return !(*this == Other); }
};

/// A point in the layout units of its command's matrix, with its texture
/// coordinates (t growing downwards in the image) and its colour.
struct DrawVertex {
  float X, Y;
  float S, T;
  Colour Tint;
};

/// What a command samples: nothing, the alphabet atlas, or the icon of the
/// Button with pick name Icon.
enum class TextureKind { None, Atlas, Icon };
struct TextureRef {
  TextureKind Kind = TextureKind::None;
  PickName Icon = PickName::Nothing;

  bool operator==(const TextureRef &Other) const {
    return Kind == Other.Kind && (Kind != TextureKind::Icon || Icon == Other.Icon);
  }
};

/// The matrix a command's vertices are drawn under, starting from the
/// panel's identity: moved, turned by Rotation degrees (when Turned), then
/// scaled.
struct DrawTransform {
  float TranslateX = 0, TranslateY = 0;
  bool Turned = false;
  int Rotation = 0;
  float ScaleX = 1, ScaleY = 1;

  bool operator==(const DrawTransform &Other) const {
    return TranslateX == Other.TranslateX && TranslateY == Other.TranslateY &&
           Turned == Other.Turned && Rotation == Other.Rotation && ScaleX == Other.ScaleX &&
           ScaleY == Other.ScaleY;
  }
};

enum class DrawCommandKind {
  /// Clears the whole screen to white.
  Clear,
  /// From here on, draw into panel View with its projection.
  PanelView,
  /// Vertices FirstVertex.. of one primitive.
  Primitives,
  /// The Drawing's Shapes: grey over the grid when OnGrid (and over what the
  /// frame drew within Beneath, the pen marker), black on white otherwise.
  Shapes,
};

struct DrawCommand {
  DrawCommandKind Kind = DrawCommandKind::Primitives;
  Panel View = Panel::Canvas;
  Primitive Shape = Primitive::Polygon;
  TextureRef Texture;
  float LineWidth = 1;
  DrawTransform Matrix;
  uint32_t FirstVertex = 0;
  uint32_t VertexCount = 0;
  bool OnGrid = false;
  CanvasBounds Beneath;
};

/// One frame: its commands in drawing order and their vertices, and the
/// regions of its pickable things in drawing order.
struct DrawList {
  std::vector<DrawCommand> Commands;
  std::vector<DrawVertex> Vertices;
  std::vector<HitRegion> Regions;

  void clear() {
    Commands.clear();
    Vertices.clear();
    Regions.clear();
  }
  const DrawVertex *verticesOf(const DrawCommand &Command) const {
    return Vertices.data() + Command.FirstVertex;
  }
};

/// Writes a DrawList the way a fixed-function graphics API is driven: a
/// current colour, texture, line width and matrix that every later
/// primitive takes, and begin / vertex / end around each primitive.
class DrawListBuilder {
public:
  explicit DrawListBuilder(DrawList &GivenTarget) : Target(GivenTarget) {}

  void clearScreen();
  /// Starts panel \p Which; the matrix goes back to the identity.
  void panel(Panel Which);
  void setColour(float Red, float Green, float Blue, float Alpha = 1) {
    Current = {Red, Green, Blue, Alpha};
  }
  void setTexture(TextureRef Texture) { CurrentTexture = Texture; }
  void setLineWidth(float Width) { LineWidth = Width; }
  void setTransform(const DrawTransform &Matrix) { CurrentMatrix = Matrix; }
  void resetTransform() { CurrentMatrix = DrawTransform(); }

  void begin(Primitive Kind);
  void vertex(float X, float Y) { texturedVertex(X, Y, 0, 0); }
  void texturedVertex(float X, float Y, float S, float T);
  void end();
  /// A filled rectangle from (X, Y), Width x Height, corners in the order
  /// top left, bottom left, bottom right, top right.
  void rectangle(float X, float Y, float Width, float Height);
  /// A rectangle from (X0, Y0) to (X1, Y1) shaded from grey \p LeftGrey at
  /// its left edge to \p RightGrey at its right edge, corners in the order
  /// of rectangle(); leaves the colour at the right edge's grey.
  void shadedRectangle(float X0, float Y0, float X1, float Y1, float LeftGrey, float RightGrey);
  void shapes(bool OnGrid, const CanvasBounds &Beneath);

  /// Records that the thing called \p Name is picked within the rectangle
  /// between (X0, Y0) and (X1, Y1) of the current panel.
  void hitRectangle(int Name, float X0, float Y0, float X1, float Y1);
  /// Records that the thing called \p Name is picked within the unit box
  /// that \p Box places on the current panel.
  void hitUnitBox(int Name, const UnitBoxMap &Box);

private:
  DrawList &Target;
  Panel CurrentPanel = Panel::Canvas;
  Colour Current;
  TextureRef CurrentTexture;
  float LineWidth = 1;
  DrawTransform CurrentMatrix;
  bool Open = false;
};

#endif
