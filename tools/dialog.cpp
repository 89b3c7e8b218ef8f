#include "tools/dialog.h"

#include <algorithm>

#include "console/console.h"
#include "console/input_event.h"
#include "runtime/cp437_case.h"
#include "window/screen_cells.h"
#include "window/window.h"

namespace tarvana {
namespace {

// Integer division rounding down, also for negative numerators.
int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Held to 1000 characters: no box is wider than 255 columns anyway.
int LongestLine(const BasedArray<std::string>& lines) {
  std::size_t m = 0;
  for (const std::string& line : lines)
    m = std::max(m, line.size());
  return static_cast<int>(std::min<std::size_t>(m, 1000));
}

// Automatic placement on the 80 by 25 screen; false when a corner would fall
// outside rows and columns 1 to 255 (from 21 lines on, the top frame is off
// the screen).
bool PlaceAutomatically(int n, int m, WindowRec& rec) {
  const int top = FloorDiv(25 - (n + 3), 2), left = FloorDiv(80 - m, 2);
  const int bottom = top + n + 3, right = left + m + 3;
  if (top < 1 || left < 1 || bottom > 255 || right > 255) return false;
  rec.Top = static_cast<std::uint8_t>(top);
  rec.Left = static_cast<std::uint8_t>(left);
  rec.Bottom = static_cast<std::uint8_t>(bottom);
  rec.Right = static_cast<std::uint8_t>(right);
  return true;
}

// A closed dialog: draws the box, waits through `answer` and closes the box.
// A box that was not drawn waits for nothing and gives the empty answer.
template <class Answer>
auto RunDialog(const BasedArray<std::string>& lines, const WindowRec& rec, std::string_view title,
               Answer answer) {
  ScreenSave save;
  int row = 0, col = 0;
  DrawDialog(lines, rec, title, save, row, col);
  if (!save.Live()) return decltype(answer(row, col)){};
  auto result = answer(row, col);
  RestoreScreen(save);
  return result;
}

}  // namespace

void DrawDialog(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                ScreenSave& save, int& row, int& col) {
  const int n = lines.Count();
  const int m = LongestLine(lines);
  if ((rec.Top == 0 && !PlaceAutomatically(n, m, rec)) || !WindowOnScreen(rec)) {
    save = ScreenSave();
    row = col = 0;
    return;
  }
  row = rec.Top;
  col = rec.Left + 2;
  OpenWindow(rec, title, save);
  UseColor(rec.FillColor);
  // Lines wider or more than the caller's box runs past its frame, but never
  // off the screen's edge.
  for (int k = 0; k < n; ++k) {
    const std::string& line = lines[lines.LBound() + k];
    if (line.empty()) continue;
    internal::PrintClipped(rec.Top + 2 + k,
                           rec.Left + 2 + FloorDiv(m - static_cast<int>(line.size()), 2), line);
  }
}

KeyCode DialogWait(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title) {
  return RunDialog(lines, rec, title, [](int, int) { return WaitKey(); });
}

int DialogChoice(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                 const BasedArray<std::string>& choices) {
  if (choices.Empty()) return 0;
  return RunDialog(lines, rec, title, [&](int, int) {
    for (;;) {
      const KeyCode key = WaitKey();
      for (int i = choices.LBound(); i <= choices.UBound(); ++i)
        if (choices[i] == key) return i - choices.LBound() + 1;
      if (key.size() != 1) continue;
      for (int i = choices.LBound(); i <= choices.UBound(); ++i)
        if (UpperText(choices[i]) == UpperText(key)) return i - choices.LBound() + 1;
    }
  });
}

KeyCode DialogBox(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                  int clickOnly) {
  return RunDialog(lines, rec, title, [&](int row, int col) {
    for (;;) {
      const InputEvent event = WaitKeyEvent();
      const KeyCode& key = event.key;
      if (!IsMouseKey(key)) return key;
      if (MouseEvent(key) != mouse::kReleased) continue;
      if (MouseButton(key) == mouse::kRight) return ExtendedKey(2);
      if (MouseButton(key) != mouse::kLeft) continue;
      if (clickOnly == 0 || (event.row == row && event.col == col)) return ExtendedKey(1);
    }
  });
}

}  // namespace tarvana
