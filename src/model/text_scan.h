// Taking text apart: words separated by chosen bytes, a name as the word up
// to its first white-space byte, and an integer read from the start of a
// text. The Variables made from a constant's text and the .alg reader both
// read their numbers here, so the two can never disagree about a digit.
#ifndef QUOVADRIN_MODEL_TEXT_SCAN_H
#define QUOVADRIN_MODEL_TEXT_SCAN_H

#include <cstddef>
#include <cstdint>
#include <string_view>

/// Puts up to \p Max words of \p Line into \p Words and returns how many
/// there were. Every byte of \p Separators separates words, empty words are
/// skipped, and any other byte (tabs, the line end) belongs to a word.
size_t splitWords(std::string_view Line, std::string_view Separators, std::string_view *Words,
                  size_t Max);

/// The word up to its first white-space byte (space, tab, LF, VT, FF, CR).
std::string_view nameOfWord(std::string_view Word);

/// How an integer's digits are read.
enum class NumberBase {
  /// Decimal digits only, as atoi reads them: "010" is ten.
  Decimal,
  /// As the "%i" input conversion reads them: hexadecimal after "0x" or
  /// "0X", octal after a leading 0, decimal otherwise.
  Prefixed,
};

/// The integer at the start of \p Text: leading white space skipped, an
/// optional sign, then digits of \p Base. 0 when there is no number. Values
/// beyond 32 bits saturate at the nearest limit instead of wrapping.
int32_t readInteger(std::string_view Text, NumberBase Base);

/// Whether \p Text contains \p Part anywhere.
inline bool contains(std::string_view Text, std::string_view Part) {
  return Text.find(Part) != std::string_view::npos;
}

#endif
