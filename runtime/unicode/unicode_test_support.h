#pragma once
// What the tests of this folder share: text from code points, and code points
// and bytes spelled out for a failure message.

#include <cstdio>
#include <string>
#include <string_view>

#include "runtime/utf8.h"

namespace tarvana::unicode_test {

// The UTF-8 form of code points.
inline std::string Utf8(std::u32string_view text) {
  std::string out;
  for (char32_t c : text)
    AppendUtf8(out, c);
  return out;
}

// "U+0065 U+0301".
inline std::string Spelled(std::u32string_view text) {
  std::string out;
  char buffer[16];
  for (char32_t c : text) {
    std::snprintf(buffer, sizeof buffer, "%sU+%04X", out.empty() ? "" : " ", unsigned(c));
    out += buffer;
  }
  return out;
}

// "E2 82 41".
inline std::string SpelledBytes(std::string_view bytes) {
  std::string out;
  char buffer[8];
  for (unsigned char b : bytes) {
    std::snprintf(buffer, sizeof buffer, "%s%02X", out.empty() ? "" : " ", unsigned(b));
    out += buffer;
  }
  return out;
}

}  // namespace tarvana::unicode_test
