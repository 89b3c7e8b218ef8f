#pragma once
// Drawing aids shared by the window routines: colours given as one attribute,
// prints that stay on the screen, and whole-screen cell buffers for drawing
// many scattered cells with one read and one write. Shared with the menus and
// the dialogs, which print their help and message rows through it.

#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "console/types.h"

namespace tarvana::internal {

// Prints text from (row, col) rightwards in the current colour, leaving out
// the characters that would fall off the screen; nothing wraps to another row.
void PrintClipped(int row, int col, std::string_view text);
// Prints cells in the same way; a wide cluster cut by the screen's edge
// leaves a space for its half.
void PrintClipped(int row, int col, const CellString& text);
// Prints count copies of ch in the same way.
void PrintRun(int row, int col, char ch, long long count);

// The whole screen read into a buffer; changed cells reach the screen with
// Write. Cells off the screen are ignored.
class ScreenCells {
 public:
  ScreenCells();
  void Set(int row, int col, std::uint8_t ch, ColorAttr attr);
  void Recolor(int row, int col, ColorAttr attr);
  void Write() const;

 private:
  Cell* At(int row, int col);
  std::vector<Cell> cells_;
  int width_, height_;
};

}  // namespace tarvana::internal
