# The web page's platform: the browser's events, timers and animation frames
# to the host, the host's requests carried out in the browser, and the calls
# into the page's script.
add_library(quovadrin_web STATIC
  web/page.cpp
  web/web_events.cpp
  web/web_platform.cpp
)
target_link_libraries(quovadrin_web PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_editor quovadrin_screen quovadrin_svg quovadrin_host
                      quovadrin_webgl)
