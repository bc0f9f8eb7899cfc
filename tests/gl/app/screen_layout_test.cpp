// The Screen in a real context: the chain order, pick names and places, the
// Labels with their targets, operands and descriptions, the pen menu and its
// placement, the unchanging background, and a start with an icon missing.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/button.h"
#include "app/gl_frame_renderer.h"
#include "app/label.h"
#include "app/screen.h"
#include "editor/editor_state.h"
#include "editor/pen_menu.h"
#include "editor/value_label.h"
#include "gl_app_fixture.h"
#include "gl_pick_support.h"
#include "gl_test_support.h"
#include "model/variable.h"
#include "screen/tool_panel_background.h"

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

std::vector<Button *> chainWidgets(const Screen &Widgets) {
  std::vector<Button *> Linked;
  for (Button *W = Widgets.toolChain(); W; W = W->next())
    Linked.push_back(W);
  return Linked;
}

/// The name the tool panel's picker would report at (X, Y): the later-drawn
/// of two hits wins.
int pickToolPanelAt(const Screen &Widgets, int X, int Y) {
  auto Names = pickNamesAt(256, 768, X, Y, [&] {
    for (Button *W = Widgets.toolChain(); W; W = W->next()) {
      glLoadName(static_cast<GLuint>(W->pickName()));
      W->draw(GL_SELECT);
    }
  });
  if (Names.empty())
    return -1;
  return static_cast<int>(Names.size() >= 2 ? Names[1] : Names[0]);
}

std::vector<unsigned char> drawnBackground(const Screen &Widgets) {
  clearToWhite();
  glViewport(0, 0, 256, 768);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluOrtho2D(0, 256, 768, 0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  (void)Widgets;
  DrawList Background;
  DrawListBuilder Builder(Background);
  appendToolPanelBackground(Builder, backgroundRectangles());
  drawPrimitives(Background);
  std::vector<unsigned char> Pixels(256 * 768 * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, 256, 768, GL_RGB, GL_UNSIGNED_BYTE, Pixels.data());
  return Pixels;
}

/// The tool-chain widget of the value Label picked as \p Pick.
const Label *labelWidget(const Screen &Widgets, PickName Pick) {
  return dynamic_cast<const Label *>(Widgets.findToolWidget(pickValue(Pick)));
}

/// Places the pen menu around the pen, as opening it does.
void placePenMenu(GlApp &App) {
  App.E.Canvas.PenMenu.Corners = penMenuCorners(penCentre(App.S.variables()));
  ++App.E.Canvas.PenMenu.Revision;
  App.Widgets->sync(App.E, App.S.drawing());
}

} // namespace

TEST(ScreenLayout, ChainHoldsEveryWidgetInDrawingOrderWithItsPlace) {
  GlApp App;
  const Screen &Shown = *App.Widgets;
  auto Widgets = chainWidgets(Shown);
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
  EXPECT_TRUE(glIsTexture(Shown.alphabetTexture()));
  // Picking: a later widget on top of an earlier one wins.
  EXPECT_EQ(pickToolPanelAt(Shown, 140, 350), 34); // c on the repeat control
  EXPECT_EQ(pickToolPanelAt(Shown, 170, 380), 14);
  EXPECT_EQ(pickToolPanelAt(Shown, 20, 165), 1);
  EXPECT_EQ(pickToolPanelAt(Shown, 240, 750), 28);
  EXPECT_EQ(pickToolPanelAt(Shown, 240, 300), -1);
}

TEST(ScreenLayout, LabelsShowTheirTargetsAndOperands) {
  GlApp App;
  const Screen &Shown = *App.Widgets;
  const VariableSet &Vars = App.S.variables();
  const PickName Rows[10] = {PickName::FieldX,  PickName::FieldY, PickName::FieldW,
                             PickName::FieldH,  PickName::FieldV, PickName::FieldHorizontal,
                             PickName::FieldD,  PickName::FieldN, PickName::FieldMax,
                             PickName::FieldMin};
  const char *Texts[10] = {"x=0", "y=0", "dx=1", "dy=1",   "h=1",
                           "v=1", "d=0", "n=27", "max=10", "min=0"};
  const char *Descriptions[10] = {
      "Horizontale Rasterpos.", "Vertikale Rasterpos.", "Breite",  "Hoehe",
      "Horizontale Abweichung", "Vertikale Abweichung", "Drehung", "Linienzuglaenge",
      "Maximalzufallswert",     "Minimalzufallwert"};
  const Variable *Targets[10] = {&Vars.x(), &Vars.y(), &Vars.dx(), &Vars.dy(),  &Vars.h(),
                                 &Vars.v(), &Vars.d(), &Vars.n(),  &Vars.max(), &Vars.min()};
  for (int Row = 0; Row < 10; ++Row) {
    SCOPED_TRACE(Texts[Row]);
    const Label *Field = labelWidget(Shown, Rows[Row]);
    ASSERT_NE(Field, nullptr);
    EXPECT_EQ(Field->model().text(), Texts[Row]);
    EXPECT_EQ(Field->description(), Descriptions[Row]);
    EXPECT_EQ(Field->model().target(), Targets[Row]);
    EXPECT_EQ(Field->charWidth(), 16);
    // Constant operands: their name is their value.
    const Variable *Operand = Field->model().operand();
    EXPECT_EQ(Operand->name(), std::to_string(Operand->value()));
  }
  const Label *Count = labelWidget(Shown, PickName::Count);
  const Label *RandomTarget = labelWidget(Shown, PickName::RandomTarget);
  const Label *Upper = labelWidget(Shown, PickName::Upper);
  const Label *Lower = labelWidget(Shown, PickName::Lower);
  ASSERT_TRUE(Count && RandomTarget && Upper && Lower);
  EXPECT_EQ(Count->model().text(), "10");
  EXPECT_EQ(Count->model().target(), &Vars.count());
  EXPECT_EQ(RandomTarget->model().text(), "x");
  EXPECT_EQ(RandomTarget->model().operand(), &Vars.x());
  EXPECT_EQ(RandomTarget->model().target(), &Vars.randomTarget());
  EXPECT_EQ(RandomTarget->charWidth(), 20);
  EXPECT_EQ(Upper->model().text(), "max");
  EXPECT_EQ(Upper->model().operand(), &Vars.max());
  EXPECT_EQ(Lower->model().text(), "min");
  EXPECT_EQ(Lower->model().target(), &Vars.min());
  EXPECT_FALSE(Count->hasDescription());

  // The editor's refresh shows the values of the ten field Labels, and the
  // next frame's sync compiles them: "x=18" covers more of its row than "x=0".
  auto InkOfRowX = [&] {
    startPanelPicture(256, 768);
    glColor4f(1, 1, 1, 1);
    labelWidget(Shown, PickName::FieldX)->draw(GL_RENDER);
    return darkPixelsIn(145, 425, 256, 437);
  };
  const int Before = InkOfRowX();
  Vars.x().setValue(18);
  Vars.min().setValue(-4);
  App.Ed.labels().refreshValues();
  EXPECT_GT(App.Win.Redisplays, 0);
  EXPECT_EQ(labelWidget(Shown, PickName::FieldX)->model().text(), "x=18");
  EXPECT_EQ(labelWidget(Shown, PickName::FieldMin)->model().text(), "min=-4");
  EXPECT_EQ(Count->model().text(), "10");
  App.Widgets->sync(App.E, App.S.drawing());
  EXPECT_GT(InkOfRowX(), Before);
}

TEST(ScreenLayout, PenMenuSurroundsThePenOnTheCanvas) {
  GlApp App;
  const Screen &Shown = *App.Widgets;
  const int Names[9] = {29, 30, 31, 32, 64, 60, 61, 62, 63};
  for (size_t I = 0; I < 9; ++I) {
    EXPECT_EQ(Shown.penMenu()[I]->pickName(), Names[I]);
    EXPECT_EQ(Shown.penMenu()[I]->width(), 40);
    for (Button *W = Shown.toolChain(); W; W = W->next())
      EXPECT_NE(W, Shown.penMenu()[I]);
  }
  placePenMenu(App); // pen in the top-left cell: centre clamped to (80, 80)
  auto PickCanvas = [&](int X, int Y) {
    auto Hit = pickNamesAt(512, 768, X, Y, [&] {
      for (const Button *Item : Shown.penMenu()) {
        glLoadName(static_cast<GLuint>(Item->pickName()));
        Item->draw(GL_SELECT);
      }
    });
    return Hit.empty() ? -1 : static_cast<int>(Hit[0]);
  };
  EXPECT_EQ(PickCanvas(80, 80), 64);
  EXPECT_EQ(PickCanvas(35, 5), 29);   // xyAbs at (30, 0)
  EXPECT_EQ(PickCanvas(139, 81), 62); // dRel at (120, 80)
  EXPECT_EQ(PickCanvas(139, 79), 31); // dAbs at (120, 40)
  EXPECT_EQ(PickCanvas(10, 10), -1);
  App.S.variables().x().setValue(10);
  App.S.variables().y().setValue(12);
  placePenMenu(App); // centre (210, 250) of the canvas
  EXPECT_EQ(Shown.penMenu()[4]->x(), 190);
  EXPECT_EQ(Shown.penMenu()[4]->y(), 230);
  EXPECT_EQ(PickCanvas(210, 250), 64);
  EXPECT_EQ(PickCanvas(80, 80), -1);
}

TEST(ScreenLayout, BackgroundIsTheSameAtEveryStart) {
  std::vector<unsigned char> First;
  {
    GlApp Earlier(424242);
    First = drawnBackground(*Earlier.Widgets);
  }
  GlApp Later(7);
  // Building the screen spends none of the learner's random numbers.
  EXPECT_EQ(Later.S.random().state(), 7u);
  EXPECT_TRUE(First == drawnBackground(*Later.Widgets));
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
  auto App = std::make_unique<GlApp>();
  const std::string Errors = testing::internal::GetCapturedStderr();
  std::filesystem::current_path(Home);
  std::filesystem::remove_all(Partial);

  EXPECT_EQ(std::count(Errors.begin(), Errors.end(), '\n'), 1);
  EXPECT_NE(Errors.find("vorpData/square.png"), std::string::npos);
  EXPECT_EQ(chainWidgets(*App->Widgets).size(), std::size(Chain));
  EXPECT_EQ(pickToolPanelAt(*App->Widgets, 20, 165), 1);
  EXPECT_EQ(pickToolPanelAt(*App->Widgets, 80, 165), 2);
}
