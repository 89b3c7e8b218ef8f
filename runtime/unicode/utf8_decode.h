#pragma once
// Decoding UTF-8 by the Unicode Standard's recommended practice: each maximal
// subpart of an ill-formed sequence (the longest start of a well-formed
// sequence, or else one byte) becomes one U+FFFD. "\xE2\x82" then "A" is
// U+FFFD 'A'; "\xF0\x80\x80" is three U+FFFD, as F0 80 starts no sequence.

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvana {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// The scalar value at utf8[pos], pos moved past its bytes; U+FFFD for a
// maximal subpart of an ill-formed sequence, pos moved past that subpart, and
// *wellFormed (when given) says which it was. pos must be below utf8.size();
// no byte past the end is read.
inline char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos, bool* wellFormed = nullptr);

namespace internal {
// DecodeUtf8 for what the inline path leaves: 4-byte and ill-formed sequences
// and the 3-byte ones whose second byte has a narrower range.
char32_t DecodeUtf8Rest(std::string_view utf8, std::size_t& pos, bool* wellFormed);
}  // namespace internal

// Text of every script is mostly 1-, 2- and 3-byte sequences: those decode
// here, inline in the loops that measure and draw text.
inline char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos, bool* wellFormed) {
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
  const unsigned char lead = at(pos);
  const auto continues = [&](std::size_t i) { return i < utf8.size() && (at(i) & 0xC0) == 0x80; };
  char32_t scalar;
  std::size_t length;
  if (lead < 0x80) {
    scalar = lead;
    length = 1;
  } else if (lead >= 0xC2 && lead <= 0xDF && continues(pos + 1)) {
    scalar = (char32_t{lead} & 0x1F) << 6 | (at(pos + 1) & 0x3F);
    length = 2;
  } else if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && continues(pos + 1) &&
             continues(pos + 2)) {
    scalar =
        (char32_t{lead} & 0x0F) << 12 | (char32_t{at(pos + 1)} & 0x3F) << 6 | (at(pos + 2) & 0x3F);
    length = 3;
  } else {
    return internal::DecodeUtf8Rest(utf8, pos, wellFormed);
  }
  pos += length;
  if (wellFormed) *wellFormed = true;
  return scalar;
}
// bytes as valid UTF-8: well-formed sequences kept, each maximal subpart of an
// ill-formed one replaced by U+FFFD.
std::string MakeValidUtf8(std::string_view bytes);

}  // namespace tarvana
