// Word splitting and number reading. The number reader is hand-made because
// sscanf's "%i" has undefined behaviour on overflow and needs a terminated
// string, and atoi has the same overflow trouble.
#include "model/text_scan.h"

#include <climits>

namespace {

bool isWhiteSpace(char C) {
  return C == ' ' || C == '\t' || C == '\n' || C == '\v' || C == '\f' || C == '\r';
}

int digitValue(char C) {
  if (C >= '0' && C <= '9')
    return C - '0';
  if (C >= 'a' && C <= 'f')
    return C - 'a' + 10;
  if (C >= 'A' && C <= 'F')
    return C - 'A' + 10;
  return 99;
}

// The base a "%i" number is read in, stepping over its "0x" prefix.
int prefixedBase(std::string_view Text, size_t &Pos) {
  if (Pos >= Text.size() || Text[Pos] != '0')
    return 10;
  // "0x" counts as a prefix only when a hexadecimal digit follows; otherwise
  // the number is the 0 before the x.
  if (Pos + 2 < Text.size() && (Text[Pos + 1] == 'x' || Text[Pos + 1] == 'X') &&
      digitValue(Text[Pos + 2]) < 16) {
    Pos += 2;
    return 16;
  }
  return 8;
}

} // namespace

size_t splitWords(std::string_view Line, std::string_view Separators, std::string_view *Words,
                  size_t Max) {
  auto IsSeparator = [Separators](char C) { return Separators.find(C) != std::string_view::npos; };
  size_t Count = 0;
  size_t Pos = 0;
  while (Count < Max) {
    while (Pos < Line.size() && IsSeparator(Line[Pos]))
      ++Pos;
    if (Pos == Line.size())
      break;
    const size_t Start = Pos;
    while (Pos < Line.size() && !IsSeparator(Line[Pos]))
      ++Pos;
    Words[Count++] = Line.substr(Start, Pos - Start);
  }
  return Count;
}

std::string_view nameOfWord(std::string_view Word) {
  size_t End = 0;
  while (End < Word.size() && !isWhiteSpace(Word[End]))
    ++End;
  return Word.substr(0, End);
}

int32_t readInteger(std::string_view Text, NumberBase Base) {
  size_t Pos = 0;
  while (Pos < Text.size() && isWhiteSpace(Text[Pos]))
    ++Pos;
  bool Negative = false;
  if (Pos < Text.size() && (Text[Pos] == '+' || Text[Pos] == '-'))
    Negative = Text[Pos++] == '-';
  const int Radix = Base == NumberBase::Prefixed ? prefixedBase(Text, Pos) : 10;
  // Accumulate in 64 bits and stop at the 32-bit limit.
  const int64_t Limit = Negative ? -int64_t(INT32_MIN) : int64_t(INT32_MAX);
  int64_t Magnitude = 0;
  for (; Pos < Text.size(); ++Pos) {
    const int Digit = digitValue(Text[Pos]);
    if (Digit >= Radix)
      break;
    Magnitude = Magnitude * Radix + Digit;
    if (Magnitude >= Limit) {
      Magnitude = Limit;
      break;
    }
  }
  return static_cast<int32_t>(Negative ? -Magnitude : Magnitude);
}
