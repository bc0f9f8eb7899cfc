list(APPEND CORE_SOURCES
  files/saved_files.cpp
)
