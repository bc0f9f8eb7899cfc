// Names on the console: what a terminal would act on is shown as escapes,
// everything a name may properly hold is shown as it is.
#include <gtest/gtest.h>

#include "render/console_text.h"

TEST(ConsoleText, EscapeSequencesLineFeedsAndBrokenBytesCannotReachTheTerminal) {
  // Clears the screen, sets the window title and forges a line of its own.
  const std::string Hostile = "\x1b[2J\x1b]0;gehackt\x07x\ny\r.alg";
  const std::string Shown = consoleEscaped(Hostile);
  EXPECT_EQ(Shown, "\\x1b[2J\\x1b]0;gehackt\\x07x\\x0ay\\x0d.alg");
  for (char C : Shown)
    EXPECT_TRUE(C >= 0x20 && C < 0x7f) << int(C);
  // A raw C1 control (CSI as one byte), the same as UTF-8, DEL, a lone
  // continuation byte, an overlong slash, a surrogate and a cut sequence.
  const struct {
    const char *Name;
    const char *Shown;
  } Broken[] = {{"a\x9b-", "a\\x9b-"},
                {"a\xc2\x9b-", "a\\xc2\\x9b-"},
                {"\x7f", "\\x7f"},
                {"\x80", "\\x80"},
                {"\xc0\xaf", "\\xc0\\xaf"},
                {"\xed\xa0\x80", "\\xed\\xa0\\x80"},
                {"ab\xe2\x82", "ab\\xe2\\x82"}};
  for (const auto &Case : Broken)
    EXPECT_EQ(consoleEscaped(Case.Name), Case.Shown);
  // A backslash is doubled, so an escape in the output always means one.
  EXPECT_EQ(consoleEscaped("a\\x1b"), "a\\\\x1b");
}

TEST(ConsoleText, LettersOfEveryLanguageStayAsTheyAre) {
  for (const char *Name :
       {"seed_1796734110-zaa.alg", "Jürgen/Übung ß.alg", "\xd0\x9c\xd0\xb0\xd1\x88\xd0\xb0.alg",
        "\xe6\x98\x9f.alg", "\xf0\x9f\x8c\x9f stern.alg", "a b'c\"d.alg"})
    EXPECT_EQ(consoleEscaped(Name), Name);
}
