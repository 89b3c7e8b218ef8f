#include "runtime/unicode/case_folding.h"

#include <algorithm>

#include "runtime/unicode/unicode_tables.h"
#include "runtime/unicode/utf8_decode.h"
#include "runtime/utf8.h"

namespace tarvana {
namespace {

char32_t Mapped(std::span<const internal::CaseMapRange> table, char32_t c) {
  const auto it = std::partition_point(table.begin(), table.end(),
                                       [c](const internal::CaseMapRange& r) { return r.last < c; });
  if (it == table.end() || c < it->first || (c - it->first) % it->stride != 0) return c;
  return static_cast<char32_t>(static_cast<std::int32_t>(c) + it->delta);
}

}  // namespace

char32_t SimpleCaseFold(char32_t c) {
  return Mapped(internal::kCaseFoldRanges, c);
}

std::string FoldCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();)
    AppendUtf8(out, SimpleCaseFold(DecodeUtf8(utf8, pos)));
  return out;
}

char32_t SimpleUpperCase(char32_t c) {
  return Mapped(internal::kUpperCaseRanges, c);
}

}  // namespace tarvana
