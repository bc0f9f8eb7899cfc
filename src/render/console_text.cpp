// Escaping for the console.
#include "render/console_text.h"

namespace {

bool isContinuation(unsigned char Byte) { return (Byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence of two or more bytes at \p At, 0
// when there is none (overlong forms and surrogates are not valid).
size_t sequenceLength(std::string_view Text, size_t At) {
  const auto Byte = [&](size_t I) { return static_cast<unsigned char>(Text[At + I]); };
  const unsigned char Lead = Byte(0);
  size_t Length = 0;
  unsigned char Low = 0x80, High = 0xBF; // the second byte's range
  if (Lead >= 0xC2 && Lead <= 0xDF) {
    Length = 2;
  } else if (Lead >= 0xE0 && Lead <= 0xEF) {
    Length = 3;
    Low = Lead == 0xE0 ? 0xA0 : 0x80;
    High = Lead == 0xED ? 0x9F : 0xBF;
  } else if (Lead >= 0xF0 && Lead <= 0xF4) {
    Length = 4;
    Low = Lead == 0xF0 ? 0x90 : 0x80;
    High = Lead == 0xF4 ? 0x8F : 0xBF;
  }
  if (Length == 0 || At + Length > Text.size())
    return 0;
  if (Byte(1) < Low || Byte(1) > High)
    return 0;
  for (size_t I = 2; I < Length; ++I)
    if (!isContinuation(Byte(I)))
      return 0;
  return Length;
}

void appendEscaped(std::string &Out, unsigned char Byte) {
  static const char Hex[] = "0123456789abcdef";
  Out += "\\x";
  Out += Hex[Byte >> 4];
  Out += Hex[Byte & 0xF];
}

} // namespace

std::string consoleEscaped(std::string_view Text) {
  std::string Out;
  Out.reserve(Text.size());
  for (size_t I = 0; I < Text.size();) {
    const auto Byte = static_cast<unsigned char>(Text[I]);
    if (Byte == '\\') {
      Out += "\\\\";
      ++I;
    } else if (Byte < 0x20 || Byte == 0x7F) {
      appendEscaped(Out, Byte);
      ++I;
    } else if (Byte < 0x80) {
      Out += static_cast<char>(Byte);
      ++I;
    } else if (const size_t Length = sequenceLength(Text, I);
               Length > 0 && !(Byte == 0xC2 && static_cast<unsigned char>(Text[I + 1]) < 0xA0)) {
      // A valid sequence, but not one of the C1 controls U+0080 to U+009F.
      Out.append(Text.substr(I, Length));
      I += Length;
    } else {
      appendEscaped(Out, Byte);
      ++I;
    }
  }
  return Out;
}
