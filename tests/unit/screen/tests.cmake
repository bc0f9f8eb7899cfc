list(APPEND UNIT_TEST_SOURCES
  screen/geometric_picker_test.cpp
  screen/glyph_test.cpp
  screen/picked_by_geometry_test.cpp
  screen/screen_frame_test.cpp
  screen/separate_primitives_test.cpp
  screen/tool_panel_background_test.cpp
)
