// The web page's back end: draws a frame's description with WebGL 1 (OpenGL
// ES 2), as the desktop's back end draws it with OpenGL 1.x: panel by panel,
// each command with its colour, texture, line width and matrix. Quads and
// polygons become triangles; the Shapes come from the shape texture.
#ifndef QUOVADRIN_WEBGL_FRAME_RENDERER_H
#define QUOVADRIN_WEBGL_FRAME_RENDERER_H

#include <GLES2/gl2.h>
#include <string>
#include <vector>

#include "editor/window_layout.h"
#include "screen/draw_list.h"
#include "screen/icon_set.h"
#include "webgl/draw_program.h"
#include "webgl/shape_texture.h"

class Drawing;

class FrameRenderer {
public:
  /// Loads the icons and the atlas below \p ImageFolder (a path prefix) and
  /// sets the fixed state: blending with source alpha, a white clear colour.
  /// Needs a current WebGL context.
  explicit FrameRenderer(const std::string &ImageFolder);
  ~FrameRenderer();
  FrameRenderer(const FrameRenderer &) = delete;
  FrameRenderer &operator=(const FrameRenderer &) = delete;

  /// Whether the shaders compiled: without them nothing can be drawn.
  bool ready() const { return Program.ready(); }
  /// Brings the shape texture up to date with \p Picture; before a frame.
  void syncShapes(const Drawing &Picture, const WindowLayout &Layout);
  /// Draws \p Frame on a screen laid out as \p Layout.
  void draw(const DrawList &Frame, const WindowLayout &Layout);
  /// Lines are drawn \p Pixels drawing-buffer pixels wide (at least 1):
  /// WebGL draws lines one pixel wide whatever the line width asked, so a
  /// buffer at twice the density draws each line once more, a pixel to the
  /// right and down, and it shows as wide as at ratio 1.
  void setLineScale(int Pixels) { LineScale = Pixels < 1 ? 1 : Pixels; }

private:
  /// A run of draws with one state: consecutive commands of one panel that
  /// share texture, line width and kind (filled or lines) become one draw,
  /// their vertices moved by their own matrices beforehand, since every
  /// draw call costs a software renderer dearly.
  struct Batch {
    DrawCommandKind Kind = DrawCommandKind::Primitives;
    const DrawCommand *Source = nullptr;
    bool Lines = false;
    TextureRef Texture;
    float LineWidth = 1;
    uint32_t First = 0, Count = 0;
  };

  void upload(const DrawList &Frame);
  void appendPrimitives(const DrawList &Frame, const DrawCommand &Command);
  void drawBatch(const Batch &Run);
  void setTexture(const TextureRef &Texture);

  DrawProgram Program;
  ShapeTexture Shapes;
  GLuint Buffer = 0;
  GLuint AtlasTexture = 0;
  IconSet<GLuint> Icons;
  /// The frame's vertices as uploaded: triangles and segments in panel
  /// layout units, in drawing order, and the runs that draw them.
  std::vector<DrawVertex> Uploaded;
  std::vector<Batch> Batches;
  /// The panel being drawn, in drawing-buffer pixels.
  PanelRect CurrentPanel{0, 0, 0, 0, LayoutWidth};
  int LineScale = 1;
};

/// The grey bytes (top row first) of the canvas as the last drawing left it
/// in the drawing buffer, read before the browser shows the frame.
std::vector<unsigned char> readCanvasGray(const WindowLayout &Layout);

#endif
