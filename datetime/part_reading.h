#pragma once
// Reading date and time parts out of their texts (internal to the date and
// time tools).

#include <cstdint>
#include <string_view>

#include "runtime/number_format.h"

namespace tarvana {

// The characters of text from 1-based position `from`, at most count of them;
// empty past the end.
inline std::string_view FieldAt(std::string_view text, size_t from,
                                size_t count = std::string_view::npos) {
  return from - 1 < text.size() ? text.substr(from - 1, count) : std::string_view{};
}

// The rounded leading number of a text, held to what the part is kept in: a
// byte for months and days, 16 bits for years, hours and minutes.
inline int ByteNumber(std::string_view text) {
  return RoundToInt(LeadingNumber(text), 0, 255);
}
inline int Int16Number(std::string_view text) {
  return RoundToInt(LeadingNumber(text), INT16_MIN, INT16_MAX);
}

}  // namespace tarvana
