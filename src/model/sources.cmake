# Variables, Commands and the Algorithm list: the standard library only.
add_library(quovadrin_model STATIC
  model/text_format.cpp
  model/text_scan.cpp
  model/variable.cpp
  model/command.cpp
  model/algorithm.cpp
  model/algorithm_edit.cpp
  model/indentation.cpp
)
