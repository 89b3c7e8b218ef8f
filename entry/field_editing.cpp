#include "entry/field_editing.h"

#include <algorithm>

#include "console/console.h"
#include "console/unicode_text.h"
#include "runtime/unicode/case_folding.h"
#include "runtime/unicode/code_point_properties.h"
#include "runtime/unicode/grapheme.h"
#include "runtime/unicode/utf8_decode.h"
#include "runtime/utf8.h"
#include "tools/prompt_utils.h"

namespace tarvana::internal {

std::vector<std::string> SplitCharacters(std::string_view text, bool utf8) {
  std::vector<std::string> out;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = utf8 ? NextClusterEnd(text, at) : at + 1;
    out.emplace_back(text.substr(at, end - at));
    at = end;
  }
  return out;
}

std::string JoinCharacters(const std::vector<std::string>& characters) {
  std::string text;
  for (const std::string& c : characters)
    text += c;
  return text;
}

int CharacterCells(const std::string& character, bool utf8) {
  return utf8 ? CellString::FromUtf8(character).Width() : 1;
}

std::optional<std::string> Utf8Typed(int fieldType, std::string_view typed) {
  if (fieldType == field_type::kUpperLetters) {
    if (typed == " ") return std::string(typed);
    if (!BeginsWithLetter(typed)) return std::nullopt;
    std::size_t rest = 0;
    std::string upper;
    AppendUtf8(upper, SimpleUpperCase(DecodeUtf8(typed, rest)));
    return upper.append(typed.substr(rest));
  }
  const std::string charClass = FieldCharClass(fieldType);
  if (!charClass.empty() && (typed.size() != 1 || charClass.find(typed[0]) == std::string::npos))
    return std::nullopt;
  return std::string(typed);
}

bool BeginsWithLetter(std::string_view utf8) {
  std::size_t pos = 0;
  return !utf8.empty() && IsLetter(DecodeUtf8(utf8, pos));
}

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
