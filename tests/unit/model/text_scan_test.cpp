// Taking text apart: word splitting at chosen bytes, names, and integers read
// either as decimal digits only or the way "%i" reads them.
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "model/text_scan.h"

namespace {

/// The words of \p Line split at spaces and apostrophes, as the .alg reader
/// splits its lines.
std::vector<std::string> words(std::string_view Line, size_t Max = 10) {
  std::string_view Found[10];
  const size_t Count = splitWords(Line, " '", Found, Max);
  return std::vector<std::string>(Found, Found + Count);
}

using Words = std::vector<std::string>;

int32_t prefixed(std::string_view Text) { return readInteger(Text, NumberBase::Prefixed); }
int32_t decimal(std::string_view Text) { return readInteger(Text, NumberBase::Decimal); }

} // namespace

TEST(TextScan, SpacesAndApostrophesSeparateOtherBytesDoNot) {
  EXPECT_EQ(words("gib x den wert 5\n"), (Words{"gib", "x", "den", "wert", "5\n"}));
  EXPECT_EQ(words("gib 'x' den"), (Words{"gib", "x", "den"}));
  EXPECT_EQ(words("  a   b ''c'' "), (Words{"a", "b", "c"}));
  EXPECT_EQ(words("gib\tx den\r\n"), (Words{"gib\tx", "den\r\n"}));
  EXPECT_EQ(words("a b \n"), (Words{"a", "b", "\n"}));
  EXPECT_TRUE(words("").empty());
  EXPECT_TRUE(words(" ' ' ").empty());
  EXPECT_EQ(words("a b c d", 2), (Words{"a", "b"}));
}

TEST(TextScan, SeparatorsAreTheCallersChoice) {
  std::string_view Found[4];
  ASSERT_EQ(splitWords(";a b;;c;", ";", Found, 4), 2u);
  EXPECT_EQ(Found[0], "a b") << "a space is an ordinary byte here";
  EXPECT_EQ(Found[1], "c");
  EXPECT_EQ(splitWords("a b", "", Found, 4), 1u);
  EXPECT_EQ(Found[0], "a b");
  EXPECT_EQ(splitWords("a b", " ", Found, 0), 0u);
}

TEST(TextScan, NameEndsAtTheFirstWhiteSpaceByte) {
  EXPECT_EQ(nameOfWord("max\n"), "max");
  EXPECT_EQ(nameOfWord("dx\r\n"), "dx");
  EXPECT_EQ(nameOfWord("x\ty"), "x");
  EXPECT_EQ(nameOfWord("\tx"), "");
  EXPECT_EQ(nameOfWord("x."), "x.");
}

TEST(TextScan, NumbersReadLikePercentI) {
  EXPECT_EQ(prefixed("5"), 5);
  EXPECT_EQ(prefixed("-10\r\n"), -10);
  EXPECT_EQ(prefixed("+7"), 7);
  EXPECT_EQ(prefixed("010"), 8);
  EXPECT_EQ(prefixed("0x10"), 16);
  EXPECT_EQ(prefixed("0XfF"), 255);
  EXPECT_EQ(prefixed("-0x10"), -16);
  EXPECT_EQ(prefixed("\t 42"), 42); // "%i" skips leading white space
  EXPECT_EQ(prefixed("20mal"), 20);
  EXPECT_EQ(prefixed("08"), 0); // octal stops at 8
  EXPECT_EQ(prefixed("0x"), 0);
  EXPECT_EQ(prefixed("0xg"), 0);
  EXPECT_EQ(prefixed("abc"), 0);
  EXPECT_EQ(prefixed("-"), 0);
  EXPECT_EQ(prefixed("\n"), 0);
  EXPECT_EQ(prefixed(""), 0);
}

TEST(TextScan, NumbersBeyondThirtyTwoBitsSaturate) {
  EXPECT_EQ(prefixed("2147483647"), INT32_MAX);
  EXPECT_EQ(prefixed("-2147483648"), INT32_MIN);
  EXPECT_EQ(prefixed("2147483648"), INT32_MAX);
  EXPECT_EQ(prefixed("-2147483649"), INT32_MIN);
  EXPECT_EQ(prefixed("99999999999999999999999999"), INT32_MAX);
  EXPECT_EQ(prefixed("0xffffffffffff"), INT32_MAX);
  EXPECT_EQ(prefixed("-077777777777777"), INT32_MIN);
}

TEST(TextScan, DecimalNumbersTakeNoPrefix) {
  // Where "%i" would read octal or hexadecimal, decimal reading sees a
  // leading zero as a digit and stops at the x.
  EXPECT_EQ(decimal("010"), 10);
  EXPECT_EQ(decimal("08"), 8);
  EXPECT_EQ(decimal("0x10"), 0);
  EXPECT_EQ(decimal("-0XfF"), 0);
  EXPECT_EQ(decimal(" \t-12abc"), -12);
  EXPECT_EQ(decimal("+7"), 7);
  EXPECT_EQ(decimal("- 7"), 0);
  EXPECT_EQ(decimal(""), 0);
  EXPECT_EQ(decimal("2147483648"), INT32_MAX);
  EXPECT_EQ(decimal("-2147483649"), INT32_MIN);
}

TEST(TextScan, ContainsFindsAnyPlace) {
  EXPECT_TRUE(contains("bitte zeichne einen kreis", "zeichne"));
  EXPECT_TRUE(contains("ungefuelltes", "llte"));
  EXPECT_FALSE(contains("zeichn", "zeichne"));
}
