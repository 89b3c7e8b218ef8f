#include "datetime/dates.h"

#include <utility>
#include <vector>

namespace tarvana {
namespace {

// Quicksort of keys with the middle element as pivot, moving each text with its
// key. It recurses only into the smaller part, so the stack stays shallow for
// any order of input.
void QuickSort(std::vector<std::int32_t>& keys, std::vector<std::string>& texts, int low, int high,
               bool descending) {
  auto before = [descending](std::int32_t a, std::int32_t b) { return descending ? a > b : a < b; };
  while (low < high) {
    const std::int32_t pivot = keys[low + (high - low) / 2];
    int i = low, j = high;
    while (i <= j) {
      while (before(keys[i], pivot))
        ++i;
      while (before(pivot, keys[j]))
        --j;
      if (i <= j) {
        std::swap(keys[i], keys[j]);
        std::swap(texts[i], texts[j]);
        ++i;
        --j;
      }
    }
    if (j - low < high - i) {
      QuickSort(keys, texts, low, j, descending);
      low = i;
    } else {
      QuickSort(keys, texts, i, high, descending);
      high = j;
    }
  }
}

}  // namespace

void SortDates(BasedArray<std::string>& dates, int order) {
  std::vector<std::string>& texts = dates.Items();
  std::vector<std::int32_t> keys;
  keys.reserve(texts.size());
  for (const std::string& date : texts)
    keys.push_back(DateToJulian(date));
  QuickSort(keys, texts, 0, static_cast<int>(texts.size()) - 1, order == 0);
}

}  // namespace tarvana
