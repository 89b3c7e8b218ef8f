#pragma once
// The in-memory screen: cells, cursor, current colour and pending scroll.
// Everything the console draws lands here first; backends show it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/types.h"

namespace tarvana {

class Screen {
 public:
  Screen(int cols, int rows);

  int Width() const { return cols_; }
  int Height() const { return rows_; }
  int CursorRow() const { return row_; }
  int CursorCol() const { return col_; }
  int Foreground() const { return fg_; }
  int Background() const { return bg_; }
  ColorAttr CurrentAttr() const { return static_cast<ColorAttr>(bg_ * 16 + fg_); }
  bool ScrollPending() const { return pending_scroll_; }
  bool CursorVisible() const { return cursor_visible_; }
  int CursorHeight() const { return cursor_height_; }

  const Cell& At(int row, int col) const { return cells_[Index(row, col)]; }
  const std::vector<Cell>& Cells() const { return cells_; }
  // Writable cells: the row (or every row) counts as changed, so write
  // through the reference before the screen is next shown.
  Cell& At(int row, int col) {
    Touch(row);
    return cells_[Index(row, col)];
  }
  std::vector<Cell>& Cells() {
    TouchAll();
    return cells_;
  }
  // A row's change stamp: it takes a new value, never used before by any
  // screen, whenever the row changes, so a renderer that noted it knows the
  // row unchanged while it stays the same.
  std::uint64_t RowStamp(int row) const { return stamps_[row - 1]; }

  void Locate(int row, int col);
  void SetColor(int fg, int bg);
  void PrintText(std::string_view text);
  // Prints cells (a CellString's) in the current colour, wrapping and
  // scrolling as PrintText does; appends to cp437 (when given) the byte of
  // each cell written. See screen.cpp for a wide cluster at the edge.
  void PrintCells(std::span<const Cell> cells, std::string* cp437 = nullptr);
  // Prints the cells of CellString::FromUtf8(utf8) as PrintCells does.
  void PrintUtf8(std::string_view utf8, std::string* cp437 = nullptr);
  void NewLine();
  void ClearScreen();
  void SetCursor(int mode);
  // Resizes, keeping the top-left cells; new cells are blank light grey on black.
  void Resize(int cols, int rows);
  // Copies a rectangle (1-based top-left) out of or into a row-by-row buffer;
  // cells outside the screen are skipped. Half a wide cluster left without
  // its partner, in the rectangle written or beside it, becomes a blank.
  void ReadRect(Cell* out, int top, int left, int rows, int cols) const;
  void WriteRect(const Cell* in, int top, int left, int rows, int cols);
  // Gives count cells from (row, col) onwards, in screen order, the colour
  // attr; cells outside the screen are skipped.
  void Recolor(int row, int col, int count, ColorAttr attr);

 private:
  int Index(int row, int col) const { return (row - 1) * cols_ + (col - 1); }
  void ScrollUp();
  void AdvanceCursor(int count);
  void PutCells(const Cell* cells, int count, ColorAttr attr, std::string* cp437);
  void MendWideNeighbours(int row, int first, int last, ColorAttr attr);
  void BlankBrokenPairs(int row, int first, int last);
  void Touch(int row);
  void TouchAll();

  int cols_;
  int rows_;
  std::vector<Cell> cells_;
  std::vector<std::uint64_t> stamps_;  // per row
  int row_ = 1;
  int col_ = 1;
  int fg_ = 7;
  int bg_ = 0;
  bool pending_scroll_ = false;
  bool cursor_visible_ = true;
  int cursor_height_ = 25;
};

}  // namespace tarvana
