// Word splitting and number reading for the .alg reader. The number reader
// is hand-made because sscanf's "%i" has undefined behaviour on overflow and
// needs a terminated string.
#include "files/alg_words.h"

#include <climits>

namespace {

bool isSeparator(char C) { return C == ' ' || C == '\''; }

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

} // namespace

size_t splitWords(std::string_view Line, std::string_view *Words, size_t Max) {
  size_t Count = 0;
  size_t Pos = 0;
  while (Count < Max) {
    while (Pos < Line.size() && isSeparator(Line[Pos]))
      ++Pos;
    if (Pos == Line.size())
      break;
    const size_t Start = Pos;
    while (Pos < Line.size() && !isSeparator(Line[Pos]))
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

int32_t scanInteger(std::string_view Word) {
  size_t Pos = 0;
  while (Pos < Word.size() && isWhiteSpace(Word[Pos]))
    ++Pos;
  bool Negative = false;
  if (Pos < Word.size() && (Word[Pos] == '+' || Word[Pos] == '-'))
    Negative = Word[Pos++] == '-';
  int Base = 10;
  if (Pos < Word.size() && Word[Pos] == '0') {
    Base = 8;
    // "0x" counts as a prefix only when a hexadecimal digit follows;
    // otherwise the number is the 0 before the x.
    if (Pos + 2 < Word.size() && (Word[Pos + 1] == 'x' || Word[Pos + 1] == 'X') &&
        digitValue(Word[Pos + 2]) < 16) {
      Base = 16;
      Pos += 2;
    }
  }
  // Accumulate in 64 bits and stop at the 32-bit limit.
  const int64_t Limit = Negative ? -int64_t(INT32_MIN) : int64_t(INT32_MAX);
  int64_t Magnitude = 0;
  for (; Pos < Word.size(); ++Pos) {
    const int Digit = digitValue(Word[Pos]);
    if (Digit >= Base)
      break;
    Magnitude = Magnitude * Base + Digit;
    if (Magnitude >= Limit) {
      Magnitude = Limit;
      break;
    }
  }
  return static_cast<int32_t>(Negative ? -Magnitude : Magnitude);
}
