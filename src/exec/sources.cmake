list(APPEND CORE_SOURCES
  exec/drawing.cpp
  exec/random.cpp
  exec/shape.cpp
  exec/shape_creation.cpp
  exec/shape_geometry.cpp
)
