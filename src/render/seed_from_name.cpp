// Parsing by hand rather than with sscanf: "%i" would take a leading 0 for
// octal and silently wrap a number too long for 32 bits.
#include "render/seed_from_name.h"

namespace {

constexpr std::string_view Prefix = "seed_";

bool isDigit(char C) { return C >= '0' && C <= '9'; }

} // namespace

std::optional<int32_t> seedFromFileName(std::string_view FileName) {
  if (FileName.substr(0, Prefix.size()) != Prefix)
    return std::nullopt;
  std::string_view Rest = FileName.substr(Prefix.size());
  const bool Negative = !Rest.empty() && Rest.front() == '-';
  if (Negative)
    Rest.remove_prefix(1);
  int64_t Value = 0;
  size_t Digits = 0;
  for (; Digits < Rest.size() && isDigit(Rest[Digits]); ++Digits) {
    Value = Value * 10 + (Rest[Digits] - '0');
    if (Value > int64_t(INT32_MAX) + 1)
      return std::nullopt;
  }
  // The seed ends at the dash before the save letter.
  if (Digits == 0 || Digits >= Rest.size() || Rest[Digits] != '-')
    return std::nullopt;
  if (Negative)
    Value = -Value;
  if (Value > INT32_MAX || Value < INT32_MIN)
    return std::nullopt;
  return static_cast<int32_t>(Value);
}
