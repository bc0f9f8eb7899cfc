// buildScreen in a real context: the chain order, pick names and places, the
// Labels with their targets, operands and descriptions, the pen menu and its
// placement, the unchanging background, and a start with an icon missing.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/app_state.h"
#include "app/button.h"
#include "app/glut_hooks.h"
#include "app/label.h"
#include "app/screen_layout.h"
#include "exec/random.h"
#include "gl_pick_support.h"
#include "gl_test_support.h"
#include "model/variable.h"

namespace {

struct Place {
  int PickName, X, Y, Width, Height;
};

// The whole tool chain, title to print.
const Place Chain[] = {
    {0, 15, 90, 150, 20},   {1, 15, 140, 50, 50},   {2, 70, 140, 50, 50},
    {3, 125, 140, 50, 50},  {7, 15, 195, 50, 50},   {8, 70, 195, 50, 50},
    {9, 125, 195, 50, 50},  {10, 15, 250, 50, 50},  {11, 70, 250, 50, 50},
    {12, 125, 250, 50, 50}, {13, 15, 315, 75, 75},  {14, 105, 315, 75, 75},
    {15, 10, 580, 75, 20},  {65, 10, 600, 60, 20},  {16, 10, 630, 175, 100},
    {38, 10, 550, 20, 20},  {39, 40, 550, 20, 20},  {40, 70, 550, 20, 20},
    {41, 100, 550, 20, 20}, {19, 145, 425, 16, 16}, {20, 145, 435, 16, 16},
    {21, 145, 445, 16, 16}, {22, 145, 455, 16, 16}, {23, 145, 465, 16, 16},
    {24, 145, 475, 16, 16}, {25, 145, 485, 16, 16}, {27, 145, 495, 16, 16},
    {34, 135, 345, 7, 10},  {35, 92, 348, 7, 10},   {36, 145, 505, 16, 16},
    {37, 145, 515, 16, 16}, {58, 15, 305, 7, 10},   {59, 15, 390, 7, 10},
    {17, 10, 740, 60, 20},  {18, 70, 740, 60, 20},  {666, 130, 740, 60, 20},
    {28, 200, 743, 60, 20},
};

std::vector<Button *> chainWidgets() {
  std::vector<Button *> Widgets;
  for (Button *W = app.toolChain; W; W = W->next())
    Widgets.push_back(W);
  return Widgets;
}

/// The name the tool panel's picker would report at (X, Y): the later-drawn
/// of two hits wins.
int pickToolPanelAt(int X, int Y) {
  auto Names = pickNamesAt(256, 768, X, Y, [] {
    for (Button *W = app.toolChain; W; W = W->next()) {
      glLoadName(static_cast<GLuint>(W->pickName()));
      W->draw(GL_SELECT);
    }
  });
  if (Names.empty())
    return -1;
  return static_cast<int>(Names.size() >= 2 ? Names[1] : Names[0]);
}

std::vector<unsigned char> drawnBackground() {
  clearToWhite();
  glViewport(0, 0, 256, 768);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, 256, 768, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glCallList(app.backgroundList);
  std::vector<unsigned char> Pixels(256 * 768 * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 256, 768, GL_RGB, GL_UNSIGNED_BYTE, Pixels.data());
  return Pixels;
}

} // namespace

TEST(ScreenLayout, ChainHoldsEveryWidgetInDrawingOrderWithItsPlace) {
  buildScreen();
  auto Widgets = chainWidgets();
  ASSERT_EQ(Widgets.size(), std::size(Chain));
  for (size_t I = 0; I < Widgets.size(); ++I) {
    SCOPED_TRACE("chain row " + std::to_string(I + 1));
    EXPECT_EQ(Widgets[I]->pickName(), Chain[I].PickName);
    EXPECT_EQ(Widgets[I]->x(), Chain[I].X);
    EXPECT_EQ(Widgets[I]->y(), Chain[I].Y);
    EXPECT_EQ(Widgets[I]->width(), Chain[I].Width);
    EXPECT_EQ(Widgets[I]->height(), Chain[I].Height);
    for (size_t J = 0; J < I; ++J)
      EXPECT_NE(Widgets[I]->listId(), Widgets[J]->listId());
  }
  EXPECT_EQ(app.backgroundList, 999u);
  EXPECT_TRUE(glIsTexture(app.alphabetTexture));
  // Picking: a later widget on top of an earlier one wins.
  EXPECT_EQ(pickToolPanelAt(140, 350), 34); // c on the repeat control
  EXPECT_EQ(pickToolPanelAt(170, 380), 14);
  EXPECT_EQ(pickToolPanelAt(20, 165), 1);
  EXPECT_EQ(pickToolPanelAt(240, 750), 28);
  EXPECT_EQ(pickToolPanelAt(240, 300), -1);
}

TEST(ScreenLayout, LabelsShowTheirTargetsAndOperands) {
  buildScreen();
  const char *Texts[10] = {"x=0", "y=0", "dx=1", "dy=1", "h=1", "v=1", "d=0", "n=27",
                           "max=10", "min=0"};
  const char *Descriptions[10] = {"Horizontale Rasterpos.", "Vertikale Rasterpos.", "Breite",
                                  "Hoehe", "Horizontale Abweichung", "Vertikale Abweichung",
                                  "Drehung", "Linienzuglaenge", "Maximalzufallswert",
                                  "Minimalzufallwert"};
  Variable *Targets[10] = {app.x, app.y, app.dx, app.dy, app.h,
                           app.v, app.d, app.n,  app.max, app.min};
  for (int Row = 0; Row < 10; ++Row) {
    SCOPED_TRACE(Texts[Row]);
    ASSERT_NE(app.fieldLabels[Row], nullptr);
    EXPECT_EQ(app.fieldLabels[Row]->text(), Texts[Row]);
    EXPECT_EQ(app.fieldLabels[Row]->description(), Descriptions[Row]);
    EXPECT_EQ(app.fieldLabels[Row]->target(), Targets[Row]);
    EXPECT_EQ(app.fieldLabels[Row]->charWidth(), 16);
    // Constant operands: their name is their value.
    const Variable *Operand = app.fieldLabels[Row]->operand();
    EXPECT_EQ(Operand->name(), std::to_string(Operand->value()));
  }
  EXPECT_EQ(app.countLabel->text(), "10");
  EXPECT_EQ(app.countLabel->target(), app.count);
  EXPECT_EQ(app.randomTargetLabel->text(), "x");
  EXPECT_EQ(app.randomTargetLabel->operand(), app.x);
  EXPECT_EQ(app.randomTargetLabel->target(), app.r);
  EXPECT_EQ(app.randomTargetLabel->charWidth(), 20);
  EXPECT_EQ(app.upperLabel->text(), "max");
  EXPECT_EQ(app.upperLabel->operand(), app.max);
  EXPECT_EQ(app.lowerLabel->text(), "min");
  EXPECT_EQ(app.lowerLabel->target(), app.min);
  EXPECT_EQ(app.countLabel->hasDescription(), 0);

  // The program's refresh hook shows the values of the ten field Labels.
  installGlutHooks();
  app.x->setValue(18);
  app.min->setValue(-4);
  refreshValueLabels();
  EXPECT_EQ(app.fieldLabels[0]->text(), "x=18");
  EXPECT_EQ(app.fieldLabels[9]->text(), "min=-4");
  EXPECT_EQ(app.countLabel->text(), "10");
  app.hooks = UiHooks();
}

TEST(ScreenLayout, PenMenuSurroundsThePenOnTheCanvas) {
  buildScreen();
  const int Names[9] = {29, 30, 31, 32, 64, 60, 61, 62, 63};
  for (int I = 0; I < 9; ++I) {
    EXPECT_EQ(app.penMenu[I]->pickName(), Names[I]);
    EXPECT_EQ(app.penMenu[I]->width(), 40);
    for (Button *W = app.toolChain; W; W = W->next())
      EXPECT_NE(W, app.penMenu[I]);
  }
  placePenMenu(); // pen in the top-left cell: centre clamped to (80, 80)
  auto PickCanvas = [](int X, int Y) {
    auto Hit = pickNamesAt(512, 768, X, Y, [] {
      for (Button *Item : app.penMenu) {
        glLoadName(static_cast<GLuint>(Item->pickName()));
        Item->draw(GL_SELECT);
      }
    });
    return Hit.empty() ? -1 : static_cast<int>(Hit[0]);
  };
  EXPECT_EQ(PickCanvas(80, 80), 64);
  EXPECT_EQ(PickCanvas(35, 5), 29);  // xyAbs at (30, 0)
  EXPECT_EQ(PickCanvas(139, 81), 62); // dRel at (120, 80)
  EXPECT_EQ(PickCanvas(139, 79), 31); // dAbs at (120, 40)
  EXPECT_EQ(PickCanvas(10, 10), -1);
  app.x->setValue(10);
  app.y->setValue(12);
  placePenMenu(); // centre (210, 250) of the canvas
  EXPECT_EQ(app.penMenu[4]->x(), 190);
  EXPECT_EQ(app.penMenu[4]->y(), 230);
  EXPECT_EQ(PickCanvas(210, 250), 64);
  EXPECT_EQ(PickCanvas(80, 80), -1);
}

TEST(ScreenLayout, BackgroundIsTheSameAtEveryStart) {
  seedRandom(424242u);
  buildScreen();
  const auto First = drawnBackground();
  seedRandom(7u);
  const uint32_t Before = randomState();
  buildScreen();
  EXPECT_EQ(randomState(), Before);
  EXPECT_TRUE(First == drawnBackground());
  // Grey at the left edge, white at the right: a horizontal gradient.
  const auto Left = pixelAt(0, 700);
  const auto Right = pixelAt(255, 700);
  EXPECT_NEAR(Left[0], 153, 3);
  EXPECT_NEAR(Right[0], 254, 2);
}

TEST(ScreenLayout, MissingIconIsReportedOnceAndTheLayoutStays) {
  const auto Home = std::filesystem::current_path();
  const auto Partial = Home / "partial_workspace";
  std::filesystem::create_directories(Partial);
  std::filesystem::copy(Home / "vorpData", Partial / "vorpData");
  std::filesystem::copy(Home / "alphabetTextures", Partial / "alphabetTextures");
  std::filesystem::remove(Partial / "vorpData" / "square.png");
  std::filesystem::current_path(Partial);
  testing::internal::CaptureStderr();
  buildScreen();
  const std::string Errors = testing::internal::GetCapturedStderr();
  std::filesystem::current_path(Home);
  std::filesystem::remove_all(Partial);

  EXPECT_EQ(std::count(Errors.begin(), Errors.end(), '\n'), 1);
  EXPECT_NE(Errors.find("vorpData/square.png"), std::string::npos);
  EXPECT_EQ(chainWidgets().size(), std::size(Chain));
  EXPECT_EQ(pickToolPanelAt(20, 165), 1);
  EXPECT_EQ(pickToolPanelAt(80, 165), 2);
}
