list(APPEND UNIT_TEST_SOURCES
  exec/drawing_test.cpp
  exec/immediate_run_test.cpp
  exec/random_test.cpp
  exec/run_test.cpp
  exec/shape_creation_test.cpp
  exec/shape_geometry_test.cpp
  exec/variable_set_test.cpp
)
