#include "ui/popup.h"

#include "console/console.h"
#include "console/unicode_text.h"
#include "ui/placement.h"
#include "window/window.h"

namespace tarvana::ui {

Popup::Popup(int rows, int cols, std::string_view title, const Scheme& scheme, int row, int col)
    : rows_(rows), cols_(cols) {
  if (rows < 1) internal::Refuse("Popup", "rows " + std::to_string(rows) + " is below 1");
  if (cols < 1) internal::Refuse("Popup", "cols " + std::to_string(cols) + " is below 1");
  window_ = internal::PlaceWindow(scheme, row, col, static_cast<std::size_t>(rows) + 2,
                                  static_cast<std::size_t>(cols) + 2, "Popup", title);
  OpenWindow(window_, CellString::FromUtf8(title), save_);
  internal::ShowDrawn();
}

Popup::~Popup() {
  RestoreScreen(save_);
  internal::ShowDrawn();
}

void Popup::Print(int row, int col, std::string_view text) const {
  if (row < 0 || row >= rows_ || col < 0 || col >= cols_) return;
  UseColor(window_.FillColor);
  Locate(Top() + row, Left() + col);
  PrintCells(CellString::FromUtf8(text).Slice(0, cols_ - col));
  internal::ShowDrawn();
}

void Popup::Clear() const {
  ClearBox(Top(), Left(), Top() + rows_ - 1, Left() + cols_ - 1, window_.FillColor);
  internal::ShowDrawn();
}

}  // namespace tarvana::ui
