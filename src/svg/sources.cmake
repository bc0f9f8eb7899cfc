# The vector back end: a Drawing as an SVG document, written atomically. Built
# on the screen's shape figures, so the picture and the window draw one
# definition of every figure; no GL.
add_library(quovadrin_svg STATIC
  svg/svg_number.cpp
  svg/svg_path_sink.cpp
  svg/svg_picture.cpp
)
target_link_libraries(quovadrin_svg PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_screen)
