#pragma once
// Sorting items by their texts with a-z folded to A-Z and every other byte by
// its value (code page 437 letters are not folded): the order the pick lists
// show. A radix sort of indices, so a million items sort in a fraction of a
// second; the texts themselves are never moved.

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace tarvana::internal {

// Sort comparison: a-z folded to A-Z, every other byte by its value, a
// shorter text before a longer one it begins.
int CompareFolded(std::string_view a, std::string_view b);

// The text of the caller's item `index`, as it is sorted; it stays valid
// while the sort runs.
using SortText = std::function<std::string_view(std::int32_t index)>;

// Puts items whose sort texts are equal in the order they are shown; they
// arrive in index order.
using OrderEqualTexts = std::function<void(std::vector<std::int32_t>& indices)>;

// The indices lower .. lower + count - 1 sorted by their texts (ascending or
// descending, by CompareFolded). Items whose texts are equal keep index
// order, or the order `equal` gives them. The sort works on the indices with
// twelve folded bytes of each text as an integer key beside them.
// firstFolded, when given, receives each sorted item's first byte with a-z
// folded (0 for an empty text).
std::vector<std::int32_t> FoldedOrder(std::int32_t lower, std::int64_t count, const SortText& text,
                                      bool ascending,
                                      std::vector<unsigned char>* firstFolded = nullptr,
                                      const OrderEqualTexts& equal = nullptr);

}  // namespace tarvana::internal
