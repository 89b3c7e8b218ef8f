#include "ui/placement.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "console/console.h"

namespace tarvana::ui::internal {

WindowRec PlaceWindow(const Scheme& scheme, int row, int col, std::size_t rows, std::size_t cols,
                      std::string_view what, std::string_view title) {
  const std::int64_t height = ScreenHeight(), width = ScreenWidth();
  const std::int64_t r = static_cast<std::int64_t>(rows), c = static_cast<std::int64_t>(cols);
  const std::int64_t top = row > 0 ? row : std::max<std::int64_t>(1, (height - r) / 2 + 1);
  const std::int64_t left = col > 0 ? col : std::max<std::int64_t>(1, (width - c) / 2 + 1);
  const std::int64_t bottom = top + r - 1, right = left + c - 1;
  if (row < 0 || col < 0 || bottom > std::min<std::int64_t>(height, 255) ||
      right > std::min<std::int64_t>(width, 255))
    Refuse(what, "a window of " + std::to_string(rows) + " rows by " + std::to_string(cols) +
                     " columns at row " + std::to_string(row) + ", column " + std::to_string(col) +
                     " does not fit on a screen of " + std::to_string(height) + " by " +
                     std::to_string(width));
  WindowRec w;
  w.Top = static_cast<std::uint8_t>(top);
  w.Left = static_cast<std::uint8_t>(left);
  w.Bottom = static_cast<std::uint8_t>(bottom);
  w.Right = static_cast<std::uint8_t>(right);
  w.Frame = scheme.frameStyle;
  w.TitlePos = title.empty() ? 0 : 2;
  w.Shadow = scheme.shadowType;
  w.ShadowColor = scheme.shadow;
  w.FillColor = scheme.text;
  w.FrameColor = scheme.frame;
  w.TitleColor = scheme.title;
  return w;
}

int FitCorner(int corner, int extent, int screen) {
  if (corner <= 0) return corner;
  return std::max(1, std::min(corner, screen - extent + 1));
}

void Refuse(std::string_view routine, const std::string& message) {
  throw std::invalid_argument(std::string(routine) + ": " + message);
}

std::vector<CellString> Lines(std::string_view text) {
  std::vector<CellString> lines;
  for (;;) {
    const std::size_t end = text.find('\n');
    lines.push_back(CellString::FromUtf8(text.substr(0, end)));
    if (end == std::string_view::npos) return lines;
    text.remove_prefix(end + 1);
  }
}

int Widest(std::span<const CellString> texts) {
  int widest = 0;
  for (const CellString& t : texts)
    widest = std::max(widest, t.Width());
  return widest;
}

}  // namespace tarvana::ui::internal
