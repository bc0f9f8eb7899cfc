# One running laboratory for every platform: the session, the editor, the
# picking, the frames and the saves. No GL: platforms draw its frames.
add_library(quovadrin_host STATIC
  host/frame_picker.cpp
  host/host.cpp
  host/host_requests.cpp
  host/pointer_gestures.cpp
  host/save_flow.cpp
)
target_link_libraries(quovadrin_host PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_editor quovadrin_screen quovadrin_svg)
