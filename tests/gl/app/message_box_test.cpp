// The message popup in a real context: its box on the canvas, its text from
// the atlas, that it is never picked, and how a new message replaces the
// current one.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/canvas_view.h"
#include "app/message_box.h"
#include "app/screen.h"
#include "editor/editor_state.h"
#include "gfx/png_texture.h"
#include "gl_app_fixture.h"
#include "gl_pick_support.h"
#include "gl_test_support.h"

namespace {

// The canvas is the middle half of the window; at 1024 x 768 one layout unit
// is one pixel, and canvas x 0 is window x 256.
constexpr int CanvasLeft = GlTestWindowWidth / 4;

GLuint atlas() {
  static const GLuint Texture = loadPngTexture(AlphabetAtlasPath).name();
  return Texture;
}

void drawOnCanvas(const MessageBox &Box) {
  clearToWhite();
  setCanvasView(ScreenSize{GlTestWindowWidth, GlTestWindowHeight});
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  Box.draw(GL_RENDER);
}

} // namespace

TEST(MessageBox, SitsCentredOnTheCanvasWithItsTextInside) {
  MessageBox Box(atlas(), "Zuviele Befehle", 256, 384);
  EXPECT_EQ(Box.width(), 105);
  EXPECT_EQ(Box.height(), 20);
  EXPECT_EQ(Box.x(), 204); // 256 - 105 / 2, truncated
  EXPECT_EQ(Box.y(), 374);
  EXPECT_EQ(Box.texture(), atlas());
  EXPECT_TRUE(glIsList(Box.listId()));

  drawOnCanvas(Box);
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
  MessageBox Empty(atlas(), "", 256, 384);
  EXPECT_EQ(Empty.width(), 0);
  EXPECT_EQ(Empty.x(), 256);
  EXPECT_EQ(Empty.y(), 374);
  drawOnCanvas(Empty);
  // Only the outline's two vertical edges, on top of each other.
  EXPECT_LT(pixelAt(CanvasLeft + 255, 384)[0] + pixelAt(CanvasLeft + 256, 384)[0], 480);
  EXPECT_EQ(pixelAt(CanvasLeft + 250, 384)[0], 255);
  EXPECT_EQ(pixelAt(CanvasLeft + 262, 384)[0], 255);
  EXPECT_EQ(darkPixelsIn(CanvasLeft + 230, 360, CanvasLeft + 290, 400), 0);

  MessageBox Percent(atlas(), "100% fertig", 256, 384);
  EXPECT_EQ(Percent.text(), "100% fertig");
  EXPECT_EQ(Percent.width(), 77);
  EXPECT_EQ(Percent.x(), 218);
  drawOnCanvas(Percent);
  // The percent sign follows "100" (pen 10 + 25 + 35 + 35 = 105, scaled 23.6)
  // and is 45 wide (10.1 units); a space (30) follows it.
  const int Sign = CanvasLeft + 218 + 24;
  EXPECT_GT(darkPixelsIn(Sign, 377, Sign + 10, 389), 15);
  EXPECT_EQ(darkPixelsIn(Sign + 11, 377, Sign + 16, 389), 0);
}

TEST(MessageBox, IsNeverPicked) {
  MessageBox Box(atlas(), "Teste Dich doch selber!", 256, 384);
  auto PickWith = [&](GLenum Mode) {
    return pickNamesAt(512, 768, 256, 384, [&] {
      glLoadName(5);
      Box.draw(Mode);
    });
  };
  EXPECT_TRUE(PickWith(GL_SELECT).empty());
  EXPECT_TRUE(PickWith(GL_FEEDBACK).empty());
  // The same pick does see the box when it is drawn as a picture.
  EXPECT_EQ(PickWith(GL_RENDER).size(), 1u);
}

TEST(MessageBox, ShowMessageReplacesTheCurrentMessage) {
  GlApp App;
  EXPECT_EQ(App.Widgets->messageBox(), nullptr) << "no box before the first message";
  App.Ed.showMessage("Teste Dich doch selber!");
  EXPECT_TRUE(App.E.Popup.Visible);
  App.Widgets->sync(App.E, App.S.drawing());
  const MessageBox *First = App.Widgets->messageBox();
  ASSERT_NE(First, nullptr);
  EXPECT_EQ(First->x(), 256 - 161 / 2);
  EXPECT_EQ(First->y(), 374);
  EXPECT_EQ(First->texture(), App.Widgets->alphabetTexture());
  const GLuint FirstList = First->listId();
  App.Widgets->sync(App.E, App.S.drawing());
  EXPECT_EQ(App.Widgets->messageBox()->listId(), FirstList) << "an unchanged message stays";

  App.E.Popup.Visible = false;
  App.Ed.showMessage("seed_1007654321-a gespeichert");
  App.Widgets->sync(App.E, App.S.drawing());
  ASSERT_NE(App.Widgets->messageBox(), nullptr);
  EXPECT_EQ(App.Widgets->messageBox()->text(), "seed_1007654321-a gespeichert");
  EXPECT_TRUE(App.E.Popup.Visible);
  EXPECT_FALSE(glIsList(FirstList)); // the replaced box is freed
  EXPECT_TRUE(glIsList(App.Widgets->messageBox()->listId()));
}
