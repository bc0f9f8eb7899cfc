// How the .alg reader takes a line apart: words split at spaces and
// apostrophes, a name as the word up to its first white-space byte, and a
// number read the way the "%i" input conversion reads it.
#ifndef QUOVADRIN_FILES_ALG_WORDS_H
#define QUOVADRIN_FILES_ALG_WORDS_H

#include <cstddef>
#include <cstdint>
#include <string_view>

/// Puts up to \p Max words of \p Line into \p Words and returns how many there
/// were. Spaces and apostrophes separate words, empty words are skipped, and
/// any other byte (tabs, the line end) belongs to a word.
size_t splitWords(std::string_view Line, std::string_view *Words, size_t Max);

/// The word up to its first white-space byte (space, tab, LF, VT, FF, CR).
std::string_view nameOfWord(std::string_view Word);

/// The number at the start of \p Word: leading white space skipped, an
/// optional sign, then hexadecimal digits after "0x" or "0X", octal digits
/// after a leading 0, decimal digits otherwise. 0 when there is no number.
/// Values beyond 32 bits saturate at the nearest limit.
int32_t scanInteger(std::string_view Word);

/// Whether \p Text contains \p Part anywhere.
inline bool contains(std::string_view Text, std::string_view Part) {
  return Text.find(Part) != std::string_view::npos;
}

#endif
