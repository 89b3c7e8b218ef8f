#pragma once
// Doubles to and from text without the locale, correctly rounded: through
// std::to_chars and std::from_chars where the C++ library has them for
// floating point, else through the C library in the "C" locale (the browser).

#include <string>
#include <string_view>

namespace tarvana {

// |value| in scientific notation with the given digits after the point: 1.25e+03.
std::string ScientificDigits(double value, int decimals);
// A finite value rounded to a whole number, every digit written out: 12345678901234567890.
std::string WholeDigits(double value);
// Reads a plain decimal number (digits, an optional point and digits) into
// value; false when it is too large or too small for a double, value unchanged.
bool ParseFixed(std::string_view number, double& value);

}  // namespace tarvana
