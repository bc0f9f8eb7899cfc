# The .alg text and its reader, the grey PNG encoding, atomic writing, the
# saved-file scan and the lookup of the program's images; built on the model
# and execution, and libpng.
add_library(quovadrin_files STATIC
  files/saved_files.cpp
  files/atomic_file.cpp
  files/gray_png.cpp
  files/alg_format.cpp
  files/alg_writer.cpp
  files/alg_reader.cpp
  files/regular_file.cpp
  files/image_folder.cpp
  files/reader_variables.cpp
)
target_link_libraries(quovadrin_files PUBLIC quovadrin_model quovadrin_exec PNG::PNG)
