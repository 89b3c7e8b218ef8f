#pragma once
// Name tables: one constant text cut into fixed-width slots, as the toolbox
// keeps its month, weekday and number words.

#include <string_view>

namespace tarvana {

// Slot index (0-based) of the table, blanks kept; empty outside the table, so
// an out-of-range index never reads past it.
inline std::string_view TableSlot(std::string_view table, int width, int index) {
  if (index < 0 || width <= 0 || index >= static_cast<int>(table.size()) / width) return {};
  return table.substr(static_cast<size_t>(index) * width, width);
}

// The slot with its trailing blanks removed.
inline std::string_view TableWord(std::string_view table, int width, int index) {
  std::string_view slot = TableSlot(table, width, index);
  return slot.substr(0, slot.find_last_not_of(' ') + 1);
}

}  // namespace tarvana
