# What the learner's input does to the program's state. No GL: the program
# around it is reached through the EditorHost interface.
add_library(quovadrin_editor STATIC
  editor/canvas_controller.cpp
  editor/canvas_drag.cpp
  editor/editor.cpp
  editor/field_labels.cpp
  editor/field_values.cpp
  editor/file_controller.cpp
  editor/hold_controller.cpp
  editor/listing_controller.cpp
  editor/listing_scroll.cpp
  editor/pen_menu.cpp
  editor/pick_handlers.cpp
  editor/pick_result.cpp
  editor/pick_table.cpp
  editor/run_controller.cpp
  editor/tool_actions.cpp
  editor/value_label.cpp
  editor/window_layout.cpp
)
target_link_libraries(quovadrin_editor PUBLIC quovadrin_model quovadrin_exec quovadrin_files)
