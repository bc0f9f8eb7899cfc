// The window's own resources for drawing frames: the icon textures of the
// tool panel's Buttons and the pen menu, the alphabet atlas, the layer of
// drawn Shapes, the frame's description that is refilled for each frame and
// the back end that draws it. Built once at start-up; sync() brings the
// shape layer up to date with the state before a frame.
#ifndef QUOVADRIN_APP_SCREEN_H
#define QUOVADRIN_APP_SCREEN_H

#include <GL/gl.h>
#include <string>
#include <utility>
#include <vector>

#include "app/gl_frame_renderer.h"
#include "app/shape_layer.h"
#include "files/image_folder.h"
#include "screen/draw_list.h"

class Drawing;
struct EditorState;

class Screen {
public:
  /// Loads every icon and the atlas from below \p ImageFolder (a prefix; ""
  /// is the working directory). Needs a current OpenGL context. Without \p
  /// CacheShapes every frame draws every Shape, as where framebuffer objects
  /// are missing.
  explicit Screen(const std::string &ImageFolder = "", bool CacheShapes = true);
  Screen(const Screen &) = delete;
  Screen &operator=(const Screen &) = delete;

  /// Draws the Shapes of \p Picture that the shape layer lacks, at the
  /// screen size of \p E.
  void sync(const EditorState &E, const Drawing &Picture);

  GLuint alphabetTexture() const { return AlphabetTexture; }
  /// The texture of the icon of the Button with pick name \p Icon; 0 when
  /// it could not be loaded or there is no such Button.
  GLuint iconTexture(PickName Icon) const;
  const ShapeLayer &shapes() const { return Shapes; }
  /// The description the next frame is built into.
  DrawList &frame() { return Frame; }
  const GlFrameRenderer &renderer() const { return Renderer; }

  /// Whether the last frame showed the canvas with its grid: a saved picture
  /// shows the canvas as the learner last saw it.
  bool LastFrameShowedGrid = true;

private:
  void loadIcon(const std::string &ImageFolder, PickName Icon, const char *File);

  std::vector<std::pair<PickName, GLuint>> IconTextures;
  GLuint AlphabetTexture = 0;
  ShapeLayer Shapes;
  DrawList Frame;
  GlFrameRenderer Renderer;
};

#endif
