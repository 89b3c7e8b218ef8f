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

// One walk down the places, a case for each, reads better whole than split.
std::string NumberToWords(std::int32_t n) {
  // Walks the places of the decimal text from the highest down to the units;
  // the "-" of a negative number counts as a 0 digit.
  const std::string text = std::to_string(n);
  const int length = static_cast<int>(text.size());
  auto digit = [&](int place) {
    const char c = text[length - place];
    return c == '-' ? 0 : c - '0';
  };
  std::string words = n < 0 ? "negative " : "";
  bool millions = false, thousands = false;
  for (int place = length; place >= 1; --place) {
    if (place < 7 && millions) {
      words += "million ";
      millions = false;
    }
    if (place < 4 && thousands) {
      words += "thousand ";
      thousands = false;
    }
    const int d = digit(place);
    bool& mark = place > 6 ? millions : thousands;
    switch (place) {
      case 10:
        if (d != 0) words += OnesWord(d) + "billion ";
        break;
      case 9:
      case 6:
        if (d != 0) {
          words += OnesWord(d) + "hundred ";
          mark = true;
        }
        break;
      case 8:
      case 5:
        if (d != 0) {
          words += TensWords(d, digit(place - 1));
          mark = true;
          --place;  // the group's units digit is spelled with its tens
        }
        break;
      case 7:
      case 4:
        if (d != 0) {
          words += OnesWord(d);
          mark = true;
        }
        break;
      case 3:
        if (d != 0) words += OnesWord(d) + "hundred ";
        break;
      case 2:
        words += TensWords(d, digit(1));
        break;
      case 1:
        if (length == 1) words += OnesWord(d);
        break;
    }
  }
  if (words.empty()) return "zero";
  words.erase(words.find_last_not_of(' ') + 1);
  return words;
}

}  // namespace tarvana
