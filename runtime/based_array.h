#pragma once
// An array whose index range starts at a caller-chosen lower bound, as the
// toolbox's menus, lists, dialogs, entry screens and date sorting take them.
// Every access is checked in every build: an index outside the bounds throws
// std::out_of_range naming the index and the bounds.

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tarvana {

template <class T>
class BasedArray {
 public:
  BasedArray() = default;
  // Elements lower .. lower + values.size() - 1. Both bounds and the places
  // just outside them must be ints, so that `for (i = LBound(); i <= UBound();
  // ++i)` ends: a range that reaches INT_MAX throws std::length_error.
  BasedArray(int lower, std::initializer_list<T> values) : lower_(lower), items_(values) {
    CheckRange();
  }
  BasedArray(int lower, std::vector<T> values) : lower_(lower), items_(std::move(values)) {
    CheckRange();
  }
  // Elements lower .. upper, value-initialised; an upper below lower gives an empty array.
  BasedArray(int lower, int upper) : lower_(lower), items_(SizeOf(lower, upper)) { CheckRange(); }

  int LBound() const { return lower_; }
  int UBound() const { return static_cast<int>(Upper()); }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  bool Contains(int i) const { return i >= LBound() && i <= UBound(); }

  T& operator[](int i) { return items_[Offset(i)]; }
  const T& operator[](int i) const { return items_[Offset(i)]; }

  // The elements in index order. Their number must not change, so that the
  // bounds stay what they were.
  std::vector<T>& Items() { return items_; }
  const std::vector<T>& Items() const { return items_; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  static std::size_t SizeOf(int lower, int upper) {
    return upper >= lower ? static_cast<std::size_t>(std::int64_t{upper} - lower + 1) : 0;
  }
  std::int64_t Upper() const {
    return std::int64_t{lower_} + static_cast<std::int64_t>(items_.size()) - 1;
  }
  // UBound + 1 and LBound - 1 (the UBound of an empty array) must be ints.
  void CheckRange() const {
    if (items_.size() > static_cast<std::size_t>(INT_MAX) || Upper() >= INT_MAX ||
        Upper() < std::int64_t{INT_MIN})
      throw std::length_error("BasedArray: " + std::to_string(items_.size()) +
                              " elements from index " + std::to_string(lower_) +
                              " pass the int range");
  }
  std::size_t Offset(int i) const {
    if (!Contains(i))
      throw std::out_of_range("BasedArray: index " + std::to_string(i) + " is outside " +
                              std::to_string(LBound()) + ".." + std::to_string(UBound()));
    return static_cast<std::size_t>(std::int64_t{i} - lower_);
  }

  int lower_ = 1;
  std::vector<T> items_;
};

}  // namespace tarvana
