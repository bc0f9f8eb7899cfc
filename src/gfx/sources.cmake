list(APPEND CORE_SOURCES
)
list(APPEND GRAPHICS_SOURCES
  gfx/png_snapshot.cpp
)
