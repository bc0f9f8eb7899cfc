# The application state, the example algorithm and the computed layout
# geometry hold no GL: they belong to the core, so that tests of the other
# subsystems can use them.
list(APPEND CORE_SOURCES
  app/app_state.cpp
  app/example_algorithm.cpp
  app/screen_geometry.cpp
)
list(APPEND GRAPHICS_SOURCES
  app/application.cpp
  app/button.cpp
  app/display.cpp
  app/glut_hooks.cpp
  app/label.cpp
  app/screen_layout.cpp
  app/tool_panel_view.cpp
  app/shape_renderer.cpp
  app/canvas_view.cpp
  app/panel_view.cpp
  app/listing_view.cpp
  app/atlas_panel.cpp
  app/file_list.cpp
)
