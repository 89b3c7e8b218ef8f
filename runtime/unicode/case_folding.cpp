#include "runtime/unicode/case_folding.h"

#include <algorithm>

#include "runtime/unicode/bmp_index.h"
#include "runtime/unicode/unicode_tables.h"
#include "runtime/unicode/utf8_decode.h"
#include "runtime/utf8.h"

namespace tarvana {
namespace {

// The mapping of c by the table's ranges.
char32_t Mapped(std::span<const internal::CaseMapRange> table, char32_t c) {
  const auto it = std::partition_point(table.begin(), table.end(),
                                       [c](const internal::CaseMapRange& r) { return r.last < c; });
  if (it == table.end() || c < it->first || (c - it->first) % it->stride != 0) return c;
  return static_cast<char32_t>(static_cast<std::int32_t>(c) + it->delta);
}

}  // namespace

char32_t SimpleCaseFold(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
  // Most letters of any script fold to themselves: only those that do not
  // search the ranges.
  static const internal::BmpIndex folds(
      [](char32_t c) { return std::uint8_t{Mapped(internal::kCaseFoldRanges, c) != c}; });
  return c < internal::BmpIndex::kPlaneEnd && !folds(c) ? c : Mapped(internal::kCaseFoldRanges, c);
}

std::string FoldCase(std::string_view utf8) {
  // Folded in place while each fold keeps its byte length, as nearly every
  // letter's does; rebuilt from the first one that does not.
  std::string out(utf8);
  std::string encoded;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t start = pos;
    bool wellFormed = false;
    const char32_t c = DecodeUtf8(utf8, pos, &wellFormed);
    const char32_t folded = SimpleCaseFold(c);
    if (wellFormed && folded == c) continue;
    encoded.clear();
    AppendUtf8(encoded, folded);
    if (encoded.size() == pos - start) {
      out.replace(start, encoded.size(), encoded);
      continue;
    }
    out.resize(start);
    out += encoded;
    while (pos < utf8.size())
      AppendUtf8(out, SimpleCaseFold(DecodeUtf8(utf8, pos)));
    break;
  }
  return out;
}

char32_t SimpleUpperCase(char32_t c) {
  return Mapped(internal::kUpperCaseRanges, c);
}

}  // namespace tarvana
