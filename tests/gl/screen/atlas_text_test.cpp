// Atlas text in a real context, with the atlas the build generates: glyphs
// show dark on white inside their quads, and a line break starts the next
// line at x = 0.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "app/gl_frame_renderer.h"
#include "exec/drawing.h"
#include "gfx/png_texture.h"
#include "gl_test_support.h"
#include "screen/atlas_text.h"

namespace {

void drawText(GLuint Atlas, const char *Text, float X, float Y) {
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  DrawList Frame;
  DrawListBuilder Builder(Frame);
  appendAtlasText(Builder, Text, X, Y, 1, 0, 0, 51);
  GlFrameRenderer([](PickName) -> GLuint { return 0; }, Atlas, nullptr)
      .draw(Frame, Drawing(), WindowLayout(ScreenSize{GlTestWindowWidth, GlTestWindowHeight}));
  glLoadIdentity();
}

} // namespace

TEST(AtlasText, GlyphsShowDarkInsideTheirAdvanceAndLinesRestartAtZero) {
  testing::internal::CaptureStderr();
  const GLuint Atlas = loadPngTexture("alphabetTextures/alphabet_trans_gray.png").name();
  ASSERT_TRUE(testing::internal::GetCapturedStderr().empty()) << "atlas missing";
  clearToWhite();
  drawText(Atlas, "I", 100, 100);
  // The capital I stands in the middle of its 20-unit advance.
  EXPECT_GT(darkPixelsIn(106, 110, 114, 140), 50);
  EXPECT_EQ(darkPixelsIn(100, 100, 104, 151), 0);
  EXPECT_EQ(darkPixelsIn(118, 100, 152, 151), 0);

  clearToWhite();
  drawText(Atlas, "MM\x0cM", 300, 100);
  // M advances 45 units.
  EXPECT_GT(darkPixelsIn(302, 105, 343, 145), 100);
  EXPECT_GT(darkPixelsIn(347, 105, 388, 145), 100);
  // The third M is on the next line, 51 lower, at x = 0 of the text's own
  // coordinates.
  EXPECT_GT(darkPixelsIn(302, 158, 343, 196), 100);
  EXPECT_EQ(darkPixelsIn(350, 153, 420, 200), 0);
  // An empty text draws nothing.
  clearToWhite();
  drawText(Atlas, "", 500, 100);
  EXPECT_EQ(darkPixelsIn(500, 100, 560, 160), 0);
}
