list(APPEND GL_TEST_SOURCES
  screen/atlas_text_test.cpp
  screen/picking_differential_test.cpp
)
