list(APPEND UNIT_TEST_SOURCES
  files/saved_files_test.cpp
)
