list(APPEND GRAPHICS_SOURCES
  editor/keyboard.cpp
)
