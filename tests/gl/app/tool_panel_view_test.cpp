// The tool panel as drawn at 1024 x 768: background, the highlights of the
// chosen tool, parameter row and control, and the widgets over them.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/gl_frame_renderer.h"
#include "gl_app_fixture.h"
#include "gl_test_support.h"
#include "screen/tool_panel_frame.h"

namespace {

void drawPanel(GlApp &App) {
  clearToWhite();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  DrawList Panel;
  DrawListBuilder Builder(Panel);
  appendToolPanel(Builder, App.State);
  App.Resources->renderer().draw(Panel, App.Work.drawing(), App.State.Layout);
}

// The background's grey at a layout x: 0.6 at the left edge to 1 at 256.
int backgroundGrey(int X) { return static_cast<int>(255 * (0.6 + 0.4 * (X + 0.5) / 256)); }

} // namespace

TEST(ToolPanelView, HighlightsFollowTheSelections) {
  GlApp App; // the start-up selections: square, row 1, the dice
  drawPanel(App);
  // Square tool (15, 140): the highlight's left edge is grey 0.5.
  EXPECT_NEAR(pixelAt(15, 188)[0], 128, 6);
  EXPECT_NEAR(pixelAt(70, 188)[0], backgroundGrey(70), 4);
  // Row 1 bar from y 425 to 435, right of the value text.
  EXPECT_NEAR(pixelAt(235, 430)[0], 191, 3);
  EXPECT_NEAR(pixelAt(235, 440)[0], backgroundGrey(235), 4);
  // Dice control (15, 315, 75 x 75) highlighted, repeat not.
  EXPECT_NEAR(pixelAt(15, 388)[0], 128, 6);
  EXPECT_NEAR(pixelAt(105, 388)[0], backgroundGrey(105), 4);
  // The title is drawn over all of it.
  EXPECT_GT(darkPixelsIn(15, 100, 165, 101), 10);

  App.State.Tools.SelectedTool = ShapeKind::SoftPolyline;
  App.State.Tools.SelectedFieldRow = 10;
  App.State.Tools.SelectedControl = PickName::Repeat;
  drawPanel(App);
  EXPECT_NEAR(pixelAt(15, 188)[0], backgroundGrey(15), 4);
  EXPECT_NEAR(pixelAt(125, 298)[0], 128, 6);
  EXPECT_NEAR(pixelAt(235, 520)[0], 191, 3);
  EXPECT_NEAR(pixelAt(235, 430)[0], backgroundGrey(235), 4);
  EXPECT_NEAR(pixelAt(105, 388)[0], 128, 6);
  EXPECT_NEAR(pixelAt(15, 388)[0], backgroundGrey(15), 4);

  // The upper Label's highlight is as wide as its operand's name, 3 x 7.
  App.State.Tools.SelectedControl = PickName::Upper;
  drawPanel(App);
  EXPECT_LT(pixelAt(15, 306)[0], 150);
  EXPECT_NEAR(pixelAt(40, 314)[0], backgroundGrey(40), 4);
}
