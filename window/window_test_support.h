#pragma once
// Screen helpers for the window tests: a patterned background that shows any
// cell drawn over it, and the cells that changed since a snapshot.

#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/types.h"

namespace tarvana::window_test {

inline constexpr ColorAttr kBackgroundColor = 0x1E;

// Letters a-z over and over, so that neighbouring cells differ, in
// kBackgroundColor.
inline void PaintBackground() {
  std::vector<Cell> cells(static_cast<size_t>(ScreenWidth()) * ScreenHeight());
  for (size_t i = 0; i < cells.size(); ++i)
    cells[i] = Cell{static_cast<std::uint8_t>('a' + i % 26), kBackgroundColor};
  WriteScreenBlock(cells);
}

inline std::vector<Cell> Snapshot() {
  std::vector<Cell> cells;
  ReadScreenBlock(cells);
  return cells;
}

// Cells keyed by (row, col).
using CellMap = std::map<std::pair<int, int>, Cell>;

// The cells that differ from the snapshot, with what they hold now.
inline CellMap ChangedCells(const std::vector<Cell>& before) {
  CellMap changed;
  const std::vector<Cell> now = Snapshot();
  for (size_t i = 0; i < now.size(); ++i)
    if (i >= before.size() || !(now[i] == before[i]))
      changed[{static_cast<int>(i) / ScreenWidth() + 1, static_cast<int>(i) % ScreenWidth() + 1}] =
          now[i];
  return changed;
}

// The differences between two cell maps, one line per cell, empty when equal.
inline std::string CellMapDiff(const CellMap& actual, const CellMap& expected) {
  std::ostringstream out;
  const auto show = [&out](const char* what, const std::pair<int, int>& at, const Cell* cell) {
    out << what << " (" << at.first << "," << at.second << ")";
    if (cell) out << " char " << int(cell->ch) << " attr " << int(cell->attr);
    out << "\n";
  };
  for (const auto& [at, cell] : expected) {
    auto it = actual.find(at);
    if (it == actual.end()) {
      show("missing", at, &cell);
    } else if (!(it->second == cell)) {
      show("wanted", at, &cell);
      show("   got", at, &it->second);
    }
  }
  for (const auto& [at, cell] : actual)
    if (!expected.count(at)) show("unexpected", at, &cell);
  return out.str();
}

}  // namespace tarvana::window_test
