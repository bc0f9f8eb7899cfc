// Numbers as the SVG text carries them: the same float gives the same bytes
// on every machine and in every locale, so two renderings of one Drawing are
// byte for byte equal and tests can compare files.
#ifndef QUOVADRIN_SVG_SVG_NUMBER_H
#define QUOVADRIN_SVG_SVG_NUMBER_H

#include <string>

/// Decimals kept: a hundredth of a layout unit is far below a printed dot.
constexpr int SvgNumberDecimals = 2;

/// Appends \p Value rounded to SvgNumberDecimals, without trailing zeros or
/// a trailing point, with "0" for a value that rounds to zero (never "-0").
/// A value that is not finite is written as 0, so the document stays valid.
void appendSvgNumber(std::string &Out, float Value);

#endif
