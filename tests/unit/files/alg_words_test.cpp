// Taking reader lines apart: word splitting, names and "%i"-style numbers.
#include <climits>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "files/alg_words.h"

namespace {

std::vector<std::string> words(std::string_view Line, size_t Max = 10) {
  std::string_view Found[10];
  const size_t Count = splitWords(Line, Found, Max);
  return std::vector<std::string>(Found, Found + Count);
}

using Words = std::vector<std::string>;

} // namespace

TEST(AlgWords, SpacesAndApostrophesSeparateOtherBytesDoNot) {
  EXPECT_EQ(words("gib x den wert 5\n"), (Words{"gib", "x", "den", "wert", "5\n"}));
  EXPECT_EQ(words("gib 'x' den"), (Words{"gib", "x", "den"}));
  EXPECT_EQ(words("  a   b ''c'' "), (Words{"a", "b", "c"}));
  EXPECT_EQ(words("gib\tx den\r\n"), (Words{"gib\tx", "den\r\n"}));
  EXPECT_EQ(words("a b \n"), (Words{"a", "b", "\n"}));
  EXPECT_TRUE(words("").empty());
  EXPECT_TRUE(words(" ' ' ").empty());
  EXPECT_EQ(words("a b c d", 2), (Words{"a", "b"}));
}

TEST(AlgWords, NameEndsAtTheFirstWhiteSpaceByte) {
  EXPECT_EQ(nameOfWord("max\n"), "max");
  EXPECT_EQ(nameOfWord("dx\r\n"), "dx");
  EXPECT_EQ(nameOfWord("x\ty"), "x");
  EXPECT_EQ(nameOfWord("\tx"), "");
  EXPECT_EQ(nameOfWord("x."), "x.");
}

TEST(AlgWords, NumbersReadLikePercentI) {
  EXPECT_EQ(scanInteger("5"), 5);
  EXPECT_EQ(scanInteger("-10\r\n"), -10);
  EXPECT_EQ(scanInteger("+7"), 7);
  EXPECT_EQ(scanInteger("010"), 8);
  EXPECT_EQ(scanInteger("0x10"), 16);
  EXPECT_EQ(scanInteger("0XfF"), 255);
  EXPECT_EQ(scanInteger("-0x10"), -16);
  EXPECT_EQ(scanInteger("\t 42"), 42); // "%i" skips leading white space
  EXPECT_EQ(scanInteger("20mal"), 20);
  EXPECT_EQ(scanInteger("08"), 0); // octal stops at 8
  EXPECT_EQ(scanInteger("0x"), 0);
  EXPECT_EQ(scanInteger("0xg"), 0);
  EXPECT_EQ(scanInteger("abc"), 0);
  EXPECT_EQ(scanInteger("-"), 0);
  EXPECT_EQ(scanInteger("\n"), 0);
  EXPECT_EQ(scanInteger(""), 0);
}

TEST(AlgWords, NumbersBeyondThirtyTwoBitsSaturate) {
  EXPECT_EQ(scanInteger("2147483647"), INT32_MAX);
  EXPECT_EQ(scanInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(scanInteger("2147483648"), INT32_MAX);
  EXPECT_EQ(scanInteger("-2147483649"), INT32_MIN);
  EXPECT_EQ(scanInteger("99999999999999999999999999"), INT32_MAX);
  EXPECT_EQ(scanInteger("0xffffffffffff"), INT32_MAX);
  EXPECT_EQ(scanInteger("-077777777777777"), INT32_MIN);
}

TEST(AlgWords, ContainsFindsAnyPlace) {
  EXPECT_TRUE(contains("bitte zeichne einen kreis", "zeichne"));
  EXPECT_TRUE(contains("ungefuelltes", "llte"));
  EXPECT_FALSE(contains("zeichn", "zeichne"));
}
