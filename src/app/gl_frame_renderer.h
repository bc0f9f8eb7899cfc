// The window's back end: draws a frame's description with OpenGL 1.x, one
// command after the other, with the colour, texture, line width and matrix
// the description gives. The Shapes come through the shape layer, which
// keeps them in an offscreen texture where the driver allows it.
#ifndef QUOVADRIN_APP_GL_FRAME_RENDERER_H
#define QUOVADRIN_APP_GL_FRAME_RENDERER_H

#include <GL/gl.h>
#include <functional>

#include "editor/window_layout.h"
#include "screen/draw_list.h"

class Drawing;
class ShapeLayer;

/// The texture name of a Button's icon, by its pick name (0 for none).
using IconTextureLookup = std::function<GLuint(PickName)>;

class GlFrameRenderer {
public:
  GlFrameRenderer(IconTextureLookup GivenIcons, GLuint GivenAtlasTexture,
                  const ShapeLayer *GivenShapes)
      : Icons(std::move(GivenIcons)), AtlasTexture(GivenAtlasTexture), Shapes(GivenShapes) {}

  /// Draws \p Frame on a screen laid out as \p Layout; Shapes commands draw
  /// \p Picture.
  void draw(const DrawList &Frame, const Drawing &Picture, const WindowLayout &Layout) const;

private:
  const IconTextureLookup Icons;
  const GLuint AtlasTexture;
  const ShapeLayer *Shapes;
};

/// Draws the primitives of \p Frame alone, under the projection already set,
/// as the shape layer draws the grid into its texture.
void drawPrimitives(const DrawList &Frame);

#endif
