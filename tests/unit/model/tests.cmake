list(APPEND UNIT_TEST_SOURCES
  model/variable_test.cpp
  model/command_test.cpp
  model/algorithm_test.cpp
  model/algorithm_edit_test.cpp
  model/algorithm_step_test.cpp
  model/text_scan_test.cpp
  model/indentation_test.cpp
  model/repeat_pairing_test.cpp
)
