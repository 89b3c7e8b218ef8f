#pragma once
// Text input for readers of any script: while a scope lives, a typed
// character that code page 437 cannot show reaches the readers as a key
// event (KeyCode "?", the character in InputEvent::text) instead of a beep.
// The code page 437 routines run without one and keep their keys.

namespace tarvana {

class TextInputScope {
 public:
  TextInputScope();
  ~TextInputScope();
  TextInputScope(const TextInputScope&) = delete;
  TextInputScope& operator=(const TextInputScope&) = delete;
};

// The mouse wheel for the lists, menus and the viewer: while a scope lives,
// the event readers give each turn of the wheel as a kWheel event (WaitEvent
// and PollEvent always do); without one the turns are passed over, as the
// loops that know no such event expect.
class WheelInputScope {
 public:
  WheelInputScope();
  ~WheelInputScope();
  WheelInputScope(const WheelInputScope&) = delete;
  WheelInputScope& operator=(const WheelInputScope&) = delete;
};

}  // namespace tarvana
