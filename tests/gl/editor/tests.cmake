list(APPEND GL_TEST_SOURCES
  editor/message_box_test.cpp
)
