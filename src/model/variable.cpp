// Variables and the atoi-like reading of a constant's text.
#include "model/variable.h"

#include <cctype>
#include <climits>

#include "model/text_format.h"

int32_t leadingInteger(const char *Text) {
  if (!Text)
    return 0;
  const unsigned char *P = reinterpret_cast<const unsigned char *>(Text);
  while (std::isspace(*P))
    ++P;
  bool Negative = false;
  if (*P == '+' || *P == '-')
    Negative = *P++ == '-';
  // Accumulate in 64 bits and stop at the 32-bit limits, so a long digit run
  // can neither overflow nor wrap into a surprising value.
  int64_t Magnitude = 0;
  const int64_t Limit = Negative ? -int64_t(INT32_MIN) : INT32_MAX;
  for (; std::isdigit(*P); ++P) {
    Magnitude = Magnitude * 10 + (*P - '0');
    if (Magnitude >= Limit) {
      Magnitude = Limit;
      break;
    }
  }
  return static_cast<int32_t>(Negative ? -Magnitude : Magnitude);
}

Variable::Variable(int32_t Number) : Value(Number), Name(formatText("%i", Number)) {}

Variable::Variable(const char *Text) : Value(leadingInteger(Text)), Name(Text ? Text : "") {}

Variable::Variable() : Value(0) {}

Variable::~Variable() = default;
