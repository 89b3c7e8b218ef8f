#include "ui/button_row.h"

#include <algorithm>
#include <numeric>

#include "console/cell_string.h"
#include "console/console.h"
#include "console/unicode_text.h"
#include "ui/placement.h"

namespace tarvana::ui {
namespace {

constexpr int kInside = 6;  // "  OK  ", "Cancel"

// A label in its brackets, centred in at least kInside cells.
CellString ButtonText(const std::string& label) {
  const CellString text = CellString::FromUtf8(label);
  const int inside = std::max(kInside, text.Width());
  const int before = (inside - text.Width()) / 2;
  CellString shown = CellString::FromCp437("<");
  shown.AppendSpaces(before);
  shown.Append(text);
  shown.AppendSpaces(inside - text.Width() - before);
  shown.Append(CellString::FromCp437(">"));
  return shown;
}

}  // namespace

std::vector<int> ButtonColumns(const std::vector<int>& widths, int left, int width) {
  const int n = static_cast<int>(widths.size());
  const int used = std::accumulate(widths.begin(), widths.end(), 0);
  const int gap = n == 0 ? 0 : (width - used) / (n + 1);
  std::vector<int> columns;
  int col = left + std::max(gap, 0);
  for (const int w : widths) {
    columns.push_back(col);
    col += w + std::max(gap, 1);
  }
  return columns;
}

ButtonRow::ButtonRow(ListOf<std::string> labels, std::size_t current)
    : labels_(labels.begin(), labels.end()), current_(current) {
  if (labels_.empty()) internal::Refuse("ButtonRow", "labels is empty");
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    if (labels_[i].empty())
      internal::Refuse("ButtonRow", "labels[" + std::to_string(i) + "] is empty");
    widths_.push_back(ButtonText(labels_[i]).Width());
  }
  if (current >= labels_.size())
    internal::Refuse("ButtonRow", "current " + std::to_string(current) +
                                      " is past the last button " +
                                      std::to_string(labels_.size() - 1));
}

int ButtonRow::Width() const {
  return std::accumulate(widths_.begin(), widths_.end(), 0) + static_cast<int>(widths_.size()) - 1;
}

void ButtonRow::SetCurrent(std::size_t current) {
  if (current < labels_.size()) current_ = current;
}

void ButtonRow::Draw(int row, int left, int width, const Scheme& scheme, bool focused) {
  row_ = row;
  columns_ = ButtonColumns(widths_, left, width);
  for (std::size_t i = 0; i < labels_.size(); ++i) {
    const bool lit = focused && i == current_;
    const CellString text = ButtonText(labels_[i]);
    UseColor(lit ? scheme.bar : scheme.text);
    Locate(row, columns_[i]);
    PrintCells(text.Slice(0, std::max(0, left + width - columns_[i])));
    // The hot key: the label's first cluster, after "<" and the blanks.
    const CellString label = CellString::FromUtf8(labels_[i]);
    const int at = columns_[i] + 1 + (std::max(kInside, label.Width()) - label.Width()) / 2;
    if (at < left + width) {
      UseColor(lit ? scheme.bar : scheme.hotKey);
      Locate(row, at);
      PrintCells(label.Slice(0, label[0].flags & cell_flag::kWideFirst ? 2 : 1));
    }
  }
}

ButtonResult ButtonRow::Handle(const InputEvent& event) {
  const std::size_t last = labels_.size() - 1;
  if (event.kind == InputEvent::Kind::kKey) {
    if (event.key == ExtendedKey(scan::kLeft)) {
      current_ = current_ == 0 ? last : current_ - 1;
      return ButtonResult::kHandled;
    }
    if (event.key == ExtendedKey(scan::kRight)) {
      current_ = current_ == last ? 0 : current_ + 1;
      return ButtonResult::kHandled;
    }
    if (event.key == KeyCode(1, '\r') || event.key == KeyCode(1, ' '))
      return ButtonResult::kPressed;
    if (const char32_t typed = FoldedTypedChar(event); typed != 0)
      for (std::size_t i = 0; i <= last; ++i)
        if (CellString::FromUtf8(labels_[i]).FoldedScalar(0) == typed) {
          current_ = i;
          return ButtonResult::kPressed;
        }
    return ButtonResult::kNotForTheButtons;
  }
  if (event.kind == InputEvent::Kind::kRelease && event.button == 1 && event.row == row_ &&
      !columns_.empty())
    for (std::size_t i = 0; i <= last; ++i)
      if (event.col >= columns_[i] && event.col < columns_[i] + widths_[i]) {
        current_ = i;
        return ButtonResult::kPressed;
      }
  return ButtonResult::kNotForTheButtons;
}

}  // namespace tarvana::ui
