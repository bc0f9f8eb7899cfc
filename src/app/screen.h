// The window's own resources for drawing frames and how it draws them: the
// icon textures of the tool panel's Buttons and the pen menu, the alphabet
// atlas, the layer of drawn Shapes and the back end that draws a frame's
// description. Built once at start-up, with the window's context current.
#ifndef QUOVADRIN_APP_SCREEN_H
#define QUOVADRIN_APP_SCREEN_H

#include <GL/gl.h>
#include <string>

#include "app/gl_frame_renderer.h"
#include "app/shape_layer.h"
#include "files/gray_png.h"
#include "screen/draw_list.h"
#include "screen/icon_set.h"

class Drawing;

class Screen {
public:
  /// Loads every icon and the atlas from below \p ImageFolder (a prefix; ""
  /// is the working directory). Needs a current OpenGL context. Without \p
  /// CacheShapes every frame draws every Shape, as where framebuffer objects
  /// are missing.
  explicit Screen(const std::string &ImageFolder = "", bool CacheShapes = true);
  Screen(const Screen &) = delete;
  Screen &operator=(const Screen &) = delete;

  /// Draws the Shapes of \p Picture that the shape layer lacks, at the size
  /// of \p Layout; draw() does so first.
  void sync(const Drawing &Picture, const WindowLayout &Layout);
  /// Draws \p Frame, whose Shapes are those of \p Picture, with blending
  /// and smoothed lines into the back buffer.
  void draw(const DrawList &Frame, const Drawing &Picture, const WindowLayout &Layout);
  /// Draws \p CanvasPicture (the canvas alone) into the back buffer and
  /// reads the canvas's red component back as grey rows. After a buffer
  /// swap the back buffer need not hold the last frame any more, so the
  /// canvas is always drawn again right before it is read.
  [[nodiscard]] GrayImage readCanvas(const DrawList &CanvasPicture, const Drawing &Picture,
                                     const WindowLayout &Layout);

  GLuint alphabetTexture() const { return AlphabetTexture; }
  /// The texture of the icon of the Button with pick name \p Icon; 0 when
  /// it could not be loaded or there is no such Button.
  GLuint iconTexture(PickName Icon) const { return Icons.find(Icon); }
  const ShapeLayer &shapes() const { return Shapes; }
  const GlFrameRenderer &renderer() const { return Renderer; }

private:
  IconSet<GLuint> Icons;
  GLuint AlphabetTexture = 0;
  ShapeLayer Shapes;
  GlFrameRenderer Renderer;
};

/// Fixed GL state: smooth shading, nothing of the 3D pipeline, blending with
/// source alpha, a white clear colour.
void initGraphicsState();

#endif
