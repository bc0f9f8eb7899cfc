// The Drawing's Shapes kept in a texture the size of the canvas: each Shape
// is drawn into it once, when it appears, and every frame lays the texture
// over the canvas, so that a frame costs the same with ten thousand Shapes
// as with none. The texture holds the lines' coverage; the frame tints it
// grey over the grid, or black on the white canvas of a finished run.
#ifndef QUOVADRIN_WEBGL_SHAPE_TEXTURE_H
#define QUOVADRIN_WEBGL_SHAPE_TEXTURE_H

#include <GLES2/gl2.h>
#include <vector>

#include "editor/window_layout.h"
#include "screen/draw_list.h"

class Drawing;
class DrawProgram;
class Shape;

class ShapeTexture {
public:
  explicit ShapeTexture(const DrawProgram &Program);
  ~ShapeTexture();
  ShapeTexture(const ShapeTexture &) = delete;
  ShapeTexture &operator=(const ShapeTexture &) = delete;

  /// Draws the Shapes of \p Picture added since the last call into the
  /// texture; a cleared Drawing or a new canvas size starts it afresh.
  /// Leaves the default framebuffer bound; the caller sets its viewport.
  void sync(const Drawing &Picture, const WindowLayout &Layout);
  /// Lays the texture over the canvas, whose view must be set: the Shapes
  /// in grey when \p OnGrid, in black otherwise. Binds its own buffer.
  void draw(bool OnGrid) const;

private:
  void resize(const WindowLayout &Layout);
  void drawShapes(const Shape *First);

  const DrawProgram &Program;
  GLuint Texture = 0;
  GLuint Framebuffer = 0;
  GLuint Buffer = 0;
  int Width = 0, Height = 0;
  int CanvasLayoutWidth = ::CanvasLayoutWidth;
  /// What the texture holds: the Shapes of Generation up to LastDrawn.
  unsigned Generation = 0;
  const Shape *LastDrawn = nullptr;
  bool Started = false;
  /// The segments of the Shapes being drawn, reused between calls.
  std::vector<DrawVertex> Segments;
};

#endif
