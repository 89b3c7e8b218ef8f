#include "console/screen.h"

#include <algorithm>
#include <atomic>

#include "console/cell_string.h"

namespace tarvana {
namespace {

// One counter for all screens: a stamp names one state of one row anywhere.
std::uint64_t NewStamp() {
  static std::atomic<std::uint64_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

// The last of count places from first that lies within 1..size.
int LastIn(int first, int count, int size) {
  return static_cast<int>(std::min<std::int64_t>(std::int64_t{first} + count - 1, size));
}

}  // namespace

Screen::Screen(int cols, int rows)
    : cols_(std::max(cols, 1)),
      rows_(std::max(rows, 1)),
      cells_(static_cast<size_t>(cols_) * rows_),
      stamps_(rows_, NewStamp()) {}

void Screen::Touch(int row) {
  stamps_[row - 1] = NewStamp();
}

void Screen::TouchAll() {
  std::fill(stamps_.begin(), stamps_.end(), NewStamp());
}

void Screen::Locate(int row, int col) {
  if (row >= 1 && row <= rows_) row_ = row;
  if (col >= 1 && col <= cols_) col_ = col;
  pending_scroll_ = false;
}

void Screen::SetColor(int fg, int bg) {
  if (fg >= 0 && fg < 16) fg_ = fg;
  if (bg >= 0 && bg < 16) bg_ = bg;
}

void Screen::ScrollUp() {
  std::move(cells_.begin() + cols_, cells_.end(), cells_.begin());
  std::fill(cells_.end() - cols_, cells_.end(), Cell{' ', CurrentAttr()});
  TouchAll();
}

void Screen::PrintText(std::string_view text) {
  const ColorAttr attr = CurrentAttr();
  while (!text.empty()) {
    if (pending_scroll_) {
      ScrollUp();
      pending_scroll_ = false;
    }
    // The part of the text that fits on the cursor's row, in one go.
    const size_t n = std::min<size_t>(text.size(), cols_ - col_ + 1);
    Cell* cells = &cells_[Index(row_, col_)];
    bool changed = false;
    // One cell made up front and given each byte: making it anew per byte
    // costs several times the copy.
    Cell now{' ', attr};
    for (size_t i = 0; i < n; ++i) {
      now.ch = static_cast<std::uint8_t>(text[i]);
      changed |= !(cells[i] == now);
      cells[i] = now;
    }
    if (changed) {
      MendWideNeighbours(row_, col_, col_ + static_cast<int>(n) - 1, attr);
      Touch(row_);
    }
    text.remove_prefix(n);
    AdvanceCursor(static_cast<int>(n));
  }
}

// Blanks the far half of a wide cluster whose other half lay in cells
// first..last of row and was just overwritten.
void Screen::MendWideNeighbours(int row, int first, int last, ColorAttr attr) {
  Cell* cells = &cells_[Index(row, 1)];
  if (first > 1 && (cells[first - 2].flags & cell_flag::kWideFirst) &&
      !(cells[first - 1].flags & cell_flag::kContinuation))
    cells[first - 2] = Cell{' ', attr};
  if (last < cols_ && (cells[last].flags & cell_flag::kContinuation) &&
      !(cells[last - 1].flags & cell_flag::kWideFirst))
    cells[last] = Cell{' ', attr};
}

// Writes count cells (fitting in the row) at the cursor in colour attr and
// moves on as PrintText does.
void Screen::PutCells(const Cell* cells, int count, ColorAttr attr, std::string* cp437) {
  if (pending_scroll_) {
    ScrollUp();
    pending_scroll_ = false;
  }
  Cell* to = &cells_[Index(row_, col_)];
  bool changed = false;
  for (int i = 0; i < count; ++i) {
    Cell now = cells[i];
    now.attr = attr;
    changed |= !(to[i] == now);
    to[i] = now;
  }
  if (changed) {
    MendWideNeighbours(row_, col_, col_ + count - 1, attr);
    Touch(row_);
  }
  if (cp437)
    for (int i = 0; i < count; ++i)
      cp437->push_back(static_cast<char>(cells[i].ch));
  AdvanceCursor(count);
}

// Moves the cursor past count cells just written on its row: to the next row
// after the last column, and past the bottom row only when more is written.
void Screen::AdvanceCursor(int count) {
  if (col_ + count <= cols_) {
    col_ += count;
  } else if (row_ < rows_) {
    ++row_;
    col_ = 1;
  } else {
    col_ = 1;
    pending_scroll_ = true;
  }
}

// A two-cell cluster that would start in the last column leaves a space
// there and goes to the next row, as a terminal's wrap does; on a screen one
// column wide it is a space.
void Screen::PrintCells(std::span<const Cell> cells, std::string* cp437) {
  const ColorAttr attr = CurrentAttr();
  const Cell blank{' ', 0};
  while (!cells.empty()) {
    if (pending_scroll_) {
      ScrollUp();
      pending_scroll_ = false;
    }
    // The part that fits on the cursor's row, in one go, unless it would end
    // on the first half of a wide cluster.
    std::size_t n = std::min<std::size_t>(cells.size(), cols_ - col_ + 1);
    if (cells[n - 1].flags & cell_flag::kWideFirst) --n;
    if (n == 0) {
      PutCells(&blank, 1, attr, cp437);
      if (cols_ < 2) cells = cells.subspan(std::min<std::size_t>(2, cells.size()));
      continue;
    }
    PutCells(cells.data(), static_cast<int>(n), attr, cp437);
    cells = cells.subspan(n);
  }
}

void Screen::PrintUtf8(std::string_view utf8, std::string* cp437) {
  PrintCells(CellString::FromUtf8(utf8).Cells(), cp437);
}

void Screen::NewLine() {
  col_ = 1;
  if (row_ < rows_) {
    ++row_;
  } else {
    if (pending_scroll_) ScrollUp();
    ScrollUp();
  }
  pending_scroll_ = false;
}

void Screen::ClearScreen() {
  std::fill(cells_.begin(), cells_.end(), Cell{' ', CurrentAttr()});
  TouchAll();
  row_ = 1;
  col_ = 1;
  pending_scroll_ = false;
}

void Screen::SetCursor(int mode) {
  if (mode == 0) {
    cursor_visible_ = false;
    return;
  }
  cursor_visible_ = true;
  if (mode > 0) cursor_height_ = std::clamp(mode, 10, 99);
}

void Screen::Resize(int cols, int rows) {
  cols = std::max(cols, 1);
  rows = std::max(rows, 1);
  std::vector<Cell> cells(static_cast<size_t>(cols) * rows);
  for (int r = 1; r <= std::min(rows, rows_); ++r)
    for (int c = 1; c <= std::min(cols, cols_); ++c)
      cells[static_cast<size_t>(r - 1) * cols + (c - 1)] = cells_[Index(r, c)];
  // A two-cell cluster cut in half at the new right edge becomes a space.
  if (cols < cols_)
    for (int r = 0; r < rows; ++r) {
      Cell& last = cells[static_cast<size_t>(r) * cols + (cols - 1)];
      if (last.flags & cell_flag::kWideFirst) last = Cell{' ', last.attr};
    }
  cells_ = std::move(cells);
  cols_ = cols;
  rows_ = rows;
  stamps_.assign(rows_, NewStamp());
  row_ = std::min(row_, rows_);
  col_ = std::min(col_, cols_);
  pending_scroll_ = false;
}

void Screen::ReadRect(Cell* out, int top, int left, int rows, int cols) const {
  // The part of the rectangle on the screen, copied a row at a time.
  const int c0 = std::max(left, 1), c1 = LastIn(left, cols, cols_);
  if (c0 > c1) return;
  for (int row = std::max(top, 1), r1 = LastIn(top, rows, rows_); row <= r1; ++row)
    std::copy_n(&cells_[Index(row, c0)], c1 - c0 + 1,
                out + static_cast<size_t>(row - top) * cols + (c0 - left));
}

void Screen::WriteRect(const Cell* in, int top, int left, int rows, int cols) {
  const int c0 = std::max(left, 1), c1 = LastIn(left, cols, cols_);
  if (c0 > c1) return;
  for (int row = std::max(top, 1), r1 = LastIn(top, rows, rows_); row <= r1; ++row) {
    const Cell* from = in + static_cast<size_t>(row - top) * cols + (c0 - left);
    Cell* to = &cells_[Index(row, c0)];
    // A row that comes back as it was (a pop-up closing over an unchanged
    // screen) keeps its stamp.
    if (std::equal(from, from + (c1 - c0 + 1), to)) continue;
    std::copy_n(from, c1 - c0 + 1, to);
    BlankBrokenPairs(row, c0, c1);
    Touch(row);
  }
}

// Blanks, keeping its colour, each half of a wide cluster in or beside
// columns first..last whose partner is gone: a rectangle that cut a cluster
// leaves no half glyph where it is put back, nor beside it.
void Screen::BlankBrokenPairs(int row, int first, int last) {
  Cell* cells = &cells_[Index(row, 1)];
  for (int col = std::max(first - 1, 1); col <= std::min(last + 1, cols_); ++col) {
    Cell& c = cells[col - 1];
    const bool brokenHead = (c.flags & cell_flag::kWideFirst) &&
                            (col == cols_ || !(cells[col].flags & cell_flag::kContinuation));
    const bool brokenTail = (c.flags & cell_flag::kContinuation) &&
                            (col == 1 || !(cells[col - 2].flags & cell_flag::kWideFirst));
    if (brokenHead || brokenTail) c = Cell{' ', c.attr};
  }
}

void Screen::Recolor(int row, int col, int count, ColorAttr attr) {
  const std::int64_t start = static_cast<std::int64_t>(row - 1) * cols_ + (col - 1);
  const std::int64_t from = std::max<std::int64_t>(start, 0);
  const std::int64_t to = std::min<std::int64_t>(start + std::max(count, 0), cells_.size());
  // A row at a time, so that each changed row is touched once.
  for (std::int64_t i = from; i < to;) {
    const int r = static_cast<int>(i / cols_) + 1;
    const std::int64_t rowEnd = std::min<std::int64_t>(to, static_cast<std::int64_t>(r) * cols_);
    bool changed = false;
    for (; i < rowEnd; ++i) {
      changed |= cells_[i].attr != attr;
      cells_[i].attr = attr;
    }
    if (changed) Touch(r);
  }
}

}  // namespace tarvana
