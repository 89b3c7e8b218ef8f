#include "tools/screen_effects.h"

#include <algorithm>
#include <vector>

#include "console/console.h"

namespace tarvana {
namespace {

// Reads the rectangle, lets `change` rewrite each cell, writes it back. Only
// the part on the screen is read and written, so a rectangle of any size (or
// an inverted one, which has no cells) costs no more than the screen.
template <class Change>
void ChangeRegion(int top, int left, int bottom, int right, Change change) {
  top = std::max(top, 1);
  left = std::max(left, 1);
  bottom = std::min(bottom, ScreenHeight());
  right = std::min(right, ScreenWidth());
  if (top > bottom || left > right) return;
  const int rows = bottom - top + 1, cols = right - left + 1;
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
  const std::int64_t size = static_cast<std::int64_t>(cells.size());
  const std::int64_t start = (std::int64_t{row} - 1) * ScreenWidth() + (std::int64_t{col} - 1);
  const std::int64_t end = std::min(start + std::max(count, 0), size);
  std::string text;
  for (std::int64_t i = std::max<std::int64_t>(start, 0); i < end; ++i)
    text += static_cast<char>(cells[static_cast<std::size_t>(i)].ch);
  return text;
}

}  // namespace tarvana
