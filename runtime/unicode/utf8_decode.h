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
char32_t DecodeUtf8(std::string_view utf8, std::size_t& pos, bool* wellFormed = nullptr);
// bytes as valid UTF-8: well-formed sequences kept, each maximal subpart of an
// ill-formed one replaced by U+FFFD.
std::string MakeValidUtf8(std::string_view bytes);

}  // namespace tarvana
