list(APPEND UNIT_TEST_SOURCES
  files/saved_files_test.cpp
  files/atomic_file_test.cpp
  files/gray_png_test.cpp
  files/alg_format_test.cpp
  files/alg_writer_test.cpp
  files/alg_reader_test.cpp
  files/alg_reader_nesting_test.cpp
  files/regular_file_test.cpp
  files/alg_round_trip_test.cpp
  files/image_folder_test.cpp
)
