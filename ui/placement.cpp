#include "ui/placement.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "console/console.h"
#include "console/unicode_text.h"
#include "runtime/unicode/grapheme.h"

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

std::vector<std::string> WrapLines(std::string_view text, int width) {
  std::vector<std::string> lines(1);
  for (std::size_t start = 0;;) {
    const std::size_t end = std::min(text.find_first_of(" \n", start), text.size());
    for (std::string_view word = text.substr(start, end - start); !word.empty();) {
      std::string& line = lines.back();
      if (line.empty() && TextWidth(word) > width) {
        std::string_view part = CutToWidth(word, width);
        if (part.empty()) part = word.substr(0, NextClusterEnd(word, 0));  // wider than a line
        line = part;
        word.remove_prefix(part.size());
        lines.emplace_back();
      } else if (line.empty() || TextWidth(line) + 1 + TextWidth(word) <= width) {
        line += (line.empty() ? "" : " ") + std::string(word);
        break;
      } else {
        lines.emplace_back();
      }
    }
    if (end == text.size()) break;
    if (text[end] == '\n') lines.emplace_back();
    start = end + 1;
  }
  if (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  return lines;
}

int Widest(std::span<const CellString> texts) {
  int widest = 0;
  for (const CellString& t : texts)
    widest = std::max(widest, t.Width());
  return widest;
}

}  // namespace tarvana::ui::internal
