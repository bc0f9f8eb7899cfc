// The Screen in a real context: a texture for every icon of the layout, the
// Labels with their targets, operands and descriptions as the tool panel
// shows them, the unchanging background, and a start with an icon missing.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/gl_frame_renderer.h"
#include "app/screen.h"
#include "editor/editor_state.h"
#include "editor/pen_menu.h"
#include "editor/value_label.h"
#include "gl_app_fixture.h"
#include "gl_test_support.h"
#include "model/variable.h"
#include "screen/screen_layout.h"
#include "screen/tool_panel_background.h"
#include "screen/tool_panel_frame.h"

namespace {

/// Every icon of the layout: the chain's Buttons, then the pen menu's.
std::vector<PickName> layoutIcons() {
  std::vector<PickName> Icons;
  for (const ToolWidgetPlace &Place : toolChainPlaces())
    if (!Place.isLabel())
      Icons.push_back(Place.Pick);
  Icons.insert(Icons.end(), PenMenuOrder.begin(), PenMenuOrder.end());
  return Icons;
}

/// The tool panel as a frame shows it, at 1024 x 768.
void drawToolPanel(GlApp &App) {
  startPanelPicture(256, 768);
  DrawList Panel;
  DrawListBuilder Builder(Panel);
  appendToolPanel(Builder, App.State);
  App.Resources->renderer().draw(Panel, App.Work.drawing(), App.State.Layout);
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

} // namespace

TEST(ScreenLayout, EveryIconOfTheLayoutHasATextureOfItsOwn) {
  GlApp App;
  std::set<GLuint> Textures;
  for (PickName Icon : layoutIcons()) {
    SCOPED_TRACE(pickValue(Icon));
    EXPECT_TRUE(glIsTexture(App.Resources->iconTexture(Icon)));
    Textures.insert(App.Resources->iconTexture(Icon));
  }
  EXPECT_EQ(Textures.size(), layoutIcons().size());
  EXPECT_TRUE(glIsTexture(App.Resources->alphabetTexture()));
  EXPECT_EQ(App.Resources->iconTexture(PickName::FieldX), 0u) << "a Label has no icon";
}

TEST(ScreenLayout, LabelsShowTheirTargetsAndOperands) {
  GlApp App;
  const VariableSet &Vars = App.Work.variables();
  const PickName Rows[10] = {PickName::FieldX,  PickName::FieldY, PickName::FieldDx,
                             PickName::FieldDy, PickName::FieldH, PickName::FieldV,
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
    const ValueLabel *Field = App.State.Labels.byPick(Rows[Row]);
    ASSERT_NE(Field, nullptr);
    EXPECT_EQ(Field->text(), Texts[Row]);
    EXPECT_STREQ(findToolPlace(Rows[Row])->Description, Descriptions[Row]);
    EXPECT_EQ(Field->target(), Targets[Row]);
    // Constant operands: their name is their value.
    const Variable *Operand = Field->operand();
    EXPECT_EQ(Operand->name(), std::to_string(Operand->value()));
  }
  const ValueLabel *Count = App.State.Labels.byPick(PickName::Count);
  const ValueLabel *RandomTarget = App.State.Labels.byPick(PickName::RandomTarget);
  const ValueLabel *Upper = App.State.Labels.byPick(PickName::Upper);
  const ValueLabel *Lower = App.State.Labels.byPick(PickName::Lower);
  ASSERT_TRUE(Count && RandomTarget && Upper && Lower);
  EXPECT_EQ(Count->text(), "10");
  EXPECT_EQ(Count->target(), &Vars.count());
  EXPECT_EQ(RandomTarget->text(), "x");
  EXPECT_EQ(RandomTarget->operand(), &Vars.x());
  EXPECT_EQ(RandomTarget->target(), &Vars.randomTarget());
  EXPECT_EQ(Upper->text(), "max");
  EXPECT_EQ(Upper->operand(), &Vars.max());
  EXPECT_EQ(Lower->text(), "min");
  EXPECT_EQ(Lower->target(), &Vars.min());
  EXPECT_EQ(findToolPlace(PickName::Count)->Description, nullptr);

  // Refreshed, the ten field Labels show their values, and the
  // next frame shows them: "x=18" covers more of its row than "x=0".
  auto InkOfRowX = [&] {
    drawToolPanel(App);
    return darkPixelsIn(145, 425, 256, 437);
  };
  const int Before = InkOfRowX();
  Vars.x().setValue(18);
  Vars.min().setValue(-4);
  for (int Row = 1; Row <= FieldRowCount; ++Row)
    App.State.Labels.row(Row).showValue();
  EXPECT_EQ(App.State.Labels.byPick(PickName::FieldX)->text(), "x=18");
  EXPECT_EQ(App.State.Labels.byPick(PickName::FieldMin)->text(), "min=-4");
  EXPECT_EQ(Count->text(), "10");
  EXPECT_GT(InkOfRowX(), Before);
}

TEST(ScreenLayout, BackgroundIsTheSameAtEveryStart) {
  std::vector<unsigned char> First;
  {
    GlApp Earlier(424242);
    First = drawnBackground(*Earlier.Resources);
  }
  GlApp Later(7);
  // Building the screen spends none of the learner's random numbers.
  EXPECT_EQ(Later.Work.random().state(), 7u);
  EXPECT_TRUE(First == drawnBackground(*Later.Resources));
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
  EXPECT_EQ(App->Resources->iconTexture(PickName::Square), 0u) << "an untextured square";
  EXPECT_TRUE(glIsTexture(App->Resources->iconTexture(PickName::Circle)));
}
