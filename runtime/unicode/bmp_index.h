#pragma once
// A property of code points indexed over the Basic Multilingual Plane, made
// once from a value function: a lookup is two loads instead of a binary
// search, which text of any script pays per code point. Identical blocks of
// 256 code points are kept once.

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace tarvana::internal {

class BmpIndex {
 public:
  // Kept out of line so that the lookups that make it once stay small.
  template <typename ValueAt>
  [[gnu::noinline]] explicit BmpIndex(ValueAt valueAt) {
    std::array<std::uint8_t, kBlock> block{};
    for (char32_t first = 0; first < kPlaneEnd; first += kBlock) {
      for (char32_t c = first; c < first + kBlock; ++c)
        block[c - first] = valueAt(c);
      std::size_t id = 0;
      while (id * kBlock < values_.size() &&
             !std::equal(block.begin(), block.end(), values_.begin() + id * kBlock))
        ++id;
      if (id * kBlock == values_.size()) values_.insert(values_.end(), block.begin(), block.end());
      blockOf_[first / kBlock] = static_cast<std::uint16_t>(id);
    }
  }

  static constexpr char32_t kPlaneEnd = 0x10000;

  // c below kPlaneEnd.
  std::uint8_t operator()(char32_t c) const {
    return values_[blockOf_[c / kBlock] * kBlock + c % kBlock];
  }

 private:
  static constexpr char32_t kBlock = 256;
  std::array<std::uint16_t, kPlaneEnd / kBlock> blockOf_{};
  std::vector<std::uint8_t> values_;
};

}  // namespace tarvana::internal
