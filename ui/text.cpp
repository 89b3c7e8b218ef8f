#include "ui/text.h"

#include "console/console.h"
#include "console/unicode_text.h"
#include "ui/placement.h"

namespace tarvana::ui {

void Print(std::string_view text) {
  PrintUtf8(text);
  internal::ShowDrawn();
}

void Print(int row, int col, std::string_view text, ColorAttr color) {
  UseColor(color);
  Locate(row, col);
  PrintUtf8(text);
  internal::ShowDrawn();
}

}  // namespace tarvana::ui
