#include "picklist/folded_sort.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace tarvana::internal {
namespace {

// a-z folded to A-Z, every other byte as it is.
constexpr std::array<unsigned char, 256> kSortFold = [] {
  std::array<unsigned char, 256> t{};
  for (int c = 0; c < 256; ++c)
    t[c] = static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return t;
}();

// An item's caller's index beside twelve of its bytes: a-z folded, NULs past
// its end, big-endian in `high` and then `low` (which fills what would be
// padding), so that sorting compares and deals integers.
struct Keyed {
  std::uint64_t high;
  std::uint32_t low;
  std::int32_t index;
};
static_assert(sizeof(Keyed) == 16, "the low bytes fill the padding");
constexpr size_t kKeyBytes = 12;

void SetKey(Keyed& k, std::string_view t, size_t offset) {
  const auto at = [&](size_t j) -> std::uint64_t {
    return j < t.size() ? kSortFold[static_cast<unsigned char>(t[j])] : 0;
  };
  k.high = 0;
  for (size_t j = offset; j < offset + 8; ++j)
    k.high = (k.high << 8) | at(j);
  k.low = 0;
  for (size_t j = offset + 8; j < offset + kKeyBytes; ++j)
    k.low = static_cast<std::uint32_t>((k.low << 8) | at(j));
}

bool SameKey(const Keyed& a, const Keyed& b) {
  return a.high == b.high && a.low == b.low;
}

// Byte i (0 = the first) of the key.
unsigned KeyByte(const Keyed& k, size_t i) {
  return static_cast<unsigned>(i < 8 ? k.high >> (56 - 8 * i) : k.low >> (88 - 8 * i)) & 255;
}

using KeyedIt = std::vector<Keyed>::iterator;

// Sorts by key from byte i on, equal keys in any order: in place, a byte at a
// time, each range dealt into 256 buckets by that byte, and small ranges by
// comparison. Dealing needs no branch on the keys' order, which makes it
// several times faster than comparing random texts.
void SortKeyed(KeyedIt begin, KeyedIt end, bool ascending, size_t i = 0) {
  constexpr std::ptrdiff_t kSmall = 128;
  if (end - begin < kSmall) {
    std::sort(begin, end, [ascending](const Keyed& a, const Keyed& b) {
      if (a.high != b.high) return ascending ? a.high < b.high : a.high > b.high;
      return ascending ? a.low < b.low : a.low > b.low;
    });
    return;
  }
  for (; i < kKeyBytes; ++i) {
    const auto bucketOf = [ascending, i](const Keyed& k) {
      return ascending ? KeyByte(k, i) : 255 - KeyByte(k, i);
    };
    std::array<std::ptrdiff_t, 256> count{};
    for (KeyedIt k = begin; k != end; ++k)
      ++count[bucketOf(*k)];
    // A byte that all the keys share sorts nothing.
    if (count[bucketOf(*begin)] == end - begin) continue;
    std::array<KeyedIt, 256> next, stop;
    KeyedIt at = begin;
    for (int b = 0; b < 256; ++b) {
      next[b] = at;
      at += count[b];
      stop[b] = at;
    }
    // Each element goes straight to the next free place of its bucket, the
    // one found there moving on in turn, until a bucket's own element
    // arrives.
    for (unsigned b = 0; b < 256; ++b)
      while (next[b] != stop[b]) {
        Keyed moving = *next[b];
        for (unsigned c = bucketOf(moving); c != b; c = bucketOf(moving))
          std::swap(moving, *next[c]++);
        *next[b]++ = moving;
      }
    for (int b = 0; b < 256; ++b)
      if (count[b] > 1) SortKeyed(stop[b] - count[b], stop[b], ascending, i + 1);
    return;
  }
}

// Items sorted by their keys whose keys are all equal.
struct Run {
  KeyedIt begin, end;
  size_t offset;  // the items agree on their bytes before offset + kKeyBytes
};

// Adds each run of two or more equal keys in begin..end to runs.
void PushRuns(KeyedIt begin, KeyedIt end, size_t offset, std::vector<Run>& runs) {
  for (auto run = begin; run != end;) {
    const auto stop = std::find_if(run + 1, end, [&](const Keyed& k) { return !SameKey(k, *run); });
    if (stop - run > 1) runs.push_back({run, stop, offset});
    run = stop;
  }
}

// Lets `equal` order each group of equal texts in a run already ordered by
// length (texts of one length are equal there).
void OrderEqualGroups(const Run& run, const SortText& text, const OrderEqualTexts& equal,
                      std::vector<std::int32_t>& indices) {
  for (auto same = run.begin; same != run.end;) {
    const size_t length = text(same->index).size();
    const auto stop = std::find_if(same + 1, run.end,
                                   [&](const Keyed& k) { return text(k.index).size() != length; });
    if (stop - same > 1) {
      indices.clear();
      for (auto k = same; k != stop; ++k)
        indices.push_back(k->index);
      equal(indices);
      for (auto k = same; k != stop; ++k)
        k->index = indices[k - same];
    }
    same = stop;
  }
}

// Orders a run whose texts all end within its keys' bytes: they differ at
// most in trailing NULs, and a shorter text comes before a longer one it
// begins; equal texts keep index order, or take the order `equal` gives.
void OrderEndedRun(const Run& run, const SortText& text, bool ascending,
                   const OrderEqualTexts& equal, std::vector<std::int32_t>& indices) {
  std::sort(run.begin, run.end, [&](const Keyed& a, const Keyed& b) {
    const size_t la = text(a.index).size(), lb = text(b.index).size();
    if (la != lb) return ascending ? la < lb : la > lb;
    return a.index < b.index;
  });
  if (equal) OrderEqualGroups(run, text, equal, indices);
}

// Sorts the runs of equal keys that the first sort left: each run is keyed
// again with the next twelve bytes and sorted, until its texts end.
void OrderRuns(std::vector<Keyed>& keyed, const SortText& text, bool ascending,
               const OrderEqualTexts& equal) {
  std::vector<Run> runs;
  std::vector<std::int32_t> indices;
  PushRuns(keyed.begin(), keyed.end(), 0, runs);
  while (!runs.empty()) {
    const Run run = runs.back();
    runs.pop_back();
    const size_t next = run.offset + kKeyBytes;
    if (std::none_of(run.begin, run.end,
                     [&](const Keyed& k) { return text(k.index).size() > next; })) {
      OrderEndedRun(run, text, ascending, equal, indices);
      continue;
    }
    for (auto k = run.begin; k != run.end; ++k)
      SetKey(*k, text(k->index), next);
    SortKeyed(run.begin, run.end, ascending);
    PushRuns(run.begin, run.end, next, runs);
  }
}

}  // namespace

int CompareFolded(std::string_view a, std::string_view b) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const unsigned char ca = kSortFold[static_cast<unsigned char>(a[i])];
    const unsigned char cb = kSortFold[static_cast<unsigned char>(b[i])];
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

std::vector<std::int32_t> FoldedOrder(std::int32_t lower, std::int64_t count, const SortText& text,
                                      bool ascending, std::vector<unsigned char>* firstFolded,
                                      const OrderEqualTexts& equal) {
  // The keys hold the bytes from 0 first, then, within each run of equal
  // keys, the next twelve, and so on. Equal texts keep index order (the
  // index decides), so an in-place sort gives the stable result without a
  // scratch buffer.
  std::vector<Keyed> keyed(static_cast<size_t>(std::max<std::int64_t>(count, 0)));
  for (size_t i = 0; i < keyed.size(); ++i) {
    keyed[i].index = static_cast<std::int32_t>(lower + static_cast<std::int64_t>(i));
    SetKey(keyed[i], text(keyed[i].index), 0);
  }
  SortKeyed(keyed.begin(), keyed.end(), ascending);
  // The first key's top byte is the item's first byte folded (0 for an empty
  // item), the same across a run.
  if (firstFolded) {
    firstFolded->resize(keyed.size());
    for (size_t i = 0; i < keyed.size(); ++i)
      (*firstFolded)[i] = static_cast<unsigned char>(KeyByte(keyed[i], 0));
  }
  OrderRuns(keyed, text, ascending, equal);
  std::vector<std::int32_t> order(keyed.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = keyed[i].index;
  return order;
}

}  // namespace tarvana::internal
