#pragma once
// Platform input records: what the terminal decoder produces and the KeyCode
// translation consumes, shaped after a console's key and mouse event records.

#include <cstdint>

namespace tarvana {

struct KeyRecord {
  bool pressed = true;
  std::uint8_t ch = 0;    // code page 437 character, 0 for none
  std::uint8_t scan = 0;  // US-layout scan code
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
  bool capsLock = false;
  // The Unicode character typed, when the device knows it (0: take it from
  // ch); a typed character's record carries it even where ch is a stand-in.
  char32_t text = 0;
};

struct MouseRecord {
  int buttons = 0;  // state of all buttons: 1 left, 2 right, 4 middle
  int row = 0;      // 0-based pointer position
  int col = 0;
  bool moved = false;
  bool doubleClick = false;
  bool wheel = false;
  bool wheelUp = false;  // a wheel record: turned up (away from the user), else down
  bool alt = false;
  bool ctrl = false;
  bool shift = false;
};

struct InputRecord {
  // kUnshowable: a typed character that code page 437 cannot show, not even
  // by a stand-in (its key.text holds it); it yields no KeyCode, and the
  // console beeps for it unless text input is on (console.h).
  enum class Kind { kKey, kMouse, kOther, kUnshowable };
  Kind kind = Kind::kOther;
  KeyRecord key;
  MouseRecord mouse;

  static InputRecord Key(KeyRecord k) { return {Kind::kKey, k, {}}; }
  static InputRecord Mouse(MouseRecord m) { return {Kind::kMouse, {}, m}; }
};

}  // namespace tarvana
