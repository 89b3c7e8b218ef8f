#pragma once
// The size of the screen the modern layer draws on.

namespace tarvana::ui {

struct Size {
  int cols = 0;
  int rows = 0;
};

// The screen's size in cells: the terminal's, and in a Session the terminal's
// as it changes (a kResize event follows each change).
Size ScreenSize();

}  // namespace tarvana::ui
