#pragma once
// Whole-block screen effects: recolour, clear or fill a rectangle, and read
// back the text of a run of cells. Each is one block read and one block write;
// none moves the cursor or changes the current colour. Rectangles are clipped
// to the screen; an inverted one (top > bottom or left > right) changes nothing.

#include <cstdint>
#include <string>

#include "console/types.h"

namespace tarvana {

// A rectangle of the screen, 1-based and inclusive. A WindowRec serves as one:
// its first four fields are the same.
struct ScreenRect {
  std::uint8_t Top = 0;
  std::uint8_t Left = 0;
  std::uint8_t Bottom = 0;
  std::uint8_t Right = 0;

  constexpr ScreenRect() = default;
  constexpr ScreenRect(std::uint8_t top, std::uint8_t left, std::uint8_t bottom, std::uint8_t right)
      : Top(top), Left(left), Bottom(bottom), Right(right) {}
  constexpr ScreenRect(const WindowRec& w)  // NOLINT: a window is a rectangle
      : Top(w.Top), Left(w.Left), Bottom(w.Bottom), Right(w.Right) {}
};

// Gives every cell of the screen the colour attr; characters stay.
void RecolorScreen(ColorAttr attr);
// Blanks the rectangle in attr.
void ClearRegion(int top, int left, int bottom, int right, ColorAttr attr);
// Gives every cell of the rectangle attr; characters stay.
void RecolorRegion(ColorAttr attr, const ScreenRect& rect);
// Fills the rectangle with the character ch in attr.
void FillRegion(int ch, ColorAttr attr, const ScreenRect& rect);
// The characters of count cells from (row, col) on, continuing at column 1 of
// the next row past a row's end; a run that passes the last cell stops there,
// and cells before the first are left out.
std::string ScreenText(int row, int col, std::int32_t count);

}  // namespace tarvana
