# The .alg text and its reader, the grey PNG encoding, atomic writing through
# the one file-operations seam, the
# saved-file scan and the lookup of the program's images; built on the model
# and execution. The PNG encoder is libpng's on the desktop and the header-only
# stb_image_write in the web build, where libpng cannot be built; both encode
# the same grey rows (gray_rows.cpp).
add_library(quovadrin_files STATIC
  files/saved_files.cpp
  files/file_operations.cpp
  files/atomic_file.cpp
  files/gray_rows.cpp
  files/alg_format.cpp
  files/alg_writer.cpp
  files/save_names.cpp
  files/bounded_file.cpp
  files/alg_reader.cpp
  files/regular_file.cpp
  files/image_folder.cpp
  files/reader_variables.cpp
)
target_link_libraries(quovadrin_files PUBLIC quovadrin_model quovadrin_exec)
if(QUOVADRIN_WEB)
  target_sources(quovadrin_files PRIVATE files/gray_png_stb.cpp)
  target_include_directories(quovadrin_files SYSTEM PRIVATE ${QUOVADRIN_STB_DIR})
else()
  target_sources(quovadrin_files PRIVATE files/gray_png_libpng.cpp)
  target_link_libraries(quovadrin_files PUBLIC PNG::PNG)
endif()
