#include "tools/dialog.h"

#include <algorithm>

#include "console/console.h"
#include "runtime/cp437_case.h"
#include "window/window.h"

namespace tarvana {
namespace {

// Integer division rounding down, also for negative numerators.
int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

int LongestLine(const BasedArray<std::string>& lines) {
  int m = 0;
  for (const std::string& line : lines)
    m = std::max<int>(m, line.size());
  return m;
}

// A closed dialog: draws the box, waits through `answer` and closes the box.
template <class Answer>
auto RunDialog(const BasedArray<std::string>& lines, const WindowRec& rec, std::string_view title,
               Answer answer) {
  ScreenSave save;
  int row = 0, col = 0;
  DrawDialog(lines, rec, title, save, row, col);
  auto result = answer(row, col);
  RestoreScreen(save);
  return result;
}

}  // namespace

void DrawDialog(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                ScreenSave& save, int& row, int& col) {
  const int n = lines.Count();
  const int m = LongestLine(lines);
  if (rec.Top == 0) {
    rec.Top = static_cast<std::uint8_t>(FloorDiv(25 - (n + 3), 2));
    rec.Left = static_cast<std::uint8_t>(FloorDiv(80 - m, 2));
    rec.Bottom = static_cast<std::uint8_t>(rec.Top + n + 3);
    rec.Right = static_cast<std::uint8_t>(rec.Left + m + 3);
  }
  row = rec.Top;
  col = rec.Left + 2;
  OpenWindow(rec, title, save);
  UseColor(rec.FillColor);
  for (int k = 0; k < n; ++k) {
    const std::string& line = lines[lines.LBound() + k];
    if (line.empty()) continue;
    Locate(rec.Top + 2 + k, rec.Left + 2 + FloorDiv(m - static_cast<int>(line.size()), 2));
    PrintText(line);
  }
}

KeyCode DialogWait(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title) {
  return RunDialog(lines, rec, title, [](int, int) { return WaitKey(); });
}

int DialogChoice(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                 const BasedArray<std::string>& choices) {
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
      const KeyCode key = WaitKey();
      if (!IsMouseKey(key)) return key;
      if (MouseEvent(key) != mouse::kReleased) continue;
      if (MouseButton(key) == mouse::kRight) return ExtendedKey(2);
      if (MouseButton(key) != mouse::kLeft) continue;
      if (clickOnly == 0 || (MouseRow() == row && MouseCol() == col)) return ExtendedKey(1);
    }
  });
}

}  // namespace tarvana
