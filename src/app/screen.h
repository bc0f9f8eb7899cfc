// The window's own resources for drawing frames: the icon textures of the
// tool panel's Buttons and the pen menu, the alphabet atlas, the layer of
// drawn Shapes, the frame's description that is refilled for each frame and
// the back end that draws it. The Buttons, Labels and saved-file list are
// kept for selection picking. Built once at start-up; sync() brings them up
// to date with the state before a frame or a pick.
#ifndef QUOVADRIN_APP_SCREEN_H
#define QUOVADRIN_APP_SCREEN_H

#include <GL/gl.h>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/gl_frame_renderer.h"
#include "app/shape_layer.h"
#include "editor/pen_menu.h"
#include "files/image_folder.h"
#include "screen/draw_list.h"

class Button;
class Drawing;
class FileList;
class Label;
struct ToolWidgetPlace;
struct EditorState;

class Screen {
public:
  /// Builds every widget, the Labels showing the Labels of \p E, with the
  /// images below \p ImageFolder (a prefix; "" is the working directory).
  /// Needs a current OpenGL context. Without \p CacheShapes every frame
  /// draws every Shape, as where framebuffer objects are missing.
  explicit Screen(const EditorState &E, const std::string &ImageFolder = "",
                  bool CacheShapes = true);
  ~Screen();
  Screen(const Screen &) = delete;
  Screen &operator=(const Screen &) = delete;

  /// Recompiles what changed since the last call: from \p E the Label
  /// texts, the pen menu's place, the message and the saved-file list; the
  /// Shapes of \p Picture that the shape layer lacks.
  void sync(const EditorState &E, const Drawing &Picture);

  /// The title Button; the chain gives the drawing and picking order.
  Button *toolChain() const { return ToolChain; }
  /// The widget of the tool chain with pick name \p Pick, or null.
  Button *findToolWidget(int Pick) const;
  /// The pen-menu Buttons in PenMenuOrder.
  const std::array<Button *, PenMenuSize> &penMenu() const { return PenMenu; }
  GLuint alphabetTexture() const { return AlphabetTexture; }
  /// The texture of the icon of the Button with pick name \p Icon; 0 when
  /// it could not be loaded or there is no such Button.
  GLuint iconTexture(PickName Icon) const;
  /// The last saved-file list the load Button asked for, or null.
  const FileList *fileList() const { return Files.get(); }
  const ShapeLayer &shapes() const { return Shapes; }
  /// The description the next frame is built into.
  DrawList &frame() { return Frame; }
  const GlFrameRenderer &renderer() const { return Renderer; }

  /// Whether the last frame showed the canvas with its grid: a saved picture
  /// shows the canvas as the learner last saw it.
  bool LastFrameShowedGrid = true;

private:
  Button *addButton(const std::string &ImageFolder, const char *Icon, int Pick, int X, int Y,
                    int Width, int Height);
  void appendToChain(Button *Widget);
  void appendLabel(const EditorState &E, const ToolWidgetPlace &Place);
  void syncWidgets(const EditorState &E);

  std::vector<std::unique_ptr<Button>> Widgets;
  Button *ToolChain = nullptr;
  Button *ChainEnd = nullptr;
  std::vector<Label *> Labels;
  std::array<Button *, PenMenuSize> PenMenu{};
  GLuint AlphabetTexture = 0;
  std::unique_ptr<FileList> Files;
  ShapeLayer Shapes;
  DrawList Frame;
  GlFrameRenderer Renderer;
  unsigned FileListRevision = 0;
  unsigned PenMenuRevision = 0;
};

#endif
