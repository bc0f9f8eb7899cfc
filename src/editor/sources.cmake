list(APPEND GRAPHICS_SOURCES
  editor/keyboard.cpp
  editor/message_box.cpp
)
