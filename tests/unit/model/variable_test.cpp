// Variables: construction from numbers and texts, names, and atoi-like reading.
#include <climits>
#include <gtest/gtest.h>
#include <string>

#include "model/variable.h"

TEST(Variable, NumberConstructionNamesTheDecimalText) {
  Variable Zero(0), TwentySeven(27), MinusTen(-10), Smallest(INT32_MIN);
  EXPECT_EQ(Zero.name(), "0");
  EXPECT_EQ(TwentySeven.value(), 27);
  EXPECT_EQ(TwentySeven.name(), "27");
  EXPECT_EQ(MinusTen.name(), "-10");
  EXPECT_EQ(Smallest.name(), "-2147483648");
}

TEST(Variable, TextConstructionReadsTheLeadingInteger) {
  Variable Zero("0"), TwentySeven("27"), Signed("  -12abc"), Plus("+7"), Word("abc"), Empty("");
  EXPECT_EQ(Zero.value(), 0);
  EXPECT_EQ(Zero.name(), "0");
  EXPECT_EQ(TwentySeven.value(), 27);
  EXPECT_EQ(TwentySeven.name(), "27");
  EXPECT_EQ(Signed.value(), -12);
  EXPECT_EQ(Signed.name(), "  -12abc");
  EXPECT_EQ(Plus.value(), 7);
  EXPECT_EQ(Word.value(), 0);
  EXPECT_EQ(Empty.value(), 0);
  Variable Missing(static_cast<const char *>(nullptr));
  EXPECT_EQ(Missing.value(), 0);
  EXPECT_EQ(Missing.name(), "");
}

TEST(Variable, OverlongDigitRunsSaturateInsteadOfOverflowing) {
  EXPECT_EQ(Variable("2147483647").value(), INT32_MAX);
  EXPECT_EQ(Variable("2147483648").value(), INT32_MAX);
  EXPECT_EQ(Variable("-2147483648").value(), INT32_MIN);
  EXPECT_EQ(Variable("-99999999999999999999999").value(), INT32_MIN);
  EXPECT_EQ(Variable(std::string(5000, '9').c_str()).value(), INT32_MAX);
}

TEST(Variable, SetNameReplacesAndValueIsIndependent) {
  Variable X(0);
  X.setName("x");
  EXPECT_EQ(X.name(), "x");
  X.setValue(-5);
  EXPECT_EQ(X.value(), -5);
  EXPECT_EQ(X.name(), "x");
  Variable Counter;
  EXPECT_EQ(Counter.value(), 0);
  EXPECT_EQ(Counter.name(), "");
}
