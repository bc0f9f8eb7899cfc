// Offscreen textures: extension names matched as whole words, version
// strings read as numbers, the entry points found only when the context
// names them, and drawing that lands in the texture and not in the window.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <vector>

#include "gfx/offscreen_texture.h"
#include "gl_test_support.h"

namespace {

GlProc noEntryPoints(const char *) { return nullptr; }

} // namespace

TEST(OffscreenTexture, ExtensionNamesAreWholeWords) {
  const char *List = "GL_EXT_framebuffer_object2 GL_ARB_texture GL_EXT_blend";
  EXPECT_FALSE(hasExtension(List, "GL_EXT_framebuffer_object")) << "only a longer name";
  EXPECT_TRUE(hasExtension(List, "GL_EXT_framebuffer_object2"));
  EXPECT_TRUE(hasExtension(List, "GL_EXT_blend")) << "the last word";
  EXPECT_FALSE(hasExtension(List, "ARB_texture")) << "the middle of a word";
  EXPECT_FALSE(hasExtension(List, "GL_EXT"));
  EXPECT_FALSE(hasExtension(List, ""));
  EXPECT_FALSE(hasExtension(nullptr, "GL_EXT_blend"));
}

TEST(OffscreenTexture, VersionStringsAreReadAsNumbers) {
  EXPECT_TRUE(versionAtLeast("4.5 (Compatibility Profile) Mesa 22.3.6", 2, 0));
  EXPECT_TRUE(versionAtLeast("2.0 Mesa", 2, 0));
  EXPECT_TRUE(versionAtLeast("2.10", 2, 1)) << "ten is more than one";
  EXPECT_FALSE(versionAtLeast("1.4 Mesa 7.0", 2, 0));
  EXPECT_FALSE(versionAtLeast("2.0", 2, 1));
  EXPECT_FALSE(versionAtLeast("OpenGL ES 3.2", 2, 0));
  EXPECT_FALSE(versionAtLeast(nullptr, 1, 0));
}

TEST(OffscreenTexture, EntryPointsComeFromTheLoader) {
  EXPECT_TRUE(loadOffscreenApi(glutGetProcAddress).available());
  EXPECT_FALSE(loadOffscreenApi(noEntryPoints).available()) << "names that do not resolve";
  EXPECT_FALSE(loadOffscreenApi(nullptr).available());
}

TEST(OffscreenTexture, DrawingGoesIntoTheTextureUntilReleased) {
  clearToWhite();
  const OffscreenApi Api = loadOffscreenApi(glutGetProcAddress);
  EXPECT_FALSE(OffscreenTexture(Api, 0, 10).complete());
  OffscreenTexture Target(Api, 30, 20);
  ASSERT_TRUE(Target.complete());
  Target.bind();
  glPushAttrib(GL_VIEWPORT_BIT | GL_COLOR_BUFFER_BIT);
  setPixelView(30, 20);
  glClearColor(0, 0, 1, 0.5f);
  glClear(GL_COLOR_BUFFER_BIT);
  glDisable(GL_BLEND);
  glColor4f(1, 0, 0, 1);
  glRecti(0, 0, 10, 5); // the top left, y downwards
  glPopAttrib();
  Target.release();
  EXPECT_EQ(pixelAt(2, 2), (std::array<int, 3>{255, 255, 255})) << "the window untouched";

  std::vector<unsigned char> Rgba(30 * 20 * 4);
  glBindTexture(GL_TEXTURE_2D, Target.texture());
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, Rgba.data());
  glBindTexture(GL_TEXTURE_2D, 0);
  auto Texel = [&](int X, int Row) { return &Rgba[static_cast<size_t>(Row * 30 + X) * 4]; };
  EXPECT_EQ(Texel(2, 19)[0], 255) << "the red corner is the texture's top row";
  EXPECT_EQ(Texel(2, 19)[3], 255);
  EXPECT_EQ(Texel(20, 0)[2], 255) << "the cleared rest";
  EXPECT_NEAR(Texel(20, 0)[3], 128, 1);
}
