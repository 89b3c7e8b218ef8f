#include "runtime/cp437_case.h"

namespace tarvana {
namespace {

constexpr unsigned char kLower[] = {132, 148, 129, 130, 164, 134, 135};
constexpr unsigned char kUpper[] = {142, 153, 154, 144, 165, 143, 128};

}  // namespace

unsigned char UpperChar(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 'a' + 'A');
  for (int i = 0; i < 7; ++i)
    if (c == kLower[i]) return kUpper[i];
  return c;
}

unsigned char LowerChar(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c - 'A' + 'a');
  for (int i = 0; i < 7; ++i)
    if (c == kUpper[i]) return kLower[i];
  return c;
}

std::string UpperText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(UpperChar(static_cast<unsigned char>(c)));
  return out;
}

std::string LowerText(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(LowerChar(static_cast<unsigned char>(c)));
  return out;
}

}  // namespace tarvana
