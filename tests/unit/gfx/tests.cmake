list(APPEND UNIT_TEST_SOURCES
  gfx/png_reader_test.cpp
)
