# The web page: quovadrin.js and quovadrin.wasm from Emscripten, beside the
# page's own files from web/, all in QUOVADRIN_WEB_PAGE_DIR. The images come
# from a native build's data folder (the generator needs FreeType and runs
# on the build machine) and are embedded in the program, so the page works
# without a network once loaded.
set(QUOVADRIN_WEB_IMAGES "" CACHE PATH "The data folder of a native build (its vorpData and alphabetTextures)")
set(QUOVADRIN_WEB_PAGE_DIR ${CMAKE_BINARY_DIR}/page CACHE PATH "Where the page's files go")
if(NOT EXISTS ${QUOVADRIN_WEB_IMAGES}/vorpData OR NOT EXISTS ${QUOVADRIN_WEB_IMAGES}/alphabetTextures)
  message(FATAL_ERROR "QUOVADRIN_WEB_IMAGES must name a native build's data folder")
endif()

add_executable(quovadrin_page ${CMAKE_CURRENT_SOURCE_DIR}/web/web_main.cpp)
target_link_libraries(quovadrin_page PRIVATE quovadrin_web)
quovadrin_warnings(quovadrin_page)
set_target_properties(quovadrin_page PROPERTIES
  OUTPUT_NAME quovadrin
  SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${QUOVADRIN_WEB_PAGE_DIR})
target_link_options(quovadrin_page PRIVATE
  -sENVIRONMENT=web
  -sMIN_WEBGL_VERSION=1
  -sMAX_WEBGL_VERSION=1
  -sALLOW_MEMORY_GROWTH=1
  -sFORCE_FILESYSTEM=1
  -sEXPORTED_RUNTIME_METHODS=FS,addRunDependency,removeRunDependency
  -lidbfs.js
  "SHELL:--embed-file ${QUOVADRIN_WEB_IMAGES}/vorpData@/images/vorpData"
  "SHELL:--embed-file ${QUOVADRIN_WEB_IMAGES}/alphabetTextures@/images/alphabetTextures")
set_property(TARGET quovadrin_page APPEND PROPERTY LINK_DEPENDS
  ${QUOVADRIN_WEB_IMAGES}/alphabetTextures/alphabet_trans_gray.png)

set(QUOVADRIN_PAGE_FILES index.html page.css page.js webgl_check.js)
foreach(file IN LISTS QUOVADRIN_PAGE_FILES)
  add_custom_command(
    OUTPUT ${QUOVADRIN_WEB_PAGE_DIR}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/web/${file} ${QUOVADRIN_WEB_PAGE_DIR}/${file}
    DEPENDS ${PROJECT_SOURCE_DIR}/web/${file}
    VERBATIM)
  list(APPEND QUOVADRIN_PAGE_OUTPUTS ${QUOVADRIN_WEB_PAGE_DIR}/${file})
endforeach()
add_custom_target(quovadrin_page_files ALL DEPENDS ${QUOVADRIN_PAGE_OUTPUTS})
