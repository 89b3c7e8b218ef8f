#include "testing/headless_test_support.h"

#include "console/unicode_text.h"

namespace tarvana::test_support {

void EnableClicks() {
  SetMouse(mouse::kLeft | mouse::kRight, mouse::kReleased);
  SetMouse(true);
}

std::string ScreenText(int row, int col, int count) {
  if (count < 0) count = ScreenWidth() - col + 1;
  std::string out;
  for (int c = col; c < col + count; ++c)
    out += static_cast<char>(ReadCell(row, c));
  return out;
}

std::string RowText(int row) {
  std::string text = ScreenText(row);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string RowUtf8(int row) {
  std::string text;
  for (int c = 1; c <= ScreenWidth(); ++c)
    text += ReadCellText(row, c);
  text.erase(text.find_last_not_of(' ') + 1);
  return text;
}

std::string ColumnText(int col, int top, int bottom) {
  std::string out;
  for (int r = top; r <= bottom; ++r)
    out += static_cast<char>(ReadCell(r, col));
  return out;
}

}  // namespace tarvana::test_support
