# Algorithm files to pictures without a window: each file read, run as the
# listing's whole preview runs it, drawn as a vector picture, and an overview
# page of them all. No GL, no images.
add_library(quovadrin_render STATIC
  render/overview_page.cpp
  render/render_batch.cpp
  render/render_command.cpp
  render/seed_from_name.cpp
)
target_link_libraries(quovadrin_render PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_screen quovadrin_svg)
