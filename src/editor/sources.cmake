# What the learner's input does to the program's state. No GL: the window is
# reached through the Window interface.
add_library(quovadrin_editor STATIC
  editor/editor.cpp
  editor/editor_canvas.cpp
  editor/editor_files.cpp
  editor/editor_labels.cpp
  editor/editor_listing.cpp
  editor/editor_mouse.cpp
  editor/editor_tool_actions.cpp
  editor/field_labels.cpp
  editor/listing_scroll.cpp
  editor/pen_menu.cpp
  editor/screen_space.cpp
  editor/value_label.cpp
)
target_link_libraries(quovadrin_editor PUBLIC quovadrin_model quovadrin_exec quovadrin_files)
