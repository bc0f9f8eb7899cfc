// Buttons and Labels in a real context: their pictures, their pick areas in
// selection mode, and the texts a Label composes.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/button.h"
#include "app/label.h"
#include "gfx/png_texture.h"
#include "gl_pick_support.h"
#include "gl_test_support.h"
#include "model/variable.h"

namespace {

// The tool panel at 1024 x 768 is 256 x 768 pixels: one pixel per layout unit.
constexpr int PanelWidth = 256;
constexpr int PanelHeight = 768;

bool hits(Button &Widget, int X, int Y) {
  auto Names = pickNamesAt(PanelWidth, PanelHeight, X, Y, [&] {
    glLoadName(static_cast<GLuint>(Widget.pickName()));
    Widget.draw(GL_SELECT);
  });
  return Names.size() == 1 && Names[0] == static_cast<GLuint>(Widget.pickName());
}

void drawInPanel(Button &Widget) {
  startPanelPicture(PanelWidth, PanelHeight);
  glColor4f(1, 1, 1, 1);
  Widget.draw(GL_RENDER);
}

int atlas() {
  static const int Texture = loadPngTexture("alphabetTextures/alphabet_trans_gray.png");
  return Texture;
}

} // namespace

TEST(ButtonWidget, PickAreaIsExactlyItsTexturedRectangle) {
  Button Square("vorpData/square.png", glGenLists(1), 1, 15, 140, 50, 50);
  EXPECT_TRUE(hits(Square, 15, 140));
  EXPECT_TRUE(hits(Square, 64, 189));
  EXPECT_FALSE(hits(Square, 14, 160));
  EXPECT_FALSE(hits(Square, 65, 160));
  EXPECT_FALSE(hits(Square, 40, 139));
  EXPECT_FALSE(hits(Square, 40, 190));
  // The picture: the square's dark outline inside the rectangle, nothing outside.
  drawInPanel(Square);
  EXPECT_GT(darkPixelsIn(15, 140, 65, 190), 200);
  EXPECT_EQ(darkPixelsIn(0, 130, 14, 200), 0);
  EXPECT_EQ(darkPixelsIn(66, 130, 100, 200), 0);
  // Moved and rebuilt, it is picked at its new place.
  Square.setPosition(100, 300);
  Square.rebuild();
  EXPECT_TRUE(hits(Square, 100, 300));
  EXPECT_FALSE(hits(Square, 20, 150));
}

TEST(LabelWidget, PickRectangleGrowsWithTheTextAndCoversTheDescription) {
  Variable Max(10), Ten("10");
  Max.setName("max");
  Label MaxLabel("max", 16, atlas(), &Max, &Ten, glGenLists(1), 36, 145, 505, 16, 16);
  EXPECT_EQ(MaxLabel.text(), "max=10");
  // Without a description the rectangle starts at x; max=10 has 6 characters,
  // so it reaches 96 units right of x, and it is charWidth high.
  EXPECT_TRUE(hits(MaxLabel, 145, 505));
  EXPECT_FALSE(hits(MaxLabel, 144, 510));
  EXPECT_TRUE(hits(MaxLabel, 240, 520));
  EXPECT_FALSE(hits(MaxLabel, 241, 510));
  EXPECT_FALSE(hits(MaxLabel, 200, 521));
  MaxLabel.setDescription("Maximalzufallswert");
  EXPECT_EQ(MaxLabel.hasDescription(), 1);
  EXPECT_TRUE(hits(MaxLabel, 5, 505));
  EXPECT_FALSE(hits(MaxLabel, 4, 505));
  EXPECT_TRUE(hits(MaxLabel, 240, 505));

  Variable Count(10), R("0"), X(0), TenCount("10");
  X.setName("x");
  Label RLabel("r", 20, atlas(), &R, &X, glGenLists(1), 35, 92, 348, 7, 10);
  EXPECT_EQ(RLabel.text(), "x");
  EXPECT_TRUE(hits(RLabel, 111, 367));
  EXPECT_FALSE(hits(RLabel, 112, 350));
  EXPECT_FALSE(hits(RLabel, 91, 350));
}

TEST(LabelWidget, TextsFollowOperandAndValueAndAskForARedisplay) {
  int Redisplays = 0;
  app.hooks.postRedisplay = [&] { ++Redisplays; };
  Variable Target(0), Operand("1"), Count(10), CountOperand("10");
  Target.setName("h");
  Label V("V", 16, atlas(), &Target, &Operand, glGenLists(1), 23, 145, 465, 16, 16);
  EXPECT_EQ(V.text(), "h=1"); // the Label's own name is never shown
  EXPECT_EQ(Redisplays, 0);
  Target.setValue(18);
  V.showValue();
  EXPECT_EQ(V.text(), "h=18");
  Operand.setName("-12345678901");
  V.showOperand();
  EXPECT_EQ(V.text(), "h=-12345678901"); // no length limit
  V.setDescription("Horizontale Abweichung");
  EXPECT_EQ(V.description(), "Horizontale Abweichung");
  EXPECT_EQ(Redisplays, 3);

  Label C("c", 16, atlas(), &Count, &CountOperand, glGenLists(1), 34, 135, 345, 7, 10);
  EXPECT_EQ(C.text(), "10");
  Count.setValue(7);
  C.showValue();
  EXPECT_EQ(C.text(), "7");
  C.setOperand(&Target);
  C.setTarget(&Operand);
  C.showOperand();
  EXPECT_EQ(C.text(), "h");
  EXPECT_EQ(C.target(), &Operand);

  // The rebuilt list shows the new text: a longer text covers more pixels.
  drawInPanel(V);
  const int Long = darkPixelsIn(150, 463, 256, 480);
  V.showValue();
  drawInPanel(V);
  EXPECT_GT(Long, darkPixelsIn(150, 463, 256, 480));
  EXPECT_GT(darkPixelsIn(5, 463, 150, 480), 100); // the description
  app.hooks.postRedisplay = nullptr;
}
