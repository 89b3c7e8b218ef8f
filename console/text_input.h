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

}  // namespace tarvana
