list(APPEND UNIT_TEST_SOURCES
  svg/svg_number_test.cpp
  svg/svg_picture_test.cpp
)
