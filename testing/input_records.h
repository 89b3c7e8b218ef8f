#pragma once
// Test support: short builders of platform input records for decoder and
// translation tables.

#include <cstdint>

#include "console/input_record.h"

namespace tarvana::test_support {

// Modifier and kind flags of the record builders.
enum : unsigned {
  kShift = 1,
  kCtrl = 2,
  kAlt = 4,
  kCaps = 8,
  kUp = 16,  // key released
  kMoved = 32,
  kDouble = 64,
  kWheel = 128,
  kWheelUp = 256,  // with kWheel: turned up
};

// A key record: character, scan code and flags.
inline InputRecord K(int ch, int scan, unsigned flags = 0) {
  KeyRecord k;
  k.ch = static_cast<std::uint8_t>(ch);
  k.scan = static_cast<std::uint8_t>(scan);
  k.shift = flags & kShift;
  k.ctrl = flags & kCtrl;
  k.alt = flags & kAlt;
  k.capsLock = flags & kCaps;
  k.pressed = !(flags & kUp);
  return InputRecord::Key(k);
}

// A mouse record: buttons held, 0-based position and flags.
inline InputRecord M(int buttons, int row, int col, unsigned flags = 0) {
  MouseRecord m;
  m.buttons = buttons;
  m.row = row;
  m.col = col;
  m.shift = flags & kShift;
  m.ctrl = flags & kCtrl;
  m.alt = flags & kAlt;
  m.moved = flags & kMoved;
  m.doubleClick = flags & kDouble;
  m.wheel = flags & kWheel;
  m.wheelUp = flags & kWheelUp;
  return InputRecord::Mouse(m);
}

}  // namespace tarvana::test_support
