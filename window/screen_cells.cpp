#include "window/screen_cells.h"

#include <algorithm>
#include <string>

#include "console/console.h"
#include "console/unicode_text.h"

namespace tarvana::internal {

void PrintClipped(int row, int col, std::string_view text) {
  if (row < 1 || row > ScreenHeight()) return;
  long long first = col;
  if (first < 1) {
    const long long skip = 1 - first;
    if (skip >= static_cast<long long>(text.size())) return;
    text.remove_prefix(skip);
    first = 1;
  }
  const long long room = ScreenWidth() - first + 1;
  if (room <= 0 || text.empty()) return;
  if (static_cast<long long>(text.size()) > room) text = text.substr(0, room);
  Locate(row, static_cast<int>(first));
  PrintText(text);
}

void PrintClipped(int row, int col, const CellString& text) {
  if (row < 1 || row > ScreenHeight()) return;
  const long long skip = col < 1 ? 1LL - col : 0;
  const long long first = col + skip, room = ScreenWidth() - first + 1;
  if (skip >= text.Width() || room <= 0) return;
  Locate(row, static_cast<int>(first));
  // A text that fits goes as it is: a slice would copy it.
  if (skip == 0 && room >= text.Width())
    PrintCells(text);
  else
    PrintCells(text.Slice(static_cast<int>(skip), static_cast<int>(room)));
}

void PrintRun(int row, int col, char ch, long long count) {
  const long long first = std::max<long long>(col, 1);
  const long long last = std::min<long long>(col + count - 1, ScreenWidth());
  if (last < first) return;
  // In pieces from a buffer on the stack: a run needs no string of its own.
  char piece[256];
  std::fill(std::begin(piece), std::end(piece), ch);
  for (long long at = first; at <= last; at += sizeof piece)
    PrintClipped(row, static_cast<int>(at),
                 std::string_view(
                     piece, static_cast<size_t>(std::min<long long>(sizeof piece, last - at + 1))));
}

ScreenCells::ScreenCells() : width_(ScreenWidth()), height_(ScreenHeight()) {
  ReadScreenBlock(cells_);
}

Cell* ScreenCells::At(int row, int col) {
  if (row < 1 || row > height_ || col < 1 || col > width_) return nullptr;
  const size_t i = static_cast<size_t>(row - 1) * width_ + (col - 1);
  return i < cells_.size() ? &cells_[i] : nullptr;
}

void ScreenCells::Set(int row, int col, std::uint8_t ch, ColorAttr attr) {
  if (Cell* c = At(row, col)) *c = Cell{ch, attr};
}

void ScreenCells::Recolor(int row, int col, ColorAttr attr) {
  if (Cell* c = At(row, col)) c->attr = attr;
}

void ScreenCells::Write() const {
  WriteScreenBlock(cells_);
}

}  // namespace tarvana::internal
