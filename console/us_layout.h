#pragma once
// The US keyboard layout: which key (scan code) and shift state type an ASCII
// character, so that decoded characters carry the scan codes a PC keyboard sends.

#include <cstdint>

namespace tarvana {

struct KeyPosition {
  std::uint8_t scan = 0;  // 0 when no key types the character
  bool shift = false;
};

KeyPosition UsLayoutKey(unsigned char ch);

// Scan codes of keys that type no printable character.
namespace usKey {
inline constexpr std::uint8_t kEsc = 1;
inline constexpr std::uint8_t kBackspace = 14;
inline constexpr std::uint8_t kTab = 15;
inline constexpr std::uint8_t kEnter = 28;
inline constexpr std::uint8_t kSpace = 57;
}  // namespace usKey

}  // namespace tarvana
