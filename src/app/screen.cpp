// Loading the window's textures from the layout's icon names.
#include "app/screen.h"

#include <GL/freeglut.h>

#include "editor/editor_state.h"
#include "gfx/png_texture.h"
#include "screen/screen_layout.h"

Screen::Screen(const std::string &ImageFolder, bool CacheShapes)
    : AlphabetTexture(loadPngTexture(ImageFolder + AlphabetAtlasPath).name()),
      Shapes(CacheShapes ? glutGetProcAddress : nullptr),
      Renderer([this](PickName Icon) { return iconTexture(Icon); }, AlphabetTexture, &Shapes) {
  for (const ToolWidgetPlace &Place : toolChainPlaces())
    if (!Place.isLabel())
      loadIcon(ImageFolder, Place.Pick, Place.Icon);
  for (size_t I = 0; I < PenMenuSize; ++I)
    loadIcon(ImageFolder, PenMenuOrder[I], penMenuIcons()[I]);
}

// An icon that cannot be loaded keeps texture 0: its Button shows as an
// untextured rectangle of the same place.
void Screen::loadIcon(const std::string &ImageFolder, PickName Icon, const char *File) {
  IconTextures.emplace_back(Icon, loadPngTexture(ImageFolder + IconFolder + File).name());
}

GLuint Screen::iconTexture(PickName Icon) const {
  for (const auto &[Pick, Texture] : IconTextures)
    if (Pick == Icon)
      return Texture;
  return 0;
}

void Screen::sync(const EditorState &E, const Drawing &Picture) { Shapes.sync(Picture, E.Screen); }
