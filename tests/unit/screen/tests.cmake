list(APPEND UNIT_TEST_SOURCES
  screen/glyph_test.cpp
)
