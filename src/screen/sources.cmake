# What the screen shows, as data: the layout, the figures of Shapes and the
# atlas glyphs, with no graphics API, so that every back end draws the same
# thing, and picking works from the regions the frame records.
add_library(quovadrin_screen STATIC
  screen/atlas_text.cpp
  screen/canvas_frame.cpp
  screen/draw_list.cpp
  screen/frame_pick.cpp
  screen/glyph.cpp
  screen/listing_frame.cpp
  screen/pick_box.cpp
  screen/screen_layout.cpp
  screen/screen_frame.cpp
  screen/separate_primitives.cpp
  screen/shape_figure.cpp
  screen/tool_panel_background.cpp
  screen/tool_panel_frame.cpp
)
target_link_libraries(quovadrin_screen PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_editor)
# The pick box repeats the graphics library's float arithmetic step by step;
# a fused multiply-add would round once where it rounds twice.
set_source_files_properties(screen/pick_box.cpp PROPERTIES COMPILE_OPTIONS -ffp-contract=off)
