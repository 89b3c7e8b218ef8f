#include "ui/text.h"

#include "console/console.h"
#include "console/cp437_best_fit.h"
#include "tools/prompt_utils.h"

namespace tarvana::ui {

void Print(std::string_view text) {
  PrintText(Utf8ToCp437(text));
}

void Print(int row, int col, std::string_view text, ColorAttr color) {
  PrintAt(Utf8ToCp437(text), row, col, color);
}

}  // namespace tarvana::ui
