list(APPEND CORE_SOURCES
  files/saved_files.cpp
  files/atomic_file.cpp
  files/gray_png.cpp
  files/alg_format.cpp
  files/alg_writer.cpp
  files/alg_words.cpp
  files/alg_reader.cpp
)
