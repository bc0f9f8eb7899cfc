list(APPEND GL_TEST_SOURCES
  screen/picking_differential_test.cpp
)
