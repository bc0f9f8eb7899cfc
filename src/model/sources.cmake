list(APPEND CORE_SOURCES
  model/text_format.cpp
  model/variable.cpp
  model/command.cpp
  model/algorithm.cpp
  model/algorithm_edit.cpp
)
