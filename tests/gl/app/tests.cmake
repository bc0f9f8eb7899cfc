list(APPEND GL_TEST_SOURCES
  app/smoke_test.cpp
  app/shape_renderer_test.cpp
)
