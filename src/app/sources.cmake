# The desktop: the GLUT platform that hands its events to the host, and the
# OpenGL back end that draws the host's frames. The entry point (main.cpp)
# is built into the program alone.
add_library(quovadrin_app STATIC
  app/canvas_pixels.cpp
  app/canvas_view.cpp
  app/command_line.cpp
  app/desktop.cpp
  app/gl_frame_renderer.cpp
  app/glut_adapter.cpp
  app/glut_platform.cpp
  app/panel_view.cpp
  app/screen.cpp
  app/shape_batch.cpp
  app/shape_layer.cpp
  app/shape_renderer.cpp
)
target_link_libraries(quovadrin_app PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_editor quovadrin_screen quovadrin_svg quovadrin_render
                      quovadrin_host quovadrin_gfx GLUT::GLUT)
