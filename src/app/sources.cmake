# The application state and the example algorithm hold no GL: they belong to
# the core, so that tests of the other subsystems can use them.
list(APPEND CORE_SOURCES
  app/app_state.cpp
  app/example_algorithm.cpp
)
list(APPEND GRAPHICS_SOURCES
  app/application.cpp
  app/display.cpp
  app/glut_hooks.cpp
)
list(APPEND GRAPHICS_SOURCES
  app/shape_renderer.cpp
  app/canvas_view.cpp
)
