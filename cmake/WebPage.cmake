# The web page: quovadrin.js and quovadrin.wasm from Emscripten, beside the
# page's own files from web/, all in QUOVADRIN_WEB_PAGE_DIR. The images come
# from a native build's data folder (the generator needs FreeType and runs
# on the build machine) and are embedded in the program; the service worker
# keeps every file of the page, so it works without a network once loaded.
set(QUOVADRIN_WEB_IMAGES "" CACHE PATH "The data folder of a native build (its vorpData and alphabetTextures)")
set(QUOVADRIN_WEB_PAGE_DIR ${CMAKE_BINARY_DIR}/page CACHE PATH "Where the page's files go")
if(NOT EXISTS ${QUOVADRIN_WEB_IMAGES}/vorpData OR NOT EXISTS ${QUOVADRIN_WEB_IMAGES}/alphabetTextures
   OR NOT EXISTS ${QUOVADRIN_WEB_IMAGES}/appIcon/quovadrin-512.png)
  message(FATAL_ERROR "QUOVADRIN_WEB_IMAGES must name a native build's data folder (with the app icon at 192 and 512 pixels)")
endif()

# The functions the page's scripts call directly are linked in as sources:
# nothing in the program refers to them, so from a library they would be
# left out.
add_executable(quovadrin_page ${CMAKE_CURRENT_SOURCE_DIR}/web/web_main.cpp
               ${CMAKE_CURRENT_SOURCE_DIR}/web/work_exports.cpp)
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
  "SHELL:--embed-file ${QUOVADRIN_WEB_IMAGES}/vorpData@/images/vorpData"
  "SHELL:--embed-file ${QUOVADRIN_WEB_IMAGES}/alphabetTextures@/images/alphabetTextures")
set_property(TARGET quovadrin_page APPEND PROPERTY LINK_DEPENDS
  ${QUOVADRIN_WEB_IMAGES}/alphabetTextures/alphabet_trans_gray.png)

# The class overview's module: --render's cards and page for a worker of the
# page (web/overview_worker.js), loaded only when a teacher asks for an
# overview, so the program's own download and start stay as they were.
add_executable(quovadrin_overview ${CMAKE_CURRENT_SOURCE_DIR}/web/overview_exports.cpp)
target_link_libraries(quovadrin_overview PRIVATE quovadrin_render)
quovadrin_warnings(quovadrin_overview)
set_target_properties(quovadrin_overview PROPERTIES
  SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${QUOVADRIN_WEB_PAGE_DIR})
target_link_options(quovadrin_overview PRIVATE
  -sENVIRONMENT=worker
  -sMODULARIZE=1
  -sEXPORT_NAME=QuovadrinOverview
  -sALLOW_MEMORY_GROWTH=1
  -sEXPORTED_FUNCTIONS=_malloc,_free)

# The page's own files, copied as they are.
set(QUOVADRIN_PAGE_FILES index.html page.css manifest.webmanifest webgl_check.js page.js
    page_status.js file_rules.js storage.js memory_store.js earlier_files.js workspace.js
    downloads.js zips.js zip_worker.js uploads.js offline.js draft.js keys.js help.js
    pointer_input.js overview_sources.js dialogs.js overview.js overview_worker.js dialogs.css
    shared_link.js share.js)
foreach(file IN LISTS QUOVADRIN_PAGE_FILES)
  add_custom_command(
    OUTPUT ${QUOVADRIN_WEB_PAGE_DIR}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/web/${file} ${QUOVADRIN_WEB_PAGE_DIR}/${file}
    DEPENDS ${PROJECT_SOURCE_DIR}/web/${file}
    VERBATIM)
  list(APPEND QUOVADRIN_PAGE_OUTPUTS ${QUOVADRIN_WEB_PAGE_DIR}/${file})
endforeach()

# The app icon for installing the page, drawn by the image generator.
foreach(size 192 512)
  add_custom_command(
    OUTPUT ${QUOVADRIN_WEB_PAGE_DIR}/icon-${size}.png
    COMMAND ${CMAKE_COMMAND} -E copy ${QUOVADRIN_WEB_IMAGES}/appIcon/quovadrin-${size}.png
            ${QUOVADRIN_WEB_PAGE_DIR}/icon-${size}.png
    DEPENDS ${QUOVADRIN_WEB_IMAGES}/appIcon/quovadrin-${size}.png
    VERBATIM)
  list(APPEND QUOVADRIN_PAGE_OUTPUTS ${QUOVADRIN_WEB_PAGE_DIR}/icon-${size}.png)
endforeach()

# The zip library: Debian's node-jszip ships its CommonJS sources only, so
# esbuild bundles them (with pako and the small helpers they need) into one
# script for the browser, defining JSZip. Node's stream module is left out:
# the library asks for it inside a try and does without.
find_program(QUOVADRIN_ESBUILD esbuild REQUIRED)
set(QUOVADRIN_JSZIP_SOURCE /usr/share/nodejs/jszip/lib/index.js)
if(NOT EXISTS ${QUOVADRIN_JSZIP_SOURCE})
  message(FATAL_ERROR "The zip library is missing: install Debian's node-jszip")
endif()
add_custom_command(
  OUTPUT ${QUOVADRIN_WEB_PAGE_DIR}/jszip.min.js
  COMMAND ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs
          ${QUOVADRIN_ESBUILD} ${QUOVADRIN_JSZIP_SOURCE} --bundle --format=iife --global-name=JSZip
          --platform=browser --minify --external:stream --log-level=warning
          --outfile=${QUOVADRIN_WEB_PAGE_DIR}/jszip.min.js
  DEPENDS ${QUOVADRIN_JSZIP_SOURCE}
  VERBATIM)
list(APPEND QUOVADRIN_PAGE_OUTPUTS ${QUOVADRIN_WEB_PAGE_DIR}/jszip.min.js)

# The QR code library for shared links: Debian's node-qrcode-generator ships
# a script for the browser that defines qrcode; it is taken as it is.
set(QUOVADRIN_QRCODE_SOURCE /usr/share/javascript/qrcode-generator/qrcode.js)
if(NOT EXISTS ${QUOVADRIN_QRCODE_SOURCE})
  message(FATAL_ERROR "The QR code library is missing: install Debian's node-qrcode-generator")
endif()
add_custom_command(
  OUTPUT ${QUOVADRIN_WEB_PAGE_DIR}/qrcode.js
  COMMAND ${CMAKE_COMMAND} -E copy ${QUOVADRIN_QRCODE_SOURCE} ${QUOVADRIN_WEB_PAGE_DIR}/qrcode.js
  DEPENDS ${QUOVADRIN_QRCODE_SOURCE}
  VERBATIM)
list(APPEND QUOVADRIN_PAGE_OUTPUTS ${QUOVADRIN_WEB_PAGE_DIR}/qrcode.js)

# The service worker lists every file above and the program's two, each
# with its hash (cmake/ServiceWorker.cmake), so it is written after them.
set(QUOVADRIN_KEPT_FILES ${QUOVADRIN_PAGE_FILES} icon-192.png icon-512.png jszip.min.js qrcode.js
    quovadrin.js quovadrin.wasm quovadrin_overview.js quovadrin_overview.wasm)
add_custom_command(
  OUTPUT ${QUOVADRIN_WEB_PAGE_DIR}/service_worker.js
  COMMAND ${CMAKE_COMMAND} -DPAGE_DIR=${QUOVADRIN_WEB_PAGE_DIR}
          -DSOURCE=${PROJECT_SOURCE_DIR}/web/service_worker.js "-DFILES=${QUOVADRIN_KEPT_FILES}"
          -P ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake
  DEPENDS ${QUOVADRIN_PAGE_OUTPUTS} $<TARGET_FILE:quovadrin_page> $<TARGET_FILE:quovadrin_overview>
          ${PROJECT_SOURCE_DIR}/web/service_worker.js
          ${PROJECT_SOURCE_DIR}/cmake/ServiceWorker.cmake
  VERBATIM)
add_custom_target(quovadrin_page_files ALL DEPENDS ${QUOVADRIN_PAGE_OUTPUTS}
                  ${QUOVADRIN_WEB_PAGE_DIR}/service_worker.js)
