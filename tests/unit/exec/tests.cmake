list(APPEND UNIT_TEST_SOURCES
  exec/random_test.cpp
)
