# GL helpers: textures from PNG files, read-back and offscreen textures;
# OpenGL, GLU and libpng only.
add_library(quovadrin_gfx STATIC
  gfx/offscreen_texture.cpp
  gfx/png_reader.cpp
  gfx/png_texture.cpp
  gfx/read_back.cpp
)
target_link_libraries(quovadrin_gfx PUBLIC OpenGL::GL OpenGL::GLU PNG::PNG)
