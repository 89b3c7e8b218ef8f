#pragma once
// The range tables unicode_tables.cpp holds, generated from the Unicode
// Character Database by generator/make_unicode_tables.cpp. Shared by this
// folder only: code_point_properties.cpp and case_folding.cpp read them.

#include <cstdint>
#include <span>

#include "runtime/unicode/code_point_properties.h"

namespace tarvana::internal {

// Code points first..last (inclusive) share value. A table is sorted, its
// ranges do not overlap, and a code point in no range has value 0.
struct UnicodeRange {
  char32_t first;
  char32_t last;
  std::uint8_t value;
};

// A width range's value: the WidthClass in the low two bits, and these flags.
inline constexpr std::uint8_t kWidthClassMask = 0x03;
inline constexpr std::uint8_t kEmojiCapableFlag = 0x04;       // Emoji or Extended_Pictographic
inline constexpr std::uint8_t kEmojiPresentationFlag = 0x08;  // Emoji_Presentation

// A grapheme range's value: the GraphemeBreak in the low four bits, and a flag.
inline constexpr std::uint8_t kGraphemeBreakMask = 0x0F;
inline constexpr std::uint8_t kExtendedPictographicFlag = 0x10;

// The grapheme table gives every precomposed Hangul syllable as LVT: one range
// instead of hundreds. The syllables without a final consonant, the first of
// each run of kHangulTCount, are LV.
inline constexpr char32_t kHangulSyllableFirst = 0xAC00;
inline constexpr char32_t kHangulSyllableLast = 0xD7A3;
inline constexpr char32_t kHangulTCount = 28;

// The letter table's value: General_Category L (Lu, Ll, Lt, Lm, Lo).
inline constexpr std::uint8_t kLetterValue = 0x01;

// A simple case mapping (the folding, the upper case): c in first..last with
// (c - first) % stride == 0 maps to c + delta; the code points between the
// strided ones map to themselves.
struct CaseMapRange {
  char32_t first;
  char32_t last;
  std::int32_t delta;
  std::int32_t stride;
};

extern const std::span<const UnicodeRange> kWidthRanges;
extern const std::span<const UnicodeRange> kGraphemeRanges;
extern const std::span<const CaseMapRange> kCaseFoldRanges;
extern const std::span<const UnicodeRange> kLetterRanges;
extern const std::span<const CaseMapRange> kUpperCaseRanges;

}  // namespace tarvana::internal
