list(APPEND UNIT_TEST_SOURCES
  screen/geometric_picker_test.cpp
  screen/glyph_test.cpp
)
