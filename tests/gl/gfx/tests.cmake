list(APPEND GL_TEST_SOURCES
  gfx/read_back_test.cpp
  gfx/offscreen_texture_test.cpp
  gfx/png_texture_test.cpp
)
