#include "text/string_tools.h"

#include <cstdlib>

#include "runtime/cp437_case.h"

namespace tarvana {
namespace {

constexpr std::string_view kSmallWords[] = {"in",   "on",   "of",  "the",  "or",  "for",
                                            "by",   "with", "to",  "a",    "at",  "and",
                                            "then", "too",  "but", "this", "that"};
constexpr std::string_view kWordDelimiters = " ,.;?!:`'\"";

bool IsDelimiter(char c) {
  return kWordDelimiters.find(c) != std::string_view::npos;
}

char FillChar(std::string_view pad) {
  return pad.empty() ? '\0' : pad[0];
}

}  // namespace

std::string CapFirst(std::string_view text) {
  std::string out(text);
  if (!out.empty()) out[0] = static_cast<char>(UpperChar(static_cast<unsigned char>(out[0])));
  return out;
}

std::string ProperCase(std::string_view text) {
  std::string out = CapFirst(LowerText(text));
  for (size_t i = 1; i < out.size(); ++i)
    if (out[i - 1] == ' ')
      out[i] = static_cast<char>(UpperChar(static_cast<unsigned char>(out[i])));
  return out;
}

std::string LowerSmallWords(std::string_view text) {
  std::string out(text);
  const std::string lower = LowerText(text);
  for (std::string_view word : kSmallWords) {
    for (size_t p = lower.find(word); p != std::string::npos; p = lower.find(word, p + 1)) {
      const size_t end = p + word.size();
      if ((p == 0 || IsDelimiter(lower[p - 1])) && (end == lower.size() || IsDelimiter(lower[end])))
        out.replace(p, word.size(), word);
    }
  }
  return out;
}

std::string LeftJustify(std::string_view text, int width, std::string_view pad) {
  if (width <= 0) return "";
  std::string out(text.substr(0, width));
  out.resize(width, FillChar(pad));
  return out;
}

std::string RightJustify(std::string_view text, int width, std::string_view pad) {
  if (width <= 0) return "";
  const size_t count = static_cast<size_t>(width);
  if (text.size() >= count) return std::string(text.substr(text.size() - count));
  return std::string(count - text.size(), FillChar(pad)) + std::string(text);
}

std::string ReverseString(std::string_view text) {
  return std::string(text.rbegin(), text.rend());
}

std::string ZeroPadNumber(std::int32_t number, std::int32_t width) {
  if (width <= 0) return "";
  const bool negative = number < 0;
  std::string digits = std::to_string(std::abs(static_cast<std::int64_t>(number)));
  // A negative number gives one of its places to the sign, which stays in front.
  const size_t count = static_cast<size_t>(width) - (negative ? 1 : 0);
  if (digits.size() > count)
    digits.erase(0, digits.size() - count);
  else
    digits.insert(0, count - digits.size(), '0');
  return negative ? "-" + digits : digits;
}

std::string RemoveFirst(std::string_view text, std::string_view target) {
  std::string out(text);
  const size_t p = out.find(target);
  if (p != std::string::npos) out.erase(p, target.size());
  return out;
}

}  // namespace tarvana
