#include <string>

#include "console/console.h"
#include "window/screen_cells.h"
#include "window/title.h"
#include "window/window.h"

namespace tarvana {

using internal::PrintClipped;
using internal::ScreenCells;

void DrawFrame(const WindowRec& rec, std::string_view title) {
  DrawFrame(rec, CellString::FromCp437(title));
}

void DrawFrame(const WindowRec& rec, const CellString& title) {
  if (rec.Frame == 255 || !WindowHasInterior(rec)) return;
  UseColor(rec.FrameColor);
  const std::string chars = FrameChars(rec.Frame);
  const auto code = [&chars](int position) {
    return static_cast<std::uint8_t>(chars[position - 1]);
  };
  const int top = rec.Top, left = rec.Left, bottom = rec.Bottom, right = rec.Right;
  const ColorAttr attr = rec.FrameColor;

  // One block read and one block write for the whole border, going around it.
  ScreenCells screen;
  screen.Set(top, left, code(1), attr);
  for (int col = left + 1; col <= right - 1; ++col)
    screen.Set(top, col, code(7), attr);
  screen.Set(top, right, code(3), attr);
  for (int row = top + 1; row <= bottom - 1; ++row)
    screen.Set(row, right, code(6), attr);
  screen.Set(bottom, right, code(4), attr);
  for (int col = right - 1; col >= left + 1; --col)
    screen.Set(bottom, col, code(8), attr);
  screen.Set(bottom, left, code(2), attr);
  for (int row = bottom - 1; row >= top + 1; --row)
    screen.Set(row, left, code(5), attr);
  screen.Write();

  if (rec.CloseBox != 0) PrintClipped(top, left, "[\xFE]\xC4");
  internal::DrawTitle(rec, title);
}

}  // namespace tarvana
