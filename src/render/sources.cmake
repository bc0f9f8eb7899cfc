# Algorithm files to pictures without a window: each file read, run as the
# listing's whole preview runs it, drawn as a vector picture, and an overview
# page of them all, grouped by folder. No GL, no images, and nothing the web
# page lacks: it makes its overview with the same cards and page.
add_library(quovadrin_render STATIC
  render/console_text.cpp
  render/html_text.cpp
  render/overview_builder.cpp
  render/overview_page.cpp
  render/overview_style.cpp
  render/render_batch.cpp
  render/render_card.cpp
  render/render_command.cpp
  render/render_inputs.cpp
  render/render_plan.cpp
  render/seed_from_name.cpp
)
target_link_libraries(quovadrin_render PUBLIC quovadrin_model quovadrin_exec quovadrin_files
                      quovadrin_screen quovadrin_svg)
