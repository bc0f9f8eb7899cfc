list(APPEND UNIT_TEST_SOURCES
  exec/drawing_test.cpp
  exec/random_test.cpp
  exec/shape_geometry_test.cpp
)
