#pragma once
// Typed input events: what happened (a key, a mouse press, release, double
// click or move with its cell, a size change) in one value, so that the mouse
// cell travels with the event instead of being read back from the console.
// The console reads them: WaitEvent, WaitKeyEvent and PollEvent (console.h).

#include <string>

#include "console/types.h"

namespace tarvana {

struct InputEvent {
  // kPosted: PostEvent from any thread; kTimer: a timer set by SetTimer ran out.
  // kWheel: the mouse wheel turned (wheel) with the pointer on the cell.
  enum class Kind {
    kNone,
    kKey,
    kPress,
    kRelease,
    kDoubleClick,
    kMove,
    kResize,
    kPosted,
    kTimer,
    kWheel
  };
  Kind kind = Kind::kNone;
  // The KeyCode the low-level layer reads: the key, or the mouse KeyCode.
  KeyCode key;
  // A typed character as UTF-8 ("a", "ж", "漢"), where key holds its code
  // page 437 stand-in; "" for other keys and for Alt or Ctrl with a key.
  std::string text;
  // Mouse events: the button (1 left, 2 right, 4 middle) and the 1-based cell.
  int button = 0;
  int row = 0;
  int col = 0;
  // kPosted and kTimer: the number the poster or the timer gave.
  int id = 0;
  // kWheel: -1 a turn up (away from the user), +1 a turn down.
  int wheel = 0;

  bool IsMouse() const {
    return kind == Kind::kPress || kind == Kind::kRelease || kind == Kind::kDoubleClick ||
           kind == Kind::kMove;
  }
  // A readable name: "Enter", "Alt+X", "Ctrl+Y", "F10", "a", "left release at
  // 12,40", "resize"; "" for no event.
  std::string Name() const;
};

// The name of a KeyCode as InputEvent::Name gives it for a key ("Shift+Tab",
// "PgDn", "Ctrl+Backspace"); a one-byte character is itself.
std::string KeyName(const KeyCode& key);
// The event of a KeyCode; a mouse KeyCode's event carries the cell given.
InputEvent EventOfKey(const KeyCode& key, int row, int col);
// The character an event types, case-folded by Unicode simple case folding,
// as hot keys and answers of any script compare it; 0 for an event without
// text.
char32_t FoldedTypedChar(const InputEvent& event);

}  // namespace tarvana
