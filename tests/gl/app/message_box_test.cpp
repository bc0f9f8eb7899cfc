// The message popup in a real context: its box on the canvas, its text from
// the atlas, and how a new message replaces the current one. (That it is
// never picked, the picking comparison over the whole screen shows.)
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/canvas_view.h"
#include "app/gl_frame_renderer.h"
#include "app/screen.h"
#include "editor/editor_state.h"
#include "files/image_folder.h"
#include "gfx/png_texture.h"
#include "gl_app_fixture.h"
#include "gl_test_support.h"
#include "screen/canvas_frame.h"

namespace {

// The canvas is the middle half of the window; at 1024 x 768 one layout unit
// is one pixel, and canvas x 0 is window x 256.
constexpr int CanvasLeft = CanvasLayoutLeft; // the test window shows one pixel per unit

GLuint atlas() {
  static const GLuint Texture = loadPngTexture(AlphabetAtlasPath).name();
  return Texture;
}

/// What lies over the canvas picture while \p Text is the visible message,
/// on a white canvas.
void drawOnCanvas(const std::string &Text) {
  Session S(1);
  EditorState E(S.variables());
  E.Popup.replace(Text);
  E.Popup.Visible = true;
  clearToWhite();
  setCanvasView(WindowLayout(ScreenSize{GlTestWindowWidth, GlTestWindowHeight}));
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  DrawList Overlays;
  DrawListBuilder Builder(Overlays);
  appendCanvasOverlays(Builder, S, E);
  GlFrameRenderer([](PickName) -> GLuint { return 0; }, atlas(), nullptr)
      .draw(Overlays, S.drawing(), E.Layout);
}

} // namespace

TEST(MessageBox, SitsCentredOnTheCanvasWithItsTextInside) {
  // 105 units wide from x = 256 - 105 / 2, truncated, 20 high from y = 374.
  drawOnCanvas("Zuviele Befehle");
  // Grey 0.8 inside, below the text; white just outside the outline.
  EXPECT_NEAR(pixelAt(CanvasLeft + 300, 391)[0], 204, 3);
  EXPECT_NEAR(pixelAt(CanvasLeft + 206, 376)[0], 204, 3);
  EXPECT_EQ(pixelAt(CanvasLeft + 200, 384)[0], 255);
  EXPECT_EQ(pixelAt(CanvasLeft + 313, 384)[0], 255);
  EXPECT_EQ(pixelAt(CanvasLeft + 250, 370)[0], 255);
  EXPECT_EQ(pixelAt(CanvasLeft + 250, 397)[0], 255);
  // The outline is darker than the grey inside.
  EXPECT_LT(pixelAt(CanvasLeft + 204, 384)[0], 190);
  // The text: 2.25 units right of and 3.375 below the corner, one glyph cell
  // (11.475) high, about 98 units long.
  DarkBox Text = darkBoundingBox(CanvasLeft + 190, 360, 140, 50, 110);
  ASSERT_TRUE(Text.Found);
  EXPECT_GE(Text.Left, CanvasLeft + 206);
  EXPECT_LE(Text.Left, CanvasLeft + 210);
  EXPECT_GE(Text.Top, 377);
  EXPECT_LE(Text.Bottom, 389);
  EXPECT_GE(Text.Right, CanvasLeft + 290);
  EXPECT_LE(Text.Right, CanvasLeft + 304);
}

TEST(MessageBox, EmptyTextGivesALineAndPercentSignsStay) {
  drawOnCanvas("");
  // Only the outline's two vertical edges, on top of each other.
  EXPECT_LT(pixelAt(CanvasLeft + 255, 384)[0] + pixelAt(CanvasLeft + 256, 384)[0], 480);
  EXPECT_EQ(pixelAt(CanvasLeft + 250, 384)[0], 255);
  EXPECT_EQ(pixelAt(CanvasLeft + 262, 384)[0], 255);
  EXPECT_EQ(darkPixelsIn(CanvasLeft + 230, 360, CanvasLeft + 290, 400), 0);

  // 77 units wide from x = 218.
  drawOnCanvas("100% fertig");
  // The percent sign follows "100" (pen 10 + 25 + 35 + 35 = 105, scaled 23.6)
  // and is 45 wide (10.1 units); a space (30) follows it.
  const int Sign = CanvasLeft + 218 + 24;
  EXPECT_GT(darkPixelsIn(Sign, 377, Sign + 10, 389), 15);
  EXPECT_EQ(darkPixelsIn(Sign + 11, 377, Sign + 16, 389), 0);
}

TEST(MessageBox, ANewMessageReplacesTheShownOne) {
  GlApp App;
  App.showMessage("Teste Dich doch selber!");
  EXPECT_TRUE(App.State.Popup.Visible);
  App.frame();
  const int Box = CanvasLeft + 256 - 161 / 2;
  EXPECT_GT(darkPixelsIn(Box + 120, 377, Box + 160, 389), 15) << "the long message's end";

  App.State.Popup.Visible = false;
  App.showMessage("kurz");
  App.frame();
  EXPECT_TRUE(App.State.Popup.Visible);
  EXPECT_EQ(darkPixelsIn(Box + 120, 377, Box + 160, 389), 0) << "nothing left of the old box";
  EXPECT_GT(darkPixelsIn(CanvasLeft + 242, 377, CanvasLeft + 270, 389), 15) << "the new text";
}
