#include "entry/field_editing.h"

#include <algorithm>

#include "console/console.h"
#include "console/unicode_text.h"
#include "tools/prompt_utils.h"

namespace tarvana::internal {

std::string RightAlign(std::string_view text, int width) {
  if (width <= 0) return "";
  if (static_cast<int>(text.size()) >= width) return std::string(text.substr(text.size() - width));
  return std::string(width - text.size(), ' ') + std::string(text);
}

bool FieldFits(const FieldRec& field, std::size_t promptLength, std::int64_t cells) {
  const std::int64_t width =
      static_cast<std::int64_t>(promptLength) + std::max<std::int64_t>(cells, 0);
  if (width == 0) return true;
  return field.Row >= 1 && field.Row <= ScreenHeight() && field.Col >= 1 &&
         field.Col + width - 1 <= ScreenWidth();
}

int ShowPrompt(const FieldRec& field, std::string_view prompt) {
  DrawAt(field.Row, field.Col, prompt, field.PromptColor);
  return field.Col + static_cast<int>(prompt.size());
}

void DrawAt(int row, int col, std::string_view text, ColorAttr color) {
  SetCursor(0);
  PrintAt(text, row, col, color);
}

void DrawAt(int row, int col, const CellString& cells, ColorAttr color) {
  SetCursor(0);
  UseColor(color);
  Locate(row, col);
  PrintCells(cells);
}

}  // namespace tarvana::internal
