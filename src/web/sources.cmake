# The web page's platform: the browser's events, timers and animation frames
# to the editor, the Window it talks to, and the calls into the page's script.
add_library(quovadrin_web STATIC
  web/page.cpp
  web/web_application.cpp
  web/web_events.cpp
  web/web_window.cpp
)
target_link_libraries(quovadrin_web PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_editor quovadrin_screen quovadrin_svg quovadrin_webgl)
