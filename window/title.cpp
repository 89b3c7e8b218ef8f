#include "window/title.h"
#include "console/console.h"

#include <string>

#include "window/screen_cells.h"

namespace tarvana::internal {
namespace {

// A title longer than the room is cut to it; a negative room (a window too
// narrow for any title) leaves it whole.
std::string_view CutToRoom(std::string_view title, int room) {
  if (room >= 0 && static_cast<int>(title.size()) > room) title = title.substr(0, room);
  return title;
}

// Positions 1-6: on the top or bottom line, with a blank on each side.
void DrawHorizontalTitle(const WindowRec& rec, std::string_view title) {
  const int pos = rec.TitlePos;
  const bool besideMarker = rec.CloseBox != 0 && pos <= 3;
  const int room = rec.Right - rec.Left - 5 - (besideMarker ? 4 : 0);
  const std::string text = " " + std::string(CutToRoom(title, room)) + " ";
  const int length = static_cast<int>(text.size());
  const int width = rec.Right - rec.Left + 1;
  int col = rec.Left + 1;
  if (pos == 2 || pos == 5) col = rec.Left + (width - length) / 2;
  if (pos == 3 || pos == 6) col = rec.Right - length;
  // The title starts just after the marker's brackets, over its line character.
  if (besideMarker && col <= rec.Left + 2) col = rec.Left + 3;
  PrintClipped(pos <= 3 ? rec.Top : rec.Bottom, col, text);
}

// Positions 7 and 8: down the left or right line, centred on the interior.
void DrawVerticalTitle(const WindowRec& rec, std::string_view title) {
  const int height = rec.Bottom - rec.Top - 1;
  const std::string_view text = CutToRoom(title, height);
  const int first = rec.Top + 1 + (height - static_cast<int>(text.size())) / 2;
  const int col = rec.TitlePos == 7 ? rec.Left : rec.Right;
  for (size_t i = 0; i < text.size(); ++i)
    PrintClipped(first + static_cast<int>(i), col, text.substr(i, 1));
}

}  // namespace

void DrawTitle(const WindowRec& rec, std::string_view title) {
  if (rec.TitlePos == 0) return;
  UseColor(rec.TitleColor);
  if (rec.TitlePos <= 6) {
    DrawHorizontalTitle(rec, title);
  } else if (rec.TitlePos <= 8) {
    DrawVerticalTitle(rec, title);
  }
}

}  // namespace tarvana::internal
