#include "console/console.h"
#include "window/screen_cells.h"
#include "window/window.h"

namespace tarvana {
namespace {

using internal::PrintRun;

constexpr char kFullBlock = '\xDB';
constexpr char kLowerHalf = '\xDC';
constexpr char kUpperHalf = '\xDF';

// Types 1-4: the window's rectangle shifted one row and one column, less the
// window itself, takes the shadow colour; the characters under it show through.
void RecolorShadow(const WindowRec& rec, int rowShift, int colShift) {
  internal::ScreenCells screen;
  for (int row = rec.Top + rowShift; row <= rec.Bottom + rowShift; ++row)
    for (int col = rec.Left + colShift; col <= rec.Right + colShift; ++col) {
      const bool inWindow =
          row >= rec.Top && row <= rec.Bottom && col >= rec.Left && col <= rec.Right;
      if (!inWindow) screen.Recolor(row, col, rec.ShadowColor);
    }
  screen.Write();
}

// Types 5-8: a half block beside the outer row, full blocks down the side and
// a run of half blocks along the edge, printed last so that it wins the corner.
void PrintBlockShadow(const WindowRec& rec, bool lower, bool leftSide) {
  UseColor(rec.ShadowColor);
  const int col = leftSide ? rec.Left - 1 : rec.Right + 1;
  PrintRun(lower ? rec.Top : rec.Bottom, col, lower ? kLowerHalf : kUpperHalf, 1);
  const int shift = lower ? 1 : -1;
  for (int row = rec.Top + shift; row <= rec.Bottom + shift; ++row)
    PrintRun(row, col, kFullBlock, 1);
  PrintRun(lower ? rec.Bottom + 1 : rec.Top - 1, leftSide ? rec.Left - 1 : rec.Left + 1,
           lower ? kUpperHalf : kLowerHalf, rec.Right - rec.Left + 1);
}

}  // namespace

void DrawShadow(const WindowRec& rec) {
  if (rec.Shadow < 1 || rec.Shadow > 8 || !WindowHasInterior(rec)) return;
  // Types 1, 2, 5, 6 fall below the window; 1, 3, 5, 7 fall to its left.
  const int corner = (rec.Shadow - 1) % 4;
  const bool lower = corner < 2, leftSide = corner % 2 == 0;
  if (rec.Shadow <= 4) {
    RecolorShadow(rec, lower ? 1 : -1, leftSide ? -1 : 1);
  } else {
    PrintBlockShadow(rec, lower, leftSide);
  }
}

}  // namespace tarvana
