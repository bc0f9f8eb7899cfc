# The protections Debian builds its programs with: buffer checks in the C
# library's string and memory functions, stack canaries and stack-clash
# probes, and relocations made read-only before the program starts. The
# sanitizer build leaves them out: AddressSanitizer does the checking there,
# and the C library's checked functions would hide calls from it. The checked
# functions need an optimising build, so Debug builds leave that one out.
# WebAssembly has no native stack or relocations to protect.
if(NOT QUOVADRIN_SANITIZE AND NOT EMSCRIPTEN)
  add_compile_options(-fstack-protector-strong -fstack-clash-protection
                      $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
