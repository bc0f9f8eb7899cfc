list(APPEND GL_TEST_SOURCES
  app/smoke_test.cpp
  app/shape_renderer_test.cpp
  app/canvas_pixels_test.cpp
  app/shape_batch_test.cpp
  app/shape_layer_test.cpp
  app/display_test.cpp
  app/saved_picture_test.cpp
  app/screen_layout_test.cpp
  app/tool_panel_view_test.cpp
  app/file_list_test.cpp
  app/message_box_test.cpp
  app/command_line_test.cpp
)
