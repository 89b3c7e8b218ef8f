#include "console/screen.h"

#include <algorithm>

namespace tarvana {

Screen::Screen(int cols, int rows)
    : cols_(std::max(cols, 1)),
      rows_(std::max(rows, 1)),
      cells_(static_cast<size_t>(cols_) * rows_) {}

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
}

void Screen::PrintText(std::string_view text) {
  for (char c : text) {
    if (pending_scroll_) {
      ScrollUp();
      pending_scroll_ = false;
    }
    At(row_, col_) = Cell{static_cast<std::uint8_t>(c), CurrentAttr()};
    if (col_ < cols_) {
      ++col_;
    } else if (row_ < rows_) {
      ++row_;
      col_ = 1;
    } else {
      col_ = 1;
      pending_scroll_ = true;
    }
  }
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
      cells[static_cast<size_t>(r - 1) * cols + (c - 1)] = At(r, c);
  cells_ = std::move(cells);
  cols_ = cols;
  rows_ = rows;
  row_ = std::min(row_, rows_);
  col_ = std::min(col_, cols_);
  pending_scroll_ = false;
}

void Screen::ReadRect(Cell* out, int top, int left, int rows, int cols) const {
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const int row = top + r, col = left + c;
      if (row >= 1 && row <= rows_ && col >= 1 && col <= cols_) out[r * cols + c] = At(row, col);
    }
}

void Screen::WriteRect(const Cell* in, int top, int left, int rows, int cols) {
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < cols; ++c) {
      const int row = top + r, col = left + c;
      if (row >= 1 && row <= rows_ && col >= 1 && col <= cols_) At(row, col) = in[r * cols + c];
    }
}

}  // namespace tarvana
