// Numbers in the SVG text: read back they are the value to a hundredth, and
// their text has one form only (no exponent, no trailing zeros, no "-0"), so
// the same Drawing always gives the same bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <regex>

#include "svg/svg_number.h"

namespace {

std::string numberText(float Value) {
  std::string Text;
  appendSvgNumber(Text, Value);
  return Text;
}

} // namespace

TEST(SvgNumber, ReadsBackAsTheValueToAHundredthInItsOneForm) {
  const std::regex Form("0|-?[1-9][0-9]*(\\.[0-9]?[1-9])?|-?0\\.[0-9]?[1-9]");
  std::mt19937 Random(20240611);
  std::uniform_real_distribution<float> Canvas(-2000.0f, 2000.0f);
  std::uniform_int_distribution<int> Hundredths(-200000, 200000);
  for (int I = 0; I < 20000; ++I) {
    // Arbitrary values, and values on or next to a hundredth, where rounding
    // and trailing zeros matter.
    const float Value = I % 2 ? Canvas(Random) : Hundredths(Random) / 100.0f;
    const std::string Text = numberText(Value);
    ASSERT_TRUE(std::regex_match(Text, Form)) << Value << " gave " << Text;
    EXPECT_NEAR(std::strtod(Text.c_str(), nullptr), Value, 0.005 + std::abs(Value) * 1e-6) << Text;
  }
}

TEST(SvgNumber, ValuesThatRoundToZeroAndValuesThatAreNoNumbersGiveZero) {
  for (float Value : {0.0f, -0.0f, 0.004f, -0.004f, NAN, INFINITY, -INFINITY})
    EXPECT_EQ(numberText(Value), "0") << Value;
  EXPECT_EQ(numberText(-0.006f), "-0.01");
  EXPECT_EQ(numberText(1e12f), "999999995904") << "large values stay in fixed notation";
}
