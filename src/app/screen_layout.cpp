// The tool panel's widgets with their pick names and places, the pen menu and
// the background list. The chain order is the drawing and picking order: a
// later widget wins a pick over an earlier one beneath it.
#include "app/screen_layout.h"

#include <GL/gl.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/button.h"
#include "app/label.h"
#include "app/screen_geometry.h"
#include "gfx/png_texture.h"
#include "model/variable.h"

namespace {

// Widgets and the Labels' constant operands live as long as the program.
std::vector<std::unique_ptr<Button>> OwnedWidgets;
std::vector<std::unique_ptr<Variable>> OwnedOperands;

struct ButtonSpec {
  const char *Icon;
  int PickName;
  int X, Y, Width, Height;
};

// Chain rows before the Labels, then after them.
const ButtonSpec LeadingButtons[] = {
    {"quovadrinText.png", 0, 15, 90, 150, 20}, {"square.png", 1, 15, 140, 50, 50},
    {"circle.png", 2, 70, 140, 50, 50},        {"blob.png", 3, 125, 140, 50, 50},
    {"line1.png", 7, 15, 195, 50, 50},         {"line2.png", 8, 70, 195, 50, 50},
    {"line3.png", 9, 125, 195, 50, 50},        {"lloop1.png", 10, 15, 250, 50, 50},
    {"lloop2.png", 11, 70, 250, 50, 50},       {"lloop3.png", 12, 125, 250, 50, 50},
    {"dice.png", 13, 15, 315, 75, 75},         {"while.png", 14, 105, 315, 75, 75},
    {"undo.png", 15, 10, 580, 75, 20},         {"restart.png", 65, 10, 600, 60, 20},
    {"go.png", 16, 10, 630, 175, 100},         {"abs.png", 38, 10, 550, 20, 20},
    {"rel.png", 39, 40, 550, 20, 20},          {"mul.png", 40, 70, 550, 20, 20},
    {"div.png", 41, 100, 550, 20, 20},
};
const ButtonSpec TrailingButtons[] = {
    {"save.png", 17, 10, 740, 60, 20},
    {"load.png", 18, 70, 740, 60, 20},
    {"quit.png", 666, 130, 740, 60, 20},
    {"print.png", 28, 200, 743, 60, 20},
};
// In the order of AppState::penMenu.
const ButtonSpec PenMenuButtons[PenMenuSize] = {
    {"xyAbs.png", 29, 0, 0, 40, 40}, {"hvAbs.png", 30, 0, 0, 40, 40},
    {"dAbs.png", 31, 0, 0, 40, 40},  {"whAbs.png", 32, 0, 0, 40, 40},
    {"stamp.png", 64, 0, 0, 40, 40}, {"xyRel.png", 60, 0, 0, 40, 40},
    {"hvRel.png", 61, 0, 0, 40, 40}, {"dRel.png", 62, 0, 0, 40, 40},
    {"whRel.png", 63, 0, 0, 40, 40},
};

enum class OperandKind { Constant, Working };

struct LabelSpec {
  const char *Name;
  int PickName;
  int X, Y, Width, Height;
  Variable **Target;
  OperandKind Kind;
  const char *Constant; ///< text of the constant operand
  Variable **Working;   ///< the working Variable used as operand
  const char *Description;
};

class ChainBuilder {
public:
  void append(Button *Widget) {
    if (Last)
      Last->setNext(Widget);
    else
      app.toolChain = Widget;
    Last = Widget;
  }

private:
  Button *Last = nullptr;
};

Button *makeButton(const ButtonSpec &Spec) {
  OwnedWidgets.push_back(std::make_unique<Button>(std::string("vorpData/") + Spec.Icon,
                                                  glGenLists(1), Spec.PickName, Spec.X, Spec.Y,
                                                  Spec.Width, Spec.Height));
  return OwnedWidgets.back().get();
}

Label *makeLabel(const LabelSpec &Spec) {
  Variable *Operand = nullptr;
  if (Spec.Kind == OperandKind::Constant) {
    OwnedOperands.push_back(std::make_unique<Variable>(Spec.Constant));
    Operand = OwnedOperands.back().get();
  } else {
    Operand = *Spec.Working;
  }
  // The r Label's single letter needs a wider pick area than the digits.
  const int CharWidth = Spec.PickName == 35 ? 20 : 16;
  auto Widget = std::make_unique<Label>(Spec.Name, CharWidth, static_cast<int>(app.alphabetTexture),
                                        *Spec.Target, Operand, glGenLists(1), Spec.PickName,
                                        Spec.X, Spec.Y, Spec.Width, Spec.Height);
  Label *Result = Widget.get();
  OwnedWidgets.push_back(std::move(Widget));
  if (Spec.Description)
    Result->setDescription(Spec.Description);
  return Result;
}

void compileBackground() {
  app.backgroundList = BackgroundListName;
  glNewList(app.backgroundList, GL_COMPILE);
  glBegin(GL_POLYGON);
  glColor4f(0.6f, 0.6f, 0.6f, 1);
  glVertex2i(0, 0);
  glVertex2i(0, 768);
  glColor4f(1, 1, 1, 1);
  glVertex2i(256, 768);
  glVertex2i(256, 0);
  glEnd();
  glColor4f(1, 1, 1, 1);
  for (const OutlineCorners &Corners : backgroundRectangles()) {
    glBegin(GL_LINE_LOOP);
    for (const Point &Corner : Corners)
      glVertex2f(Corner.x, Corner.y);
    glEnd();
  }
  glEndList();
}

void buildLabels(ChainBuilder &Chain) {
  const LabelSpec Specs[] = {
      {"x", 19, 145, 425, 16, 16, &app.x, OperandKind::Constant, "0", nullptr,
       "Horizontale Rasterpos."},
      {"y", 20, 145, 435, 16, 16, &app.y, OperandKind::Constant, "0", nullptr,
       "Vertikale Rasterpos."},
      {"w", 21, 145, 445, 16, 16, &app.dx, OperandKind::Constant, "1", nullptr, "Breite"},
      {"h", 22, 145, 455, 16, 16, &app.dy, OperandKind::Constant, "1", nullptr, "Hoehe"},
      {"V", 23, 145, 465, 16, 16, &app.h, OperandKind::Constant, "1", nullptr,
       "Horizontale Abweichung"},
      {"H", 24, 145, 475, 16, 16, &app.v, OperandKind::Constant, "1", nullptr,
       "Vertikale Abweichung"},
      {"D", 25, 145, 485, 16, 16, &app.d, OperandKind::Constant, "0", nullptr, "Drehung"},
      {"n", 27, 145, 495, 16, 16, &app.n, OperandKind::Constant, "27", nullptr,
       "Linienzuglaenge"},
      {"c", 34, 135, 345, 7, 10, &app.count, OperandKind::Constant, "10", nullptr, nullptr},
      {"r", 35, 92, 348, 7, 10, &app.r, OperandKind::Working, nullptr, &app.x, nullptr},
      {"max", 36, 145, 505, 16, 16, &app.max, OperandKind::Constant, "10", nullptr,
       "Maximalzufallswert"},
      {"min", 37, 145, 515, 16, 16, &app.min, OperandKind::Constant, "0", nullptr,
       "Minimalzufallwert"},
      {"upper", 58, 15, 305, 7, 10, &app.max, OperandKind::Working, nullptr, &app.max, nullptr},
      {"lower", 59, 15, 390, 7, 10, &app.min, OperandKind::Working, nullptr, &app.min, nullptr},
  };
  Label *Made[std::size(Specs)] = {};
  for (size_t I = 0; I < std::size(Specs); ++I) {
    Made[I] = makeLabel(Specs[I]);
    Chain.append(Made[I]);
  }
  // Parameter rows 1 to 10 in the order x, y, w, h, V, H, D, n, max, min.
  const int SpecOfRow[10] = {0, 1, 2, 3, 4, 5, 6, 7, 10, 11};
  for (int Row = 0; Row < 10; ++Row)
    app.fieldLabels[Row] = Made[SpecOfRow[Row]];
  app.countLabel = Made[8];
  app.randomTargetLabel = Made[9];
  app.upperLabel = Made[12];
  app.lowerLabel = Made[13];
}

void buildPenMenu() {
  for (int I = 0; I < PenMenuSize; ++I)
    app.penMenu[I] = makeButton(PenMenuButtons[I]);
}

} // namespace

void buildScreen() {
  createFixedVariables();
  OwnedWidgets.clear();
  OwnedOperands.clear();
  compileBackground();
  ChainBuilder Chain;
  for (const ButtonSpec &Spec : LeadingButtons)
    Chain.append(makeButton(Spec));
  app.alphabetTexture = static_cast<unsigned>(loadPngTexture(AlphabetAtlasPath));
  buildLabels(Chain);
  for (const ButtonSpec &Spec : TrailingButtons)
    Chain.append(makeButton(Spec));
  buildPenMenu();
}

void placePenMenu() {
  const auto Corners = penMenuCorners(penCentre());
  for (int I = 0; I < PenMenuSize; ++I) {
    app.penMenu[I]->setPosition(Corners[I].X, Corners[I].Y);
    app.penMenu[I]->rebuild();
  }
}
