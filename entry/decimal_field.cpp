#include "entry/decimal_field.h"

#include <algorithm>
#include <cstddef>

#include "entry/field_editing.h"
#include "entry/text_field.h"

namespace tarvana {
namespace {

// The decimals' field: digits only, shown first without editing (mode 0);
// after the whole part its prompt, the point, has the field's colour.
FieldRec DecimalPart(const FieldRec& field, std::size_t promptSize, std::int16_t wholeDigits,
                     std::int16_t decimalDigits) {
  const bool hasWhole = wholeDigits > 0;
  FieldRec decimal = field;
  decimal.Col = static_cast<std::uint8_t>(
      hasWhole ? std::min<int>(field.Col + static_cast<int>(promptSize) + wholeDigits, 255)
               : field.Col);
  decimal.Length = static_cast<std::uint8_t>(std::min<int>(decimalDigits, 255));
  decimal.FieldType = field_type::kDigits;
  decimal.EditMode = 0;
  decimal.PromptColor = hasWhole ? field.NormalColor : field.PromptColor;
  return decimal;
}

// The whole part's field: a signed integer whose first key replaces the text
// and which ends when full (mode 5).
FieldRec WholePart(const FieldRec& field, std::int16_t wholeDigits) {
  FieldRec whole = field;
  whole.Length = static_cast<std::uint8_t>(std::min<int>(wholeDigits, 255));
  whole.FieldType = field_type::kSignedInteger;
  whole.EditMode = 5;
  return whole;
}

}  // namespace

KeyCode DecimalField(FieldRec& field, std::string_view prompt, std::int16_t wholeDigits,
                     std::int16_t decimalDigits, std::string& wholeText, std::string& decimalText,
                     std::string_view exitKeys) {
  using namespace internal;
  const bool hasWhole = wholeDigits > 0, hasDecimals = decimalDigits > 0;
  if (!hasWhole && !hasDecimals) {
    field.Changed = 0;
    return kEnterKey;
  }
  const int wholeCells = hasWhole ? wholeDigits : 0;
  // The point and the decimals follow the whole part, whose end is a byte column.
  if (!FieldFits(field, prompt.size(), wholeCells + (hasDecimals ? 1 + decimalDigits : 0)) ||
      (hasWhole && field.Col + prompt.size() + wholeCells > 255))
    return {};
  field.Changed = 0;

  FieldRec decimal = DecimalPart(field, prompt.size(), wholeDigits, decimalDigits);
  const std::string decimalPrompt = hasWhole ? "." : std::string(prompt) + ".";
  FieldRec whole = WholePart(field, wholeDigits);

  std::int16_t overwrite = 0;
  std::uint8_t cursor = 0;
  if (hasDecimals) {
    TextField(decimal, decimalPrompt, decimalText, "", cursor, overwrite);
    decimal.EditMode = 5;
  }

  KeyCode key;
  bool toDecimals = true;
  if (hasWhole) {
    // "." ends the whole part only when there are decimals to move on to.
    const std::string keys = std::string(exitKeys) + (hasDecimals ? "." : "");
    key = TextField(whole, prompt, wholeText, keys, cursor, overwrite);
    wholeText = RightAlign(wholeText, wholeDigits);
    toDecimals = key == kEnterKey || key == ".";
    if (toDecimals) {
      const std::int16_t changed = whole.Changed;
      whole.EditMode = 0;
      TextField(whole, prompt, wholeText, "", cursor, overwrite);
      whole.Changed = changed;
    }
  }
  if (hasDecimals && toDecimals) {
    cursor = 0;
    key = TextField(decimal, decimalPrompt, decimalText, exitKeys, cursor, overwrite);
  }

  wholeText.erase(0, std::min(wholeText.find_first_not_of(' '), wholeText.size()));
  field.Changed = whole.Changed != 0 || decimal.Changed != 0 ? -1 : 0;
  return key;
}

}  // namespace tarvana
