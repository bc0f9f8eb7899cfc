# The window: GLUT callbacks, the views that draw the state, the widgets and
# start-up. The entry point (main.cpp) is built into the program alone.
add_library(quovadrin_app STATIC
  app/application.cpp
  app/canvas_picture.cpp
  app/canvas_pixels.cpp
  app/canvas_view.cpp
  app/command_line.cpp
  app/display.cpp
  app/gl_frame_renderer.cpp
  app/gl_window.cpp
  app/glut_adapter.cpp
  app/panel_view.cpp
  app/screen.cpp
  app/shape_batch.cpp
  app/shape_layer.cpp
  app/shape_renderer.cpp
)
target_link_libraries(quovadrin_app PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_editor quovadrin_screen quovadrin_svg quovadrin_render
                      quovadrin_gfx GLUT::GLUT)
