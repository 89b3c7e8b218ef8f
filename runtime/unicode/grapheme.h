#pragma once
// Extended grapheme clusters (Unicode Standard Annex #29, Unicode 15.0): the
// units a reader sees as one character, and what one terminal cell holds.

#include <cstddef>
#include <string_view>

namespace tarvana {

// The end of the extended grapheme cluster of utf8 that starts at pos, which
// must be a cluster boundary (0, or an end this routine gave); utf8.size() when
// pos is at or past the end. Each maximal subpart of an ill-formed sequence is
// a cluster of its own, joining neither the character before nor the marks
// after it. Never reads outside utf8.
std::size_t NextClusterEnd(std::string_view utf8, std::size_t pos);

}  // namespace tarvana
