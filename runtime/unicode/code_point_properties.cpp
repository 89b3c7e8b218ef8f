#include "runtime/unicode/code_point_properties.h"

#include <algorithm>
#include <array>
#include <span>
#include <vector>

#include "runtime/unicode/bmp_index.h"
#include "runtime/unicode/unicode_tables.h"

namespace tarvana {
namespace {

using internal::BmpIndex;
using internal::UnicodeRange;

// The value of the range holding c, or 0 when none does.
std::uint8_t ValueOf(std::span<const UnicodeRange> table, char32_t c) {
  const auto it = std::partition_point(table.begin(), table.end(),
                                       [c](const UnicodeRange& r) { return r.last < c; });
  return it != table.end() && it->first <= c ? it->value : 0;
}

// A range table's BMP index, walking the sorted ranges alongside.
BmpIndex IndexRanges(std::span<const UnicodeRange> table) {
  auto range = table.begin();
  return BmpIndex([&](char32_t c) {
    while (range != table.end() && range->last < c)
      ++range;
    return range != table.end() && range->first <= c ? range->value : std::uint8_t{0};
  });
}

std::uint8_t WidthValue(char32_t c) {
  static const BmpIndex index = IndexRanges(internal::kWidthRanges);
  return c < BmpIndex::kPlaneEnd ? index(c) : ValueOf(internal::kWidthRanges, c);
}

std::uint8_t GraphemeValue(char32_t c) {
  static const BmpIndex index = IndexRanges(internal::kGraphemeRanges);
  return c < BmpIndex::kPlaneEnd ? index(c) : ValueOf(internal::kGraphemeRanges, c);
}

ScalarRole RoleFromProperties(char32_t c) {
  const std::uint8_t grapheme = GraphemeValue(c);
  const auto kind = static_cast<GraphemeBreak>(grapheme & internal::kGraphemeBreakMask);
  if (kind == GraphemeBreak::kExtend || kind == GraphemeBreak::kZwj ||
      kind == GraphemeBreak::kSpacingMark)
    return ScalarRole::kJoins;
  if (kind != GraphemeBreak::kOther || (grapheme & internal::kExtendedPictographicFlag))
    return ScalarRole::kComplex;
  return static_cast<WidthClass>(WidthValue(c) & internal::kWidthClassMask) == WidthClass::kWide
             ? ScalarRole::kWide
             : ScalarRole::kNarrow;
}

}  // namespace

WidthClass WidthClassOf(char32_t c) {
  return static_cast<WidthClass>(WidthValue(c) & internal::kWidthClassMask);
}

bool IsEmojiCapable(char32_t c) {
  return WidthValue(c) & internal::kEmojiCapableFlag;
}

bool HasEmojiPresentation(char32_t c) {
  return WidthValue(c) & internal::kEmojiPresentationFlag;
}

GraphemeBreak GraphemeBreakOf(char32_t c) {
  const auto b = static_cast<GraphemeBreak>(GraphemeValue(c) & internal::kGraphemeBreakMask);
  if (b == GraphemeBreak::kLVT && c >= internal::kHangulSyllableFirst &&
      c <= internal::kHangulSyllableLast &&
      (c - internal::kHangulSyllableFirst) % internal::kHangulTCount == 0)
    return GraphemeBreak::kLV;
  return b;
}

bool IsExtendedPictographic(char32_t c) {
  return GraphemeValue(c) & internal::kExtendedPictographicFlag;
}

const BmpIndex& internal::ScalarRoleIndex() {
  static const BmpIndex index(
      [](char32_t c) { return static_cast<std::uint8_t>(RoleFromProperties(c)); });
  return index;
}

ScalarRole ScalarRoleOf(char32_t c) {
  return c < BmpIndex::kPlaneEnd ? static_cast<ScalarRole>(internal::ScalarRoleIndex()(c))
                                 : RoleFromProperties(c);
}

bool IsLetter(char32_t c) {
  return ValueOf(internal::kLetterRanges, c) == internal::kLetterValue;
}

bool IsBidiControl(char32_t c) {
  return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069) || c == 0x200E ||
         c == 0x200F || c == 0x061C;
}

}  // namespace tarvana
