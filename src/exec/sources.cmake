list(APPEND CORE_SOURCES
  exec/random.cpp
)
