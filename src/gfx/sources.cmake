# The glyph table and the PNG decoder need no GL; the texture upload, the text
# emission and the canvas snapshot do.
list(APPEND CORE_SOURCES
  gfx/glyph.cpp
  gfx/png_reader.cpp
)
list(APPEND GRAPHICS_SOURCES
  gfx/png_texture.cpp
  gfx/text_renderer.cpp
  gfx/png_snapshot.cpp
)
