#include "ui/text.h"

#include "console/console.h"
#include "console/unicode_text.h"

namespace tarvana::ui {

void Print(std::string_view text) {
  PrintUtf8(text);
}

void Print(int row, int col, std::string_view text, ColorAttr color) {
  UseColor(color);
  Locate(row, col);
  PrintUtf8(text);
}

}  // namespace tarvana::ui
