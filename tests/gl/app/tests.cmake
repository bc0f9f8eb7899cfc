list(APPEND GL_TEST_SOURCES
  app/smoke_test.cpp
)
