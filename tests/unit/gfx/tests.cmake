list(APPEND UNIT_TEST_SOURCES
  gfx/glyph_test.cpp
  gfx/png_reader_test.cpp
)
