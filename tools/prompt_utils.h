#pragma once
// Small text and prompt utilities: centred text on the screen or the printer,
// a centred status line, printing at a place, remembering the cursor.

#include <string>
#include <string_view>

#include "console/types.h"

namespace tarvana {

// Prints text centred in width columns (below 1: 80) on the cursor's row, in
// the current colour; a longer text is cut to width. The first column is
// (width - length) / 2 + 1, truncating.
void CenterText(std::string_view text, int width);
// Prints text centred over 80 columns on the bottom row, then puts the cursor
// back where it was (which also cancels a pending scroll).
void StatusLine(std::string_view text);
// The printer counterpart of CenterText: moves the printer line to the first
// column with blanks (ending the line first if it is already past it) and
// sends the text without a line end.
void LPrintCentered(std::string_view text, int width);
// Names the file that printer output goes to (by default the printer device:
// /dev/lp0, PRN on Windows); it is opened for writing at the next output. Output that cannot
// be written is dropped.
void SetPrinterFile(std::string_view path);
// Sets the colour from attr, moves to (row, col) and prints text.
void PrintAt(std::string_view text, int row, int col, ColorAttr attr);
// Moves to (row, col) and prints text in the current colour.
void PrintRC(int row, int col, std::string_view text);
// Remembers the cursor position.
void SaveCursor();
// Moves the cursor to the remembered position, if one was remembered.
void RestoreCursor();

}  // namespace tarvana
