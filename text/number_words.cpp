#include "text/number_words.h"

#include "runtime/name_table.h"

namespace tarvana {
namespace {

constexpr std::string_view kOnes = "one  two  threefour five six  seveneightnine ";
constexpr std::string_view kTens = "twenty thirty forty  fifty  sixty  seventyeighty ninety ";
constexpr std::string_view kTeens =
    "eleven   twelve   thirteen fourteen fifteen  sixteen  seventeeneighteen nineteen ";

// Digits are checked before they index a table, so that no digit overflows.
bool IsDigit(int d) {
  return d >= 0 && d <= 9;
}

// The words of a three-digit group (0-999), each followed by one blank; the
// empty text for 0.
std::string GroupWords(int group) {
  const int hundreds = group / 100, tens = group / 10 % 10, units = group % 10;
  std::string words;
  if (hundreds != 0) words += OnesWord(hundreds) + "hundred ";
  // Without tens the units are OnesWord's, empty for 0 (TensWords leaves a blank).
  words += tens != 0 ? TensWords(tens, units) : OnesWord(units);
  return words;
}

// The group's words followed by its scale word, or nothing for a 0 group.
std::string ScaledGroup(int group, const char* scale) {
  const std::string words = GroupWords(group);
  return words.empty() ? words : words + scale + " ";
}

}  // namespace

std::string OnesWord(int digit) {
  if (!IsDigit(digit) || digit == 0) return "";
  return std::string(TableWord(kOnes, 5, digit - 1)) + " ";
}

std::string TensWords(int tens, int units) {
  if (!IsDigit(tens)) return " ";
  std::string words;
  if (tens >= 2) {
    words = std::string(TableWord(kTens, 7, tens - 2)) + "-";
    if (units != 0) words += OnesWord(units);
  } else if (tens == 1) {
    if (units == 0) words = "ten";
    if (units >= 1 && units <= 9) words = std::string(TableWord(kTeens, 9, units - 1));
  } else {
    words = OnesWord(units);
  }
  // Drops the hyphen of a round ten ("thirty-") along with any blank.
  words.erase(words.find_last_not_of("- ") + 1);
  return words + " ";
}

std::string NumberToWords(std::int32_t n) {
  // The magnitude of INT32_MIN needs 64 bits.
  const std::int64_t magnitude = n < 0 ? -static_cast<std::int64_t>(n) : n;
  const auto group = [&](std::int64_t scale) { return static_cast<int>(magnitude / scale % 1000); };
  std::string words = n < 0 ? "negative " : "";
  words += ScaledGroup(group(1'000'000'000), "billion");
  words += ScaledGroup(group(1'000'000), "million");
  words += ScaledGroup(group(1'000), "thousand");
  words += GroupWords(group(1));
  if (words.empty()) return "zero";
  words.erase(words.find_last_not_of(' ') + 1);
  return words;
}

}  // namespace tarvana
