// Fixed-point formatting through std::to_chars, which never consults the
// locale (printf would write "1,5" under a German one).
#include "svg/svg_number.h"

#include <charconv>
#include <cmath>
#include <string_view>

void appendSvgNumber(std::string &Out, float Value) {
  if (!std::isfinite(Value)) {
    Out += '0';
    return;
  }
  // Enough for the largest float in fixed notation with its decimals.
  char Buffer[64];
  const auto Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value,
                                    std::chars_format::fixed, SvgNumberDecimals);
  std::string_view Text(Buffer, static_cast<size_t>(Result.ptr - Buffer));
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
