#pragma once
// The console's value types: keystrokes, colours, cells and the window record.

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

namespace tarvana {

// A keystroke or mouse event: empty (nothing waiting), one character byte,
// NUL + scan code, or 255 255 event button for a mouse event.
using KeyCode = std::string;

// Background * 16 + foreground, each one of the sixteen text-mode colours.
using ColorAttr = std::uint8_t;

// One screen cell: a code page 437 character and its colour, and for a
// cluster that code page 437 lacks, its text. A cell showing a code page 437
// glyph always has text 0 (so equal cells compare equal); a text cell keeps
// in ch the byte that best stands for it, which every code page 437 reader
// sees. A two-cell cluster marks its first cell kWideFirst and the second
// kContinuation (text 0, ch ' ').
struct Cell {
  std::uint8_t ch = ' ';
  ColorAttr attr = 7;
  std::uint16_t flags = 0;  // two bytes, so that no byte of a cell is padding
  char32_t text = 0;        // a scalar, or a stored cluster (console/cell_text.h)
  // Every byte is a field, so cells compare as one word (the renderer and the
  // screen compare many).
  friend bool operator==(const Cell& a, const Cell& b) {
    std::uint64_t x, y;
    std::memcpy(&x, &a, sizeof x);
    std::memcpy(&y, &b, sizeof y);
    return x == y;
  }
};
static_assert(sizeof(Cell) == 8 && std::has_unique_object_representations_v<Cell>);

// Cell flags.
namespace cell_flag {
inline constexpr std::uint16_t kWideFirst = 1;
inline constexpr std::uint16_t kContinuation = 2;
}  // namespace cell_flag

// A framed window: twelve one-byte fields in this order.
struct WindowRec {
  std::uint8_t Top = 0;
  std::uint8_t Left = 0;
  std::uint8_t Bottom = 0;
  std::uint8_t Right = 0;
  std::uint8_t Frame = 0;     // frame style 0-19, 255 = none
  std::uint8_t TitlePos = 0;  // 0 none, 1-8
  std::uint8_t CloseBox = 0;  // non-zero: close-box marker at the top-left corner
  std::uint8_t Shadow = 0;    // shadow type 0-8
  ColorAttr ShadowColor = 0;
  ColorAttr FillColor = 0;
  ColorAttr FrameColor = 0;
  ColorAttr TitleColor = 0;
};
static_assert(sizeof(WindowRec) == 12);

// Scan codes that the toolbox tests (the second byte of a two-byte KeyCode).
namespace scan {
inline constexpr std::uint8_t kBackTab = 15;
inline constexpr std::uint8_t kF1 = 59;
inline constexpr std::uint8_t kF10 = 68;
inline constexpr std::uint8_t kF11 = 87;
inline constexpr std::uint8_t kF12 = 88;
inline constexpr std::uint8_t kHome = 71;
inline constexpr std::uint8_t kUp = 72;
inline constexpr std::uint8_t kPgUp = 73;
inline constexpr std::uint8_t kLeft = 75;
inline constexpr std::uint8_t kRight = 77;
inline constexpr std::uint8_t kEnd = 79;
inline constexpr std::uint8_t kDown = 80;
inline constexpr std::uint8_t kPgDn = 81;
inline constexpr std::uint8_t kIns = 82;
inline constexpr std::uint8_t kDel = 83;
inline constexpr std::uint8_t kCtrlLeft = 115;
inline constexpr std::uint8_t kCtrlRight = 116;
inline constexpr std::uint8_t kCtrlEnd = 117;
inline constexpr std::uint8_t kCtrlHome = 119;
}  // namespace scan

// Character bytes of the keys the toolbox tests (a one-byte KeyCode).
namespace ascii {
inline constexpr unsigned char kEnter = 13;
inline constexpr unsigned char kEsc = 27;
}  // namespace ascii

// Mouse masks: buttons and event kinds that SetMouse chooses to report.
namespace mouse {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
inline constexpr int kMoved = 1;
inline constexpr int kDoubleClick = 2;
inline constexpr int kPressed = 4;
inline constexpr int kReleased = 8;
}  // namespace mouse

// Builders and tests for KeyCodes.
inline KeyCode ExtendedKey(std::uint8_t scanCode) {
  return KeyCode{'\0', static_cast<char>(scanCode)};
}
inline bool IsExtendedKey(const KeyCode& k, std::uint8_t scanCode) {
  return k.size() == 2 && k[0] == '\0' && static_cast<std::uint8_t>(k[1]) == scanCode;
}
inline bool IsMouseKey(const KeyCode& k) {
  return k.size() == 4;
}
// The event byte (1 moved, 2 double-click, 4 pressed, 8 released) of a mouse KeyCode.
inline int MouseEvent(const KeyCode& k) {
  return static_cast<std::uint8_t>(k[2]);
}
// The button byte of a mouse KeyCode.
inline int MouseButton(const KeyCode& k) {
  return static_cast<std::uint8_t>(k[3]);
}
inline KeyCode MouseKey(int event, int button) {
  return KeyCode{'\xff', '\xff', static_cast<char>(event), static_cast<char>(button)};
}

}  // namespace tarvana
