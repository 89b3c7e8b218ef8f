#include <charconv>

#include "runtime/float_chars.h"

namespace tarvana {

std::string ScientificDigits(double value, int decimals) {
  char buf[64];
  return std::string(
      buf,
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, decimals).ptr);
}

std::string WholeDigits(double value) {
  // A double's whole value has at most 309 digits.
  char buf[400];
  return std::string(buf,
                     std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 0).ptr);
}

bool ParseFixed(std::string_view number, double& value) {
  double read = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), read, std::chars_format::fixed)
          .ec == std::errc::result_out_of_range)
    return false;
  value = read;
  return true;
}

}  // namespace tarvana
