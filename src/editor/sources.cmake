# What the learner's input does to the program's state. No GL: the window is
# reached through the Window interface.
add_library(quovadrin_editor STATIC
  editor/canvas_controller.cpp
  editor/canvas_drag.cpp
  editor/editor.cpp
  editor/editor_picks.cpp
  editor/field_labels.cpp
  editor/file_controller.cpp
  editor/hold_controller.cpp
  editor/label_controller.cpp
  editor/listing_controller.cpp
  editor/listing_scroll.cpp
  editor/pen_menu.cpp
  editor/pick_result.cpp
  editor/pick_role.cpp
  editor/run_controller.cpp
  editor/screen_space.cpp
  editor/tool_actions.cpp
  editor/value_label.cpp
)
target_link_libraries(quovadrin_editor PUBLIC quovadrin_model quovadrin_exec quovadrin_files)
