list(APPEND UNIT_TEST_SOURCES
  render/seed_from_name_test.cpp
  render/render_batch_test.cpp
  render/console_text_test.cpp
  render/render_card_test.cpp
  render/overview_builder_test.cpp
)
