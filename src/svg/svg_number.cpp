// Fixed-point formatting as printf's "%.2f" does it, with the decimal point
// put back where a locale (a German one writes "1,5") has put a comma. The
// formatting of floating-point numbers by std::to_chars is not in every
// standard library the program is built with (the web page's is older).
#include "svg/svg_number.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

void appendSvgNumber(std::string &Out, float Value) {
  if (!std::isfinite(Value)) {
    Out += '0';
    return;
  }
  // Enough for the largest float in fixed notation with its decimals.
  char Buffer[64];
  const int Length = std::snprintf(Buffer, sizeof(Buffer), "%.*f", SvgNumberDecimals,
                                   static_cast<double>(Value));
  if (Length <= 0 || static_cast<size_t>(Length) >= sizeof(Buffer)) {
    Out += '0';
    return;
  }
  std::replace(Buffer, Buffer + Length, ',', '.');
  std::string_view Text(Buffer, static_cast<size_t>(Length));
  // Fixed notation always has its point here; the zeros after it say nothing.
  if (Text.find('.') != std::string_view::npos) {
    while (Text.back() == '0')
      Text.remove_suffix(1);
    if (Text.back() == '.')
      Text.remove_suffix(1);
  }
  if (Text == "-0" || Text.empty()) {
    Out += '0';
    return;
  }
  Out += Text;
}
