#include "tools/screen_effects.h"

#include <vector>

#include "console/console.h"

namespace tarvana {
namespace {

// Reads the rectangle, lets `change` rewrite each cell, writes it back.
// Cells outside the screen are neither read nor written.
template <class Change>
void ChangeRegion(int top, int left, int bottom, int right, Change change) {
  const int rows = bottom - top + 1, cols = right - left + 1;
  if (rows <= 0 || cols <= 0) return;
  std::vector<Cell> cells;
  ReadScreenRect(cells, top, left, rows, cols);
  for (Cell& cell : cells)
    change(cell);
  WriteScreenRect(cells, top, left, rows, cols);
}

}  // namespace

void RecolorScreen(ColorAttr attr) {
  ChangeRegion(1, 1, ScreenHeight(), ScreenWidth(), [attr](Cell& c) { c.attr = attr; });
}

void ClearRegion(int top, int left, int bottom, int right, ColorAttr attr) {
  ChangeRegion(top, left, bottom, right, [attr](Cell& c) { c = Cell{' ', attr}; });
}

void RecolorRegion(ColorAttr attr, const ScreenRect& rect) {
  ChangeRegion(rect.Top, rect.Left, rect.Bottom, rect.Right, [attr](Cell& c) { c.attr = attr; });
}

void FillRegion(int ch, ColorAttr attr, const ScreenRect& rect) {
  const auto glyph = static_cast<std::uint8_t>(ch);
  ChangeRegion(rect.Top, rect.Left, rect.Bottom, rect.Right, [glyph, attr](Cell& c) {
    c = Cell{glyph, attr};
  });
}

std::string ScreenText(int row, int col, std::int32_t count) {
  std::vector<Cell> cells;
  ReadScreenBlock(cells);
  const long start = static_cast<long>(row - 1) * ScreenWidth() + (col - 1);
  std::string text;
  for (long i = start; i < start + count && i < static_cast<long>(cells.size()); ++i)
    if (i >= 0) text += static_cast<char>(cells[i].ch);
  return text;
}

}  // namespace tarvana
