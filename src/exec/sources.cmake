list(APPEND CORE_SOURCES
  exec/drawing.cpp
  exec/immediate_run.cpp
  exec/random.cpp
  exec/run.cpp
  exec/shape.cpp
  exec/shape_creation.cpp
  exec/shape_geometry.cpp
)
