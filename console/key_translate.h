#pragma once
// Turning platform input records into KeyCodes: the pure half of InKey.

#include "console/input_record.h"
#include "console/types.h"

namespace tarvana {

// What the translation remembers between records.
struct MouseState {
  bool on = false;
  int buttonMask = 0;       // buttons reported: 1 left, 2 right, 4 middle
  int eventMask = 0;        // events reported: 1 move, 2 double-click, 4 press, 8 release
  int previousButtons = 0;  // button state of the last mouse record read
  int row = 0;              // 1-based position of the last delivered mouse KeyCode
  int col = 0;
};

// The KeyCode a record yields, or an empty KeyCode when the record is skipped.
// Updates the mouse state as reading the record does.
KeyCode TranslateRecord(const InputRecord& record, MouseState& mouse);
// The character a key record typed, as UTF-8, given the KeyCode it yielded:
// its text, or the code page 437 glyph of a one-byte KeyCode; "" for control
// keys, extended keys and characters typed with Alt or Ctrl.
std::string TypedText(const KeyRecord& k, const KeyCode& key);

}  // namespace tarvana
