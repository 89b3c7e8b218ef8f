#pragma once
// The lists the modern layer's calls take: any contiguous container of the
// element type (std::vector, std::array, a C array, std::span) or a braced
// list written in the call, as in Ask("Really?", {"Yes", "No"}). A ListOf
// refers to the caller's elements and is meant as a parameter only: a braced
// list lives until the end of the call it is written in.

#include <cstddef>
#include <initializer_list>
#include <ranges>
#include <span>
#include <type_traits>

namespace tarvana::ui {

template <typename T>
class ListOf {
 public:
  ListOf() = default;
  ListOf(std::initializer_list<T> list) : items_(list.begin(), list.size()) {}
  template <typename Range>
  requires std::ranges::contiguous_range<const Range> && std::ranges::sized_range<const Range> &&
      std::is_same_v<std::remove_cv_t<std::ranges::range_value_t<const Range>>, T>
      ListOf(const Range& range) : items_(std::ranges::data(range), std::ranges::size(range)) {}

  std::span<const T> span() const { return items_; }
  operator std::span<const T>() const { return items_; }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  const T& operator[](std::size_t i) const { return items_[i]; }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::span<const T> items_;
};

}  // namespace tarvana::ui
