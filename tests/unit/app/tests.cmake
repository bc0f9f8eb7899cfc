list(APPEND UNIT_TEST_SOURCES
  app/app_state_test.cpp
  app/screen_geometry_test.cpp
)
