# The web page's back end: the frame's description drawn with WebGL 1
# (OpenGL ES 2) and a small shader program, the Shapes in a canvas texture,
# the images decoded with stb_image.
add_library(quovadrin_webgl STATIC
  webgl/draw_program.cpp
  webgl/frame_renderer.cpp
  webgl/image_texture.cpp
  webgl/panel_viewport.cpp
  webgl/shape_texture.cpp
)
target_link_libraries(quovadrin_webgl PUBLIC quovadrin_screen)
target_include_directories(quovadrin_webgl SYSTEM PRIVATE ${QUOVADRIN_STB_DIR})
