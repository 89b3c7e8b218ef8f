#pragma once
// The console's screen model, for the console's own block operations that
// change cells in place instead of copying the screen out and back.

#include "console/screen.h"

namespace tarvana {

// The screen the console draws on; taking it takes the terminal over, as
// every screen write does.
Screen& ConsoleScreenForWriting();

}  // namespace tarvana
