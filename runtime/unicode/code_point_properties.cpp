#include "runtime/unicode/code_point_properties.h"

#include <algorithm>

#include "runtime/unicode/unicode_tables.h"

namespace tarvana {
namespace {

using internal::UnicodeRange;

// The value of the range holding c, or 0 when none does.
std::uint8_t ValueOf(std::span<const UnicodeRange> table, char32_t c) {
  const auto it = std::partition_point(table.begin(), table.end(),
                                       [c](const UnicodeRange& r) { return r.last < c; });
  return it != table.end() && it->first <= c ? it->value : 0;
}

}  // namespace

WidthClass WidthClassOf(char32_t c) {
  return static_cast<WidthClass>(ValueOf(internal::kWidthRanges, c) & internal::kWidthClassMask);
}

bool IsEmojiCapable(char32_t c) {
  return ValueOf(internal::kWidthRanges, c) & internal::kEmojiCapableFlag;
}

bool HasEmojiPresentation(char32_t c) {
  return ValueOf(internal::kWidthRanges, c) & internal::kEmojiPresentationFlag;
}

GraphemeBreak GraphemeBreakOf(char32_t c) {
  const auto b = static_cast<GraphemeBreak>(ValueOf(internal::kGraphemeRanges, c) &
                                            internal::kGraphemeBreakMask);
  if (b == GraphemeBreak::kLVT && c >= internal::kHangulSyllableFirst &&
      c <= internal::kHangulSyllableLast &&
      (c - internal::kHangulSyllableFirst) % internal::kHangulTCount == 0)
    return GraphemeBreak::kLV;
  return b;
}

bool IsExtendedPictographic(char32_t c) {
  return ValueOf(internal::kGraphemeRanges, c) & internal::kExtendedPictographicFlag;
}

bool IsLetter(char32_t c) {
  return ValueOf(internal::kLetterRanges, c) == internal::kLetterValue;
}

bool IsBidiControl(char32_t c) {
  return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
         c == 0x200F || c == 0x061C;
}

}  // namespace tarvana
