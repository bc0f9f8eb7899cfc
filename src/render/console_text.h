// Names on the teacher's console. A file name may hold any byte but the
// slash: an escape sequence in a name, printed raw, clears the terminal or
// sets its title, and a line feed forges a line of its own. Names are
// therefore printed with every control character and every byte that is not
// UTF-8 written as \xNN, and a backslash as \\, so a line says exactly which
// file it means and nothing else.
#ifndef QUOVADRIN_RENDER_CONSOLE_TEXT_H
#define QUOVADRIN_RENDER_CONSOLE_TEXT_H

#include <string>
#include <string_view>

/// \p Text with control characters (C0, DEL and C1), invalid UTF-8 and
/// backslashes escaped; printable ASCII and valid UTF-8 stay as they are.
std::string consoleEscaped(std::string_view Text);

#endif
