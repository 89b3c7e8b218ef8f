// The case-folded sort: the comparison, and the order of tricky texts.

#include "picklist/folded_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tarvana::internal {
namespace {

using namespace std::string_literals;

// Sorts texts numbered from lower by FoldedOrder.
std::vector<std::int32_t> Sorted(std::int32_t lower, const std::vector<std::string>& texts,
                                 bool ascending, std::vector<unsigned char>* firsts = nullptr,
                                 const OrderEqualTexts& equal = nullptr) {
  return FoldedOrder(
      lower, static_cast<std::int64_t>(texts.size()),
      [&](std::int32_t i) { return std::string_view(texts[i - lower]); }, ascending, firsts, equal);
}

TEST(FoldedSort, CompareFoldsOnlyAToZ) {
  struct Row {
    std::string a, b;
    int sign;
  };
  const Row rows[] = {
      {"apple", "Banana", -1},
      {"cat", "CAT", 0},
      {"Cat", "Cats", -1},
      {"_x", "Zebra", 1},    // '_' (95) sorts after 'Z' (90)
      {"_x", "alpha", 1},    // 'a' folds to 'A' (65)
      {"\x84", "\x8E", -1},  // code page 437's accented letters are not folded
      {"abcdefgh", "abcdefghi", -1},
      {"abcdefghA", "ABCDEFGHb", -1},
      {"", "", 0},
      {"a\0"s, "a", 1},
  };
  for (const Row& row : rows) {
    const int c = CompareFolded(row.a, row.b);
    EXPECT_EQ((c > 0) - (c < 0), row.sign) << '"' << row.a << "\" against \"" << row.b << '"';
  }
}

// Nearly all table: a row per tricky order, kept whole beside the two lines
// that check each row.
TEST(FoldedSort, OrdersTrickyTexts) {
  struct Row {
    const char* what;
    std::int32_t lower;
    std::vector<std::string> texts;
    bool ascending;
    std::vector<std::int32_t> order;
    std::vector<unsigned char> firsts;
  };
  const Row rows[] = {
      {"case folded, equal texts in index order",
       1,
       {"b", "B", "a", "A", "c"},
       true,
       {3, 4, 1, 2, 5},
       {'A', 'A', 'B', 'B', 'C'}},
      {"descending, equal texts still in index order",
       1,
       {"b", "B", "a", "A", "c"},
       false,
       {5, 1, 2, 3, 4},
       {'C', 'B', 'B', 'A', 'A'}},
      {"punctuation by its byte among the folded letters",
       -1,
       {"_", "Z", "a", "["},
       true,
       {1, 0, 2, -1},
       {'A', 'Z', '[', '_'}},
      {"code page 437 letters by their bytes, not folded",
       1,
       {"\x84", "\x8E", "\x81", "\x9A", "z"},
       true,
       {5, 3, 1, 2, 4},
       {'Z', 0x81, 0x84, 0x8E, 0x9A}},
      {"empty texts first, a text before longer ones it begins",
       1,
       {"ab", "", "a", "", "A"},
       true,
       {2, 4, 3, 5, 1},
       {0, 0, 'A', 'A', 'A'}},
      {"a NUL is a byte, after the text's end",
       1,
       {"a\0b"s, "a", "a\0"s},
       true,
       {2, 3, 1},
       {'A', 'A', 'A'}},
      {"texts that differ past the twelfth byte",
       1,
       {"abcdefghijklmnoZ", "ABCDEFGHIJKLMNOa", "abcdefghijklmno", "abcdefghijklmnoa"},
       true,
       {3, 2, 4, 1},
       {'A', 'A', 'A', 'A'}},
      {"one item", 7, {"x"}, false, {7}, {'X'}},
      {"no item", 1, {}, true, {}, {}},
  };
  for (const Row& row : rows) {
    std::vector<unsigned char> firsts{99};
    EXPECT_EQ(Sorted(row.lower, row.texts, row.ascending, &firsts), row.order) << row.what;
    EXPECT_EQ(firsts, row.firsts) << row.what;
  }
}

TEST(FoldedSort, EqualTextsTakeTheOrderTheCallerGives) {
  const std::vector<std::string> texts = {"x", "b", "X", "B", "x", "c"};
  std::vector<std::vector<std::int32_t>> groups;
  const auto reverse = [&](std::vector<std::int32_t>& indices) {
    groups.push_back(indices);
    std::reverse(indices.begin(), indices.end());
  };
  EXPECT_EQ(Sorted(1, texts, true, nullptr, reverse),
            (std::vector<std::int32_t>{4, 2, 6, 5, 3, 1}));
  std::sort(groups.begin(), groups.end());
  EXPECT_EQ(groups, (std::vector<std::vector<std::int32_t>>{{1, 3, 5}, {2, 4}}))
      << "each group of equal texts once, in index order";
}

}  // namespace
}  // namespace tarvana::internal
