#include "console/us_layout.h"

#include <cstring>

namespace tarvana {
namespace {

// Characters of each key in scan-code order, unshifted then shifted.
constexpr const char* kRows[] = {
    "1234567890-=",  // scan 2-13
    "qwertyuiop[]",  // scan 16-27
    "asdfghjkl;'`",  // scan 30-41
    "\\zxcvbnm,./",  // scan 43-53
};
constexpr const char* kShiftedRows[] = {
    "!@#$%^&*()_+",
    "QWERTYUIOP{}",
    "ASDFGHJKL:\"~",
    "|ZXCVBNM<>?",
};
constexpr std::uint8_t kFirstScan[] = {2, 16, 30, 43};

}  // namespace

KeyPosition UsLayoutKey(unsigned char ch) {
  if (ch == ' ') return {usKey::kSpace, false};
  if (ch == '\t') return {usKey::kTab, false};
  if (ch == '\r') return {usKey::kEnter, false};
  if (ch == 27) return {usKey::kEsc, false};
  if (ch == 8 || ch == 127) return {usKey::kBackspace, false};
  for (int r = 0; r < 4; ++r) {
    if (const char* p = std::strchr(kRows[r], ch); p && ch)
      return {static_cast<std::uint8_t>(kFirstScan[r] + (p - kRows[r])), false};
    if (const char* p = std::strchr(kShiftedRows[r], ch); p && ch)
      return {static_cast<std::uint8_t>(kFirstScan[r] + (p - kShiftedRows[r])), true};
  }
  if (ch >= 1 && ch <= 26) {  // Ctrl+letter
    KeyPosition letter = UsLayoutKey(static_cast<unsigned char>('a' + ch - 1));
    return {letter.scan, false};
  }
  return {};
}

}  // namespace tarvana
