#include "entry/field_rec.h"

#include "runtime/cp437_case.h"

namespace tarvana {
namespace {

constexpr std::string_view kDigitChars = "0123456789";
constexpr std::string_view kLetterChars = "ABCDEFGHIJKLMNOPQRSTUVWXYZ ";

std::string Letters() {
  std::string letters(kLetterChars);
  return letters + LowerText(kLetterChars);
}

}  // namespace

std::string FieldCharClass(int fieldType) {
  switch (fieldType) {
    case field_type::kDigits:
      return std::string(kDigitChars);
    case field_type::kUnsignedDecimal:
      return std::string(kDigitChars) + ".";
    case field_type::kSignedInteger:
      return std::string(kDigitChars) + "-";
    case field_type::kSignedDecimal:
      return std::string(kDigitChars) + ".-";
    case field_type::kLetters:
    case field_type::kUpperLetters:
      return Letters();
    case field_type::kAlphanumeric:
      return std::string(kDigitChars) + Letters() + ".-";
    case field_type::kYesNo:
      return "YyNn";
    default:
      return "";
  }
}

int IsExitKey(const KeyCode& key, std::string_view exitKeys) {
  if (key.empty()) return 0;
  if (key.size() > 1) {
    const size_t at = exitKeys.find(key);
    return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
  }
  if (key[0] == '\0') return 0;
  // A byte right after a NUL is the scan code of an extended key, not a key.
  for (size_t at = exitKeys.find(key[0]); at != std::string_view::npos;
       at = exitKeys.find(key[0], at + 1))
    if (at == 0 || exitKeys[at - 1] != '\0') return static_cast<int>(at) + 1;
  return 0;
}

}  // namespace tarvana
