// Buttons and Labels in a real context: their pictures, their pick areas in
// selection mode, and the texts a Label composes.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/button.h"
#include "app/label.h"
#include "app/screen.h"
#include "editor/value_label.h"
#include "gfx/png_texture.h"
#include "gl_pick_support.h"
#include "gl_test_support.h"
#include "model/variable.h"

namespace {

// The tool panel at 1024 x 768 is 256 x 768 pixels: one pixel per layout unit.
constexpr int PanelWidth = 256;
constexpr int PanelHeight = 768;

bool hits(const Button &Widget, int X, int Y) {
  auto Names = pickNamesAt(PanelWidth, PanelHeight, X, Y, [&] {
    glLoadName(static_cast<GLuint>(Widget.pickName()));
    Widget.draw(GL_SELECT);
  });
  return Names.size() == 1 && Names[0] == static_cast<GLuint>(Widget.pickName());
}

void drawInPanel(const Button &Widget) {
  startPanelPicture(PanelWidth, PanelHeight);
  glColor4f(1, 1, 1, 1);
  Widget.draw(GL_RENDER);
}

GLuint atlas() {
  static const GLuint Texture = loadPngTexture(AlphabetAtlasPath).name();
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
  ValueLabel MaxModel(PickName::FieldMax, "max", &Max, &Ten);
  Label MaxLabel(MaxModel, 16, atlas(), glGenLists(1), 145, 505, 16, 16);
  EXPECT_EQ(MaxModel.text(), "max=10");
  // Without a description the rectangle starts at x; max=10 has 6 characters,
  // so it reaches 96 units right of x, and it is charWidth high.
  EXPECT_TRUE(hits(MaxLabel, 145, 505));
  EXPECT_FALSE(hits(MaxLabel, 144, 510));
  EXPECT_TRUE(hits(MaxLabel, 240, 520));
  EXPECT_FALSE(hits(MaxLabel, 241, 510));
  EXPECT_FALSE(hits(MaxLabel, 200, 521));
  MaxLabel.setDescription("Maximalzufallswert");
  EXPECT_TRUE(MaxLabel.hasDescription());
  EXPECT_TRUE(hits(MaxLabel, 5, 505));
  EXPECT_FALSE(hits(MaxLabel, 4, 505));
  EXPECT_TRUE(hits(MaxLabel, 240, 505));

  Variable R("0"), X(0);
  X.setName("x");
  ValueLabel RModel(PickName::RandomTarget, "r", &R, &X);
  Label RLabel(RModel, 20, atlas(), glGenLists(1), 92, 348, 7, 10);
  EXPECT_EQ(RModel.text(), "x");
  EXPECT_TRUE(hits(RLabel, 111, 367));
  EXPECT_FALSE(hits(RLabel, 112, 350));
  EXPECT_FALSE(hits(RLabel, 91, 350));
}

TEST(LabelWidget, TextsFollowOperandAndValueAndTheWidgetRecompilesThem) {
  Variable Target(0), Operand("1"), Count(10), CountOperand("10");
  Target.setName("h");
  ValueLabel VModel(PickName::FieldV, "V", &Target, &Operand);
  Label V(VModel, 16, atlas(), glGenLists(1), 145, 465, 16, 16);
  EXPECT_EQ(VModel.text(), "h=1"); // the Label's own name is never shown
  const unsigned Compiled = VModel.revision();
  Target.setValue(18);
  VModel.showValue();
  EXPECT_EQ(VModel.text(), "h=18");
  Operand.setName("-12345678901");
  VModel.showOperand();
  EXPECT_EQ(VModel.text(), "h=-12345678901"); // no length limit
  EXPECT_EQ(VModel.revision(), Compiled + 2) << "each new text asks for a new picture";
  V.setDescription("Horizontale Abweichung");
  EXPECT_EQ(V.description(), "Horizontale Abweichung");

  ValueLabel C(PickName::Count, "c", &Count, &CountOperand);
  EXPECT_EQ(C.text(), "10");
  Count.setValue(7);
  C.showValue();
  EXPECT_EQ(C.text(), "7");
  C.setOperand(&Target);
  C.setTarget(&Operand);
  C.showOperand();
  EXPECT_EQ(C.text(), "h");
  EXPECT_EQ(C.target(), &Operand);

  // The widget shows a new text from its next sync on: a longer text covers
  // more pixels.
  drawInPanel(V);
  const int Long = darkPixelsIn(150, 463, 256, 480);
  VModel.showValue();
  drawInPanel(V);
  EXPECT_EQ(darkPixelsIn(150, 463, 256, 480), Long) << "compiled at the sync, not before";
  V.sync();
  drawInPanel(V);
  EXPECT_GT(Long, darkPixelsIn(150, 463, 256, 480));
  EXPECT_GT(darkPixelsIn(5, 463, 150, 480), 100); // the description
}
