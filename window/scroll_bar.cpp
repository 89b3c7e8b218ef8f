#include <algorithm>

#include "console/console.h"
#include "window/screen_cells.h"
#include "window/window.h"

namespace tarvana {
namespace {

using internal::PrintRun;

constexpr char kTrack = '\xB1';
constexpr char kThumb = '\xDB';

// Worked as floor((20 n current - total) / (20 total)) in 128 bits so that no
// 64-bit position overflows or loses precision. n may exceed an int: a bar
// from a very negative row to a very large one.
std::int64_t ThumbOffset(std::int64_t n, std::int64_t current, std::int64_t total) {
  if (n < 1) return 0;
  if (total <= 0) return 0;
  // Outside 0 .. total the result lies beyond either end and is clamped anyway.
  current = std::clamp<std::int64_t>(current, 0, total);
  const __int128 numerator = static_cast<__int128>(20) * n * current - total;
  const __int128 denominator = static_cast<__int128>(20) * total;
  __int128 offset = numerator / denominator;
  if (numerator % denominator != 0 && numerator < 0) --offset;
  return static_cast<std::int64_t>(std::clamp<__int128>(offset, 0, n - 1));
}

// The thumb's row or column on a bar from first to last (first <= last);
// between them, so always an int.
int ThumbAt(int first, int last, std::int64_t current, std::int64_t total) {
  const std::int64_t n = std::int64_t{last} - first + 1;
  return static_cast<int>(first + ThumbOffset(n, current, total));
}

}  // namespace

int ScrollBarThumb(int n, std::int64_t current, std::int64_t total) {
  return static_cast<int>(ThumbOffset(n, current, total));
}

// The first and last shown positions and the flag are taken for the callers'
// sake; they do not change the drawing.
void DrawScrollBar(int col, int top, int bottom, std::int64_t, std::int64_t, std::int64_t current,
                   std::int64_t total, int, ColorAttr trackColor, ColorAttr thumbColor) {
  if (bottom < top) return;
  UseColor(trackColor);
  for (int row = std::max(top, 1); row <= std::min(bottom, ScreenHeight()); ++row)
    PrintRun(row, col, kTrack, 1);
  UseColor(thumbColor);
  PrintRun(ThumbAt(top, bottom, current, total), col, kThumb, 1);
}

void DrawHScrollBar(int row, int left, int right, std::int64_t, std::int64_t, std::int64_t current,
                    std::int64_t total, int, ColorAttr trackColor, ColorAttr thumbColor) {
  if (right < left) return;
  UseColor(trackColor);
  PrintRun(row, left, kTrack, static_cast<long long>(right) - left + 1);
  UseColor(thumbColor);
  PrintRun(row, ThumbAt(left, right, current, total), kThumb, 1);
  // The cursor ends at the start of the next row; a bar on the bottom row
  // leaves it at the start of that row instead of scrolling the screen away.
  if (row >= 1 && row <= ScreenHeight()) Locate(std::min(row + 1, ScreenHeight()), 1);
}

}  // namespace tarvana
