// Everything the window shows that has a picture of its own: the tool
// panel's background, its Buttons and Labels in the order they are drawn and
// picked, the pen menu, the alphabet atlas, the message popup, the saved-file
// list and the layer of drawn Shapes. Built once at start-up; sync() brings
// the compiled pictures up to date with the state before a frame or a pick.
#ifndef QUOVADRIN_APP_SCREEN_H
#define QUOVADRIN_APP_SCREEN_H

#include <GL/gl.h>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/shape_layer.h"
#include "editor/pen_menu.h"
#include "files/image_folder.h"

class Button;
class Drawing;
class FileList;
class Label;
class MessageBox;
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
  GLuint backgroundList() const { return BackgroundList; }
  GLuint alphabetTexture() const { return AlphabetTexture; }
  /// The current message's box, null before the first message.
  const MessageBox *messageBox() const { return Message.get(); }
  /// The last saved-file list the load Button asked for, or null.
  const FileList *fileList() const { return Files.get(); }
  const ShapeLayer &shapes() const { return Shapes; }

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
  GLuint BackgroundList = 0;
  GLuint AlphabetTexture = 0;
  std::unique_ptr<MessageBox> Message;
  std::unique_ptr<FileList> Files;
  ShapeLayer Shapes;
  unsigned MessageRevision = 0;
  unsigned FileListRevision = 0;
  unsigned PenMenuRevision = 0;
};

#endif
