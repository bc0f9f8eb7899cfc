list(APPEND UNIT_TEST_SOURCES
  editor/editor_actions_test.cpp
  editor/editor_run_test.cpp
  editor/field_labels_test.cpp
  editor/pen_menu_test.cpp
)
