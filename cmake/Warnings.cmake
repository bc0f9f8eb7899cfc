# Warnings are errors on our own targets, never on third-party code. Shadowed
# names, polymorphic bases without a virtual destructor and extensions
# outside the standard are errors too.
function(quovadrin_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wpedantic
                                           -Werror)
endfunction()
