#pragma once
// What the modern layer's routines share: window records from a scheme and a
// place, centring on the screen, the errors for arguments that can never work,
// and the parallel arrays the low-level routines take.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "console/types.h"
#include "ui/scheme.h"

namespace tarvana::ui::internal {

// A framed window of rows by cols cells, frame included, with its top-left
// corner at (row, col), or centred on the screen in each coordinate given as
// 0, titled at the top's centre unless the title is empty (a whole top
// frame). Throws std::invalid_argument (naming `what`) when it would not lie
// on the screen.
WindowRec PlaceWindow(const Scheme& scheme, int row, int col, std::size_t rows, std::size_t cols,
                      std::string_view what, std::string_view title);
// A window's corner given by the caller (0: centred, kept) after the screen
// changed size: moved back as far as it must for `extent` cells to fit in
// `screen`, but not before the first cell.
int FitCorner(int corner, int extent, int screen);
// Throws std::invalid_argument with "routine: message".
[[noreturn]] void Refuse(std::string_view routine, const std::string& message);
// The lines of UTF-8 text, cut at each '\n', as cells.
std::vector<CellString> Lines(std::string_view text);
// The UTF-8 text in lines of at most width cells (width above 0), broken at
// blanks and at '\n'; a word wider than a line is cut over several lines
// between its clusters.
std::vector<std::string> WrapLines(std::string_view text, int width);
// The widest of the texts, in cells.
int Widest(std::span<const CellString> texts);

// Shows the screen unless a Batch is open; never throws (a terminal that is
// gone is found by the next read).
void ShowDrawn() noexcept;

// Shows the screen as a modal call leaves it, whichever way it leaves.
struct ShowOnReturn {
  ShowOnReturn() = default;
  ShowOnReturn(const ShowOnReturn&) = delete;
  ShowOnReturn& operator=(const ShowOnReturn&) = delete;
  ~ShowOnReturn() { ShowDrawn(); }
};

}  // namespace tarvana::ui::internal
