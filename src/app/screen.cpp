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

namespace {

struct ButtonSpec {
  const char *Icon;
  PickName Pick;
  int X, Y, Width, Height;
};

// Chain rows before the Labels, then after them.
const ButtonSpec LeadingButtons[] = {
    {"quovadrinText.png", PickName::Title, 15, 90, 150, 20},
    {"square.png", PickName::Square, 15, 140, 50, 50},
    {"circle.png", PickName::Circle, 70, 140, 50, 50},
    {"blob.png", PickName::Blob, 125, 140, 50, 50},
    {"line1.png", PickName::RasterLine, 15, 195, 50, 50},
    {"line2.png", PickName::FreeLine, 70, 195, 50, 50},
    {"line3.png", PickName::SoftLine, 125, 195, 50, 50},
    {"lloop1.png", PickName::RasterPolyline, 15, 250, 50, 50},
    {"lloop2.png", PickName::FreePolyline, 70, 250, 50, 50},
    {"lloop3.png", PickName::SoftPolyline, 125, 250, 50, 50},
    {"dice.png", PickName::Dice, 15, 315, 75, 75},
    {"while.png", PickName::Repeat, 105, 315, 75, 75},
    {"undo.png", PickName::Undo, 10, 580, 75, 20},
    {"restart.png", PickName::Restart, 10, 600, 60, 20},
    {"go.png", PickName::Go, 10, 630, 175, 100},
    {"abs.png", PickName::Abs, 10, 550, 20, 20},
    {"rel.png", PickName::Rel, 40, 550, 20, 20},
    {"mul.png", PickName::Mul, 70, 550, 20, 20},
    {"div.png", PickName::Div, 100, 550, 20, 20},
};
const ButtonSpec TrailingButtons[] = {
    {"save.png", PickName::Save, 10, 740, 60, 20},
    {"load.png", PickName::Load, 70, 740, 60, 20},
    {"quit.png", PickName::Quit, 130, 740, 60, 20},
    {"print.png", PickName::Print, 200, 743, 60, 20},
};

// The pen-menu icons in PenMenuOrder; placed when the menu opens.
const char *const PenMenuIcons[PenMenuSize] = {"xyAbs.png", "hvAbs.png", "dAbs.png",
                                               "whAbs.png", "stamp.png", "xyRel.png",
                                               "hvRel.png", "dRel.png",  "whRel.png"};

struct LabelSpec {
  PickName Pick;
  int X, Y, Width, Height;
  const char *Description;
};

// In the chain's order, which is FieldLabels' order.
const LabelSpec LabelSpecs[FieldLabels::Size] = {
    {PickName::FieldX, 145, 425, 16, 16, "Horizontale Rasterpos."},
    {PickName::FieldY, 145, 435, 16, 16, "Vertikale Rasterpos."},
    {PickName::FieldW, 145, 445, 16, 16, "Breite"},
    {PickName::FieldH, 145, 455, 16, 16, "Hoehe"},
    {PickName::FieldV, 145, 465, 16, 16, "Horizontale Abweichung"},
    {PickName::FieldHorizontal, 145, 475, 16, 16, "Vertikale Abweichung"},
    {PickName::FieldD, 145, 485, 16, 16, "Drehung"},
    {PickName::FieldN, 145, 495, 16, 16, "Linienzuglaenge"},
    {PickName::Count, 135, 345, 7, 10, nullptr},
    {PickName::RandomTarget, 92, 348, 7, 10, nullptr},
    {PickName::FieldMax, 145, 505, 16, 16, "Maximalzufallswert"},
    {PickName::FieldMin, 145, 515, 16, 16, "Minimalzufallwert"},
    {PickName::Upper, 15, 305, 7, 10, nullptr},
    {PickName::Lower, 15, 390, 7, 10, nullptr},
};

} // namespace

Screen::Screen(const EditorState &E, const std::string &ImageFolder, bool CacheShapes)
    : Shapes(CacheShapes ? glutGetProcAddress : nullptr) {
  BackgroundList = compileBackground();
  for (const ButtonSpec &Spec : LeadingButtons)
    appendToChain(addButton(ImageFolder, Spec.Icon, pickValue(Spec.Pick), Spec.X, Spec.Y,
                            Spec.Width, Spec.Height));
  AlphabetTexture = loadPngTexture(ImageFolder + AlphabetAtlasPath).name();
  buildLabels(E);
  for (const ButtonSpec &Spec : TrailingButtons)
    appendToChain(addButton(ImageFolder, Spec.Icon, pickValue(Spec.Pick), Spec.X, Spec.Y,
                            Spec.Width, Spec.Height));
  for (int I = 0; I < PenMenuSize; ++I)
    PenMenu[static_cast<size_t>(I)] =
        addButton(ImageFolder, PenMenuIcons[I], pickValue(PenMenuOrder[static_cast<size_t>(I)]), 0,
                  0, PenMenuButtonSide, PenMenuButtonSide);
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

void Screen::buildLabels(const EditorState &E) {
  for (size_t I = 0; I < FieldLabels::Size; ++I) {
    const LabelSpec &Spec = LabelSpecs[I];
    const ValueLabel &Model = E.Labels.at(I);
    // The r Label's single letter needs a wider pick area than the digits.
    const int CharWidth = Spec.Pick == PickName::RandomTarget ? 20 : 16;
    auto Widget = std::make_unique<Label>(Model, CharWidth, AlphabetTexture, glGenLists(1), Spec.X,
                                          Spec.Y, Spec.Width, Spec.Height);
    if (Spec.Description)
      Widget->setDescription(Spec.Description);
    Labels.push_back(Widget.get());
    appendToChain(Widget.get());
    Widgets.push_back(std::move(Widget));
  }
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
