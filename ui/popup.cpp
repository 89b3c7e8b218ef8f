#include "ui/popup.h"

#include "console/console.h"
#include "console/unicode_text.h"
#include "ui/placement.h"
#include "window/window.h"

namespace tarvana::ui {

Popup::Popup(int rows, int cols, std::string_view title, const Scheme& scheme, int row, int col)
    : rows_(rows), cols_(cols), row_(row), col_(col), title_(title), scheme_(scheme) {
  if (rows < 1) internal::Refuse("Popup", "rows " + std::to_string(rows) + " is below 1");
  if (cols < 1) internal::Refuse("Popup", "cols " + std::to_string(cols) + " is below 1");
  Place(row_, col_);
  Follow();
  internal::ShowDrawn();
}

Popup::~Popup() {
  StopFollowing();
  if (Shown()) RestoreScreen(save_);
  internal::ShowDrawn();
}

void Popup::Place(int row, int col) {
  window_ = internal::PlaceWindow(scheme_, row, col, static_cast<std::size_t>(rows_) + 2,
                                  static_cast<std::size_t>(cols_) + 2, "Popup", title_);
  OpenWindow(window_, CellString::FromUtf8(title_), save_);
}

void Popup::Hide() {
  ReadScreenRect(interior_, Top(), Left(), rows_, cols_);
  RestoreScreen(save_);
}

void Popup::Show() {
  Place(internal::FitCorner(row_, rows_ + 2, ScreenHeight()),
        internal::FitCorner(col_, cols_ + 2, ScreenWidth()));
  WriteScreenRect(interior_, Top(), Left(), rows_, cols_);
}

void Popup::Print(int row, int col, std::string_view text) const {
  if (!Shown()) return;
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  UseColor(window_.FillColor);
  Locate(Top() + row, Left() + col);
  PrintCells(CellString::FromUtf8(text).Slice(0, cols_ - col));
  internal::ShowDrawn();
}

void Popup::Clear() const {
  if (!Shown()) return;
  ClearBox(Top(), Left(), Top() + rows_ - 1, Left() + cols_ - 1, window_.FillColor);
  internal::ShowDrawn();
}

}  // namespace tarvana::ui
