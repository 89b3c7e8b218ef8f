#pragma once
// UTF-8 text on the console's screen: any Unicode text, a grapheme cluster
// per cell (two cells for a wide one), beside the code page 437 routines,
// which see each such cell as the byte that best stands for it.

#include <string>
#include <string_view>

#include "console/cell_string.h"
#include "runtime/unicode/text_width.h"  // TextWidth, CutToWidth, PadToWidth

namespace tarvana {

// Prints UTF-8 text at the cursor in the current colour, wrapping and
// scrolling as PrintText does: ill-formed bytes show U+FFFD, control bytes
// their code page 437 glyphs, bidirectional controls nothing; a wide cluster
// that would start in the last column starts the next row.
void PrintUtf8(std::string_view utf8);
// Prints cells at the cursor in the current colour, as PrintUtf8 does; the
// cells of CellString::FromCp437(text) as PrintText(text) does.
void PrintCells(const CellString& cells);
// The text of one cell as UTF-8: the glyph of a code page 437 cell, the
// cluster of a text cell, "" for the second half of a wide cluster or a cell
// outside the screen.
std::string ReadCellText(int row, int col);

}  // namespace tarvana
