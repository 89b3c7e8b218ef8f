#pragma once
// A pop-up window that puts back the screen under it when it goes out of
// scope, also when an exception passes.

#include <string_view>

#include <string>
#include <vector>

#include "console/screen_save.h"
#include "ui/layers.h"
#include "ui/scheme.h"

namespace tarvana::ui {

// When the screen changes size the window is placed again (centred again
// where it was centred) with what was printed in it.
class Popup : private internal::Layer {
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
  void Hide() override;
  void Show() override;
  void Place(int row, int col);

  int rows_, cols_;
  int row_, col_;
  std::string title_;
  Scheme scheme_;
  WindowRec window_;
  ScreenSave save_;
  std::vector<Cell> interior_;  // what was printed, while the window is put away
};

}  // namespace tarvana::ui
