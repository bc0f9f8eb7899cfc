# The random generator, runs, Shapes, the Drawing and shape geometry; built on
# the model alone.
add_library(quovadrin_exec STATIC
  exec/drawing.cpp
  exec/example_algorithm.cpp
  exec/immediate_run.cpp
  exec/pen_templates.cpp
  exec/random.cpp
  exec/run.cpp
  exec/session.cpp
  exec/shape.cpp
  exec/shape_creation.cpp
  exec/shape_geometry.cpp
  exec/variable_set.cpp
)
target_link_libraries(quovadrin_exec PUBLIC quovadrin_model)
