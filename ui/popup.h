#pragma once
// A pop-up window that puts back the screen under it when it goes out of
// scope, also when an exception passes.

#include <string_view>

#include "console/screen_save.h"
#include "ui/scheme.h"

namespace tarvana::ui {

class Popup {
 public:
  // A framed window with rows by cols interior cells, its frame's top-left
  // corner at (row, col) (1-based), or centred for a coordinate of 0. Throws
  // std::invalid_argument naming the argument when rows or cols is below 1 or
  // the window does not fit on the screen.
  Popup(int rows, int cols, std::string_view title = {}, const Scheme& scheme = schemes::kBlue,
        int row = 0, int col = 0);
  ~Popup();
  Popup(const Popup&) = delete;
  Popup& operator=(const Popup&) = delete;

  // Prints UTF-8 text at a 0-based interior row and column in the scheme's
  // text colour, cut at the frame; rows and columns outside print nothing.
  void Print(int row, int col, std::string_view text) const;
  // Blanks the interior.
  void Clear() const;
  int Rows() const { return rows_; }
  int Cols() const { return cols_; }
  // The screen row and column of interior cell (0, 0).
  int Top() const { return window_.Top + 1; }
  int Left() const { return window_.Left + 1; }

 private:
  int rows_, cols_;
  WindowRec window_;
  ScreenSave save_;
};

}  // namespace tarvana::ui
