#pragma once
// An array whose index range starts at a caller-chosen lower bound, as the
// toolbox's menus, lists, dialogs, entry screens and date sorting take them.

#include <cassert>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tarvana {

template <class T>
class BasedArray {
 public:
  BasedArray() = default;
  // Elements lower .. lower + values.size() - 1.
  BasedArray(int lower, std::initializer_list<T> values) : lower_(lower), items_(values) {}
  BasedArray(int lower, std::vector<T> values) : lower_(lower), items_(std::move(values)) {}
  // Elements lower .. upper, value-initialised; an upper below lower gives an empty array.
  BasedArray(int lower, int upper)
      : lower_(lower), items_(upper >= lower ? static_cast<size_t>(upper - lower + 1) : 0) {}

  int LBound() const { return lower_; }
  int UBound() const { return lower_ + static_cast<int>(items_.size()) - 1; }
  int Count() const { return static_cast<int>(items_.size()); }
  bool Empty() const { return items_.empty(); }
  bool Contains(int i) const { return i >= LBound() && i <= UBound(); }

  T& operator[](int i) {
    assert(Contains(i));
    return items_[static_cast<size_t>(i - lower_)];
  }
  const T& operator[](int i) const {
    assert(Contains(i));
    return items_[static_cast<size_t>(i - lower_)];
  }

  std::vector<T>& Items() { return items_; }
  const std::vector<T>& Items() const { return items_; }
  auto begin() { return items_.begin(); }
  auto end() { return items_.end(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  int lower_ = 1;
  std::vector<T> items_;
};

}  // namespace tarvana
