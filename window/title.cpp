#include "window/title.h"

#include <string>

#include "console/console.h"
#include "window/screen_cells.h"

namespace tarvana::internal {
namespace {

// A title longer than the room is cut to it; a negative room (a window too
// narrow for any title) leaves it whole.
CellString CutToRoom(const CellString& title, int room) {
  return room >= 0 && title.Width() > room ? title.Cut(room) : title;
}

// Positions 1-6: on the top or bottom line, with a blank on each side.
void DrawHorizontalTitle(const WindowRec& rec, const CellString& title) {
  const int pos = rec.TitlePos;
  const bool besideMarker = rec.CloseBox != 0 && pos <= 3;
  const int room = rec.Right - rec.Left - 5 - (besideMarker ? 4 : 0);
  CellString text = CellString::FromCp437(" ");
  text.Append(CutToRoom(title, room));
  text.AppendSpaces(1);
  const int length = text.Width();
  const int width = rec.Right - rec.Left + 1;
  int col = rec.Left + 1;
  if (pos == 2 || pos == 5) col = rec.Left + (width - length) / 2;
  if (pos == 3 || pos == 6) col = rec.Right - length;
  // The title starts just after the marker's brackets, over its line character.
  if (besideMarker && col <= rec.Left + 2) col = rec.Left + 3;
  PrintClipped(pos <= 3 ? rec.Top : rec.Bottom, col, text);
}

// Positions 7 and 8: down the left or right line, centred on the interior,
// a cluster a row; a wide cluster, which has no room there, as its stand-in.
void DrawVerticalTitle(const WindowRec& rec, const CellString& title) {
  CellString column;
  for (const Cell& cell : title.Cells()) {
    if (cell.flags & cell_flag::kContinuation) continue;
    column.Append(cell.flags & cell_flag::kWideFirst
                      ? CellString::FromCp437(std::string(1, static_cast<char>(cell.ch)))
                      : CellString::FromCells({&cell, 1}));
  }
  const int height = rec.Bottom - rec.Top - 1;
  const CellString text = CutToRoom(column, height);
  const int first = rec.Top + 1 + (height - text.Width()) / 2;
  const int col = rec.TitlePos == 7 ? rec.Left : rec.Right;
  for (int i = 0; i < text.Width(); ++i)
    PrintClipped(first + i, col, text.Slice(i, 1));
}

}  // namespace

void DrawTitle(const WindowRec& rec, std::string_view title) {
  DrawTitle(rec, CellString::FromCp437(title));
}

void DrawTitle(const WindowRec& rec, const CellString& title) {
  if (rec.TitlePos == 0) return;
  UseColor(rec.TitleColor);
  if (rec.TitlePos <= 6) {
    DrawHorizontalTitle(rec, title);
  } else if (rec.TitlePos <= 8) {
    DrawVerticalTitle(rec, title);
  }
}

}  // namespace tarvana::internal
