# Warnings are errors on our own targets, never on third-party code.
function(quovadrin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
