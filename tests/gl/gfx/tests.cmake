list(APPEND GL_TEST_SOURCES
  gfx/png_snapshot_test.cpp
)
