// Keys: Escape ends the program.
#include "editor/keyboard.h"

#include <cstdlib>

namespace {
constexpr unsigned char EscapeKey = 27;
} // namespace

void onKeyboard(unsigned char Key, int X, int Y) {
  (void)X;
  (void)Y;
  if (Key == EscapeKey)
    std::exit(0);
}
