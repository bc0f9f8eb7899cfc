// The window's textures and widgets, built from the layout. The chain order
// is the picking order: a later widget wins a pick over an earlier one
// beneath it.
#include "app/screen.h"

#include <GL/freeglut.h>
#include <string>

#include "app/button.h"
#include "app/file_list.h"
#include "app/label.h"
#include "editor/editor_state.h"
#include "screen/screen_layout.h"

Screen::Screen(const EditorState &E, const std::string &ImageFolder, bool CacheShapes)
    : AlphabetTexture(loadPngTexture(ImageFolder + AlphabetAtlasPath).name()),
      Shapes(CacheShapes ? glutGetProcAddress : nullptr),
      Renderer([this](PickName Icon) { return iconTexture(Icon); }, AlphabetTexture, &Shapes) {
  for (const ToolWidgetPlace &Place : toolChainPlaces()) {
    if (Place.isLabel()) {
      appendLabel(E, Place);
      continue;
    }
    appendToChain(addButton(ImageFolder, Place.Icon, pickValue(Place.Pick), Place.Place.X,
                            Place.Place.Y, Place.Place.Width, Place.Place.Height));
  }
  for (size_t I = 0; I < PenMenuSize; ++I)
    PenMenu[I] = addButton(ImageFolder, penMenuIcons()[I], pickValue(PenMenuOrder[I]), 0, 0,
                           PenMenuButtonSide, PenMenuButtonSide);
  syncWidgets(E);
}

Screen::~Screen() = default;

Button *Screen::addButton(const std::string &ImageFolder, const char *Icon, int Pick, int X, int Y,
                          int Width, int Height) {
  Widgets.push_back(std::make_unique<Button>(ImageFolder + IconFolder + Icon, glGenLists(1), Pick,
                                             X, Y, Width, Height));
  return Widgets.back().get();
}

void Screen::appendToChain(Button *Widget) {
  if (ChainEnd)
    ChainEnd->setNext(Widget);
  else
    ToolChain = Widget;
  ChainEnd = Widget;
}

void Screen::appendLabel(const EditorState &E, const ToolWidgetPlace &Place) {
  const ValueLabel &Model = E.Labels.at(static_cast<size_t>(Place.LabelIndex));
  const LayoutRect &R = Place.Place;
  auto Widget = std::make_unique<Label>(Model, Place.CharWidth, AlphabetTexture, glGenLists(1), R.X,
                                        R.Y, R.Width, R.Height);
  if (Place.Description)
    Widget->setDescription(Place.Description);
  Labels.push_back(Widget.get());
  appendToChain(Widget.get());
  Widgets.push_back(std::move(Widget));
}

GLuint Screen::iconTexture(PickName Icon) const {
  for (const auto &Widget : Widgets)
    if (Widget->pickName() == pickValue(Icon))
      return Widget->texture();
  return 0;
}

Button *Screen::findToolWidget(int Pick) const {
  for (Button *Widget = ToolChain; Widget; Widget = Widget->next())
    if (Widget->pickName() == Pick)
      return Widget;
  return nullptr;
}

void Screen::sync(const EditorState &E, const Drawing &Picture) {
  syncWidgets(E);
  Shapes.sync(Picture, E.Screen);
}

void Screen::syncWidgets(const EditorState &E) {
  for (Label *Widget : Labels)
    Widget->sync();
  if (PenMenuRevision != E.Canvas.PenMenu.Revision) {
    PenMenuRevision = E.Canvas.PenMenu.Revision;
    for (size_t I = 0; I < PenMenu.size(); ++I) {
      PenMenu[I]->setPosition(E.Canvas.PenMenu.Corners[I].X, E.Canvas.PenMenu.Corners[I].Y);
      PenMenu[I]->rebuild();
    }
  }
  if (FileListRevision != E.Files.List.Revision) {
    FileListRevision = E.Files.List.Revision;
    Files = std::make_unique<FileList>(AlphabetTexture, E.Files.List.Files);
  }
}
