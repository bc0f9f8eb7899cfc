// printf-style formatting into a growing std::string.
#include "model/text_format.h"

#include <cstdarg>
#include <cstdio>

std::string formatText(const char *Format, ...) {
  va_list Args;
  va_start(Args, Format);
  va_list Copy;
  va_copy(Copy, Args);
  int Length = std::vsnprintf(nullptr, 0, Format, Copy);
  va_end(Copy);
  std::string Result;
  if (Length > 0) {
    Result.resize(static_cast<size_t>(Length) + 1);
    std::vsnprintf(&Result[0], Result.size(), Format, Args);
    Result.resize(static_cast<size_t>(Length));
  }
  va_end(Args);
  return Result;
}
