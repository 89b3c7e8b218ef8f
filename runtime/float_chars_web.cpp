#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "runtime/float_chars.h"

// The browser's C++ library has no floating-point to_chars and from_chars; its
// C library formats exactly and its locale is always "C".

namespace tarvana {

std::string ScientificDigits(double value, int decimals) {
  char buf[64];
  const int n = std::snprintf(buf, sizeof buf, "%.*e", decimals, value);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

std::string WholeDigits(double value) {
  char buf[400];
  const int n = std::snprintf(buf, sizeof buf, "%.0f", value);
  return std::string(buf, n > 0 ? static_cast<size_t>(n) : 0);
}

bool ParseFixed(std::string_view number, double& value) {
  const std::string text(number);
  errno = 0;
  const double read = std::strtod(text.c_str(), nullptr);
  if (errno == ERANGE) return false;
  value = read;
  return true;
}

}  // namespace tarvana
