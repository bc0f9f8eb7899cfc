list(APPEND UNIT_TEST_SOURCES
  host/learner_session_test.cpp
  host/learners_work_test.cpp
  host/pointer_gestures_test.cpp
  host/vector_picture_save_test.cpp
)
