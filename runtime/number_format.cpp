#include "runtime/number_format.h"

#include <algorithm>
#include <cmath>

#include "runtime/float_chars.h"

namespace tarvana {

std::string NumberDigits(double value, int significant) {
  significant = std::clamp(significant, 1, 17);
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value < 0 ? "-Inf" : "Inf";
  // Correctly rounded and independent of the locale.
  const std::string scientific = ScientificDigits(std::fabs(value), significant - 1);
  const std::string_view text(scientific);
  const size_t e = text.find('e');
  const int exponent = std::stoi(std::string(text.substr(e + 1)));
  std::string digits;
  for (char c : text.substr(0, e))
    if (c != '.') digits += c;
  while (digits.size() > 1 && digits.back() == '0')
    digits.pop_back();
  if (digits == "0") return "0";

  std::string out = value < 0 ? "-" : "";
  const int count = static_cast<int>(digits.size());
  if (exponent >= significant || exponent < -significant) {
    out += digits.substr(0, 1);
    if (count > 1) out += "." + digits.substr(1);
    return out + (exponent < 0 ? "E-" : "E+") + (std::abs(exponent) < 10 ? "0" : "") +
           std::to_string(std::abs(exponent));
  }
  if (exponent < 0) return out + "." + std::string(-exponent - 1, '0') + digits;
  if (count <= exponent + 1) return out + digits + std::string(exponent + 1 - count, '0');
  return out + digits.substr(0, exponent + 1) + "." + digits.substr(exponent + 1);
}

std::string NumberString(double value, int significant) {
  std::string digits = NumberDigits(value, significant);
  return digits[0] == '-' ? digits : " " + digits;
}

std::string PrintedNumber(double value, int significant) {
  return NumberString(value, significant) + " ";
}

std::string GroupedNumber(std::int64_t value) {
  std::string text = std::to_string(value);
  const int first = text[0] == '-' ? 1 : 0;
  for (int i = static_cast<int>(text.size()) - 3; i > first; i -= 3)
    text.insert(i, ",");
  return text;
}

double LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t start = i;
  auto skip_digits = [&] {
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
      ++i;
  };
  skip_digits();
  const size_t point = i;
  if (i < text.size() && text[i] == '.') {
    ++i;
    skip_digits();
  }
  const std::string_view number = text.substr(start, i - start);
  if (number.find_first_of("0123456789") == std::string_view::npos) return 0;
  double value = 0;
  if (!ParseFixed(number, value)) {
    // Too many digits for a double: huge when the whole part has a non-zero digit, else tiny.
    const bool huge =
        text.substr(start, point - start).find_first_of("123456789") != std::string_view::npos;
    value = huge ? HUGE_VAL : 0;
  }
  return negative ? -value : value;
}

int RoundToInt(double value, int low, int high) {
  if (std::isnan(value)) value = 0;
  return static_cast<int>(
      std::nearbyint(std::clamp(value, static_cast<double>(low), static_cast<double>(high))));
}

}  // namespace tarvana
