// Loading the window's textures, and drawing frames and the saved canvas
// with them.
#include "app/screen.h"

#include <GL/freeglut.h>
#include <vector>

#include "files/image_folder.h"
#include "gfx/png_texture.h"
#include "gfx/read_back.h"

Screen::Screen(const std::string &ImageFolder, bool CacheShapes)
    : AlphabetTexture(loadPngTexture(ImageFolder + AlphabetAtlasPath).name()),
      Shapes(CacheShapes ? glutGetProcAddress : nullptr),
      Renderer([this](PickName Icon) { return iconTexture(Icon); }, AlphabetTexture, &Shapes) {
  // An icon that cannot be loaded keeps texture 0: its Button shows as an
  // untextured rectangle of the same place.
  Icons.load(ImageFolder, [](const std::string &Path) { return loadPngTexture(Path).name(); });
}

void Screen::sync(const Drawing &Picture, const WindowLayout &Layout) {
  Shapes.sync(Picture, Layout);
}

void Screen::draw(const DrawList &Frame, const Drawing &Picture, const WindowLayout &Layout) {
  sync(Picture, Layout);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glHint(GL_LINE_SMOOTH_HINT, GL_DONT_CARE);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  Renderer.draw(Frame, Picture, Layout);
}

GrayImage Screen::readCanvas(const DrawList &CanvasPicture, const Drawing &Picture,
                             const WindowLayout &Layout) {
  sync(Picture, Layout);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_BLEND);
  glEnable(GL_LINE_SMOOTH);
  Renderer.draw(CanvasPicture, Picture, Layout);
  const PanelRect Canvas = Layout.panel(Panel::Canvas);
  GrayImage Image;
  Image.Width = Canvas.Width;
  Image.Height = Canvas.Height;
  const std::vector<float> Red = readBackRed(Canvas.X, 0, Canvas.Width, Canvas.Height);
  Image.Rows = grayRowsFromRed(Red.data(), Canvas.Width, Canvas.Height);
  return Image;
}

void initGraphicsState() {
  glShadeModel(GL_SMOOTH);
  glDisable(GL_LIGHTING);
  glDisable(GL_AUTO_NORMAL);
  glDisable(GL_NORMALIZE);
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_POLYGON_SMOOTH);
  glDisable(GL_FOG);
  glDisable(GL_ALPHA_TEST);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glClear(GL_DEPTH_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  glClearColor(1.0f, 1.0f, 1.0f, 1.0f);
}
