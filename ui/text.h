#pragma once
// UTF-8 text on the screen, a grapheme cluster per cell (two for a wide one).

#include <string_view>

#include "console/types.h"

namespace tarvana::ui {

// Prints UTF-8 text at the cursor in the current colour, as PrintUtf8 does.
void Print(std::string_view text);
// Prints UTF-8 text at a 1-based row and column in a colour, wrapping as
// PrintAt does.
void Print(int row, int col, std::string_view text, ColorAttr color);

}  // namespace tarvana::ui
