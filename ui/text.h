#pragma once
// UTF-8 text on the screen: each character in one cell, shown through the
// best-fit table into code page 437 (console/cp437_best_fit.h).

#include <string_view>

#include "console/types.h"

namespace tarvana::ui {

// Prints UTF-8 text at the cursor in the current colour, as PrintText does.
void Print(std::string_view text);
// Prints UTF-8 text at a 1-based row and column in a colour, as PrintAt does.
void Print(int row, int col, std::string_view text, ColorAttr color);

}  // namespace tarvana::ui
