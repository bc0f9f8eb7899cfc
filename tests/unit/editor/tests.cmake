list(APPEND UNIT_TEST_SOURCES
  editor/canvas_controller_test.cpp
  editor/editor_actions_test.cpp
  editor/editor_test.cpp
  editor/field_labels_test.cpp
  editor/file_controller_test.cpp
  editor/hold_controller_test.cpp
  editor/listing_controller_test.cpp
  editor/pen_menu_test.cpp
  editor/random_input_test.cpp
  editor/run_controller_test.cpp
  editor/saved_work_test.cpp
  editor/tool_actions_test.cpp
  editor/value_label_test.cpp
)
