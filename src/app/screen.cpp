// The tool panel's widgets with their pick names and places, the pen menu and
// the background list. The chain order is the drawing and picking order: a
// later widget wins a pick over an earlier one beneath it.
#include "app/screen.h"

#include <GL/freeglut.h>
#include <string>

#include "app/background.h"
#include "app/button.h"
#include "app/file_list.h"
#include "app/label.h"
#include "app/message_box.h"
#include "editor/editor_state.h"
#include "screen/screen_layout.h"

Screen::Screen(const EditorState &E, const std::string &ImageFolder, bool CacheShapes)
    : Shapes(CacheShapes ? glutGetProcAddress : nullptr) {
  BackgroundList = compileBackground();
  AlphabetTexture = loadPngTexture(ImageFolder + AlphabetAtlasPath).name();
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
  if (PenMenuRevision != E.PenMenu.Revision) {
    PenMenuRevision = E.PenMenu.Revision;
    for (size_t I = 0; I < PenMenu.size(); ++I) {
      PenMenu[I]->setPosition(E.PenMenu.Corners[I].X, E.PenMenu.Corners[I].Y);
      PenMenu[I]->rebuild();
    }
  }
  if (E.Popup.present() && MessageRevision != E.Popup.revision()) {
    MessageRevision = E.Popup.revision();
    Message = std::make_unique<MessageBox>(AlphabetTexture, E.Popup.text(), LayoutWidth / 4,
                                           LayoutHeight / 2);
  }
  if (FileListRevision != E.FileList.Revision) {
    FileListRevision = E.FileList.Revision;
    Files = std::make_unique<FileList>(AlphabetTexture, E.FileList.Files);
  }
}
