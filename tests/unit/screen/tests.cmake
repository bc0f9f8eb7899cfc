list(APPEND UNIT_TEST_SOURCES
  screen/frame_pick_test.cpp
  screen/glyph_test.cpp
  screen/screen_frame_test.cpp
  screen/separate_primitives_test.cpp
  screen/tool_panel_background_test.cpp
)
