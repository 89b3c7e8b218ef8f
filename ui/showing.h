#pragma once
// When the modern layer's drawing reaches the terminal: at the end of each
// call that draws (Print, Popup, Progress, and every modal call as it
// returns), so that a program that draws and then works or sleeps shows what
// it drew. A Batch holds that back for many calls at once.

namespace tarvana::ui {

// While a Batch lives, the modern layer's drawing calls do not show the
// screen; the end of the outermost one shows it, as one frame.
class Batch {
 public:
  Batch();
  ~Batch();
  Batch(const Batch&) = delete;
  Batch& operator=(const Batch&) = delete;
};

}  // namespace tarvana::ui
