#pragma once
// Numbers as text the way the toolbox and its programs print them, and the
// reading of the number a text starts with.

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace tarvana {

// Significant digits a single-precision and a double-precision value print with.
inline constexpr int kSingleDigits = 7;
inline constexpr int kDoubleDigits = 15;

// value rounded to `significant` (1-17) significant digits: "-" for negative
// values, no zero before the point (.5), no trailing zeros in the fraction, no
// point without a fraction. Plain digits while the value's decimal exponent is
// between -significant and significant - 1, else exponent form (1.5E+20).
std::string NumberDigits(double value, int significant);
// NumberDigits with its sign position: a blank in front of values >= 0.
std::string NumberString(double value, int significant);
// A number printed as a number: NumberString followed by one blank.
std::string PrintedNumber(double value, int significant);
// Digits grouped in threes from the right with commas between the groups, as
// the mask "#,###,###,###" writes them, for any number of digits: 1234567 is
// "1,234,567", 0 is "0", a negative value gets "-" in front.
std::string GroupedNumber(std::int64_t value);
// The number text starts with: leading blanks skipped, then an optional sign,
// digits and a fraction, read up to the first other character. A text that
// starts with no number gives 0.
double LeadingNumber(std::string_view text);
// The whole number nearest to value (ties to even), held to low..high; NaN gives 0.
int RoundToInt(double value, int low = std::numeric_limits<int>::min(),
               int high = std::numeric_limits<int>::max());

}  // namespace tarvana
