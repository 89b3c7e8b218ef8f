#include "tools/dialog.h"

#include <algorithm>
#include <span>
#include <vector>

#include "console/console.h"
#include "console/input_event.h"
#include "console/text_input.h"
#include "runtime/cp437_case.h"
#include "tools/dialog_cells.h"
#include "window/screen_cells.h"
#include "window/window.h"

namespace tarvana {
namespace {

// Integer division rounding down, also for negative numerators.
int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// Held to 1000 cells: no box is wider than 255 columns anyway.
int LongestLine(std::span<const CellString> lines) {
  int m = 0;
  for (const CellString& line : lines)
    m = std::max(m, line.Width());
  return std::min(m, 1000);
}

std::vector<CellString> LineCells(const BasedArray<std::string>& lines) {
  std::vector<CellString> cells;
  cells.reserve(static_cast<std::size_t>(lines.Count()));
  for (const std::string& line : lines)
    cells.push_back(CellString::FromCp437(line));
  return cells;
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
auto RunDialog(std::span<const CellString> lines, const WindowRec& rec, const CellString& title,
               Answer answer) {
  ScreenSave save;
  int row = 0, col = 0;
  DrawDialogCells(lines, rec, title, save, row, col);
  if (!save.Live()) return decltype(answer(row, col)){};
  auto result = answer(row, col);
  RestoreScreen(save);
  return result;
}

}  // namespace

void DrawDialog(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                ScreenSave& save, int& row, int& col) {
  DrawDialogCells(LineCells(lines), rec, CellString::FromCp437(title), save, row, col);
}

void DrawDialogCells(std::span<const CellString> lines, WindowRec rec, const CellString& title,
                     ScreenSave& save, int& row, int& col) {
  const int n = static_cast<int>(std::min<std::size_t>(lines.size(), 1000000));
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
    const CellString& line = lines[static_cast<std::size_t>(k)];
    if (line.Empty()) continue;
    internal::PrintClipped(rec.Top + 2 + k, rec.Left + 2 + FloorDiv(m - line.Width(), 2), line);
  }
}

KeyCode DialogWait(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title) {
  return DialogWaitCells(LineCells(lines), rec, CellString::FromCp437(title));
}

KeyCode DialogWaitCells(std::span<const CellString> lines, const WindowRec& rec,
                        const CellString& title) {
  return RunDialog(lines, rec, title, [](int, int) { return WaitKey(); });
}

int DialogLetterChoice(std::span<const CellString> lines, const WindowRec& rec,
                       const CellString& title, std::span<const char32_t> foldedLetters) {
  TextInputScope typing;
  return RunDialog(lines, rec, title, [&](int, int) {
    for (;;) {
      const InputEvent event = WaitKeyEvent();
      if (event.key == "\x1b") return 0;
      const char32_t typed = FoldedTypedChar(event);
      for (std::size_t i = 0; i < foldedLetters.size(); ++i)
        if (typed != 0 && foldedLetters[i] == typed) return static_cast<int>(i) + 1;
    }
  });
}

int DialogChoice(const BasedArray<std::string>& lines, WindowRec rec, std::string_view title,
                 const BasedArray<std::string>& choices) {
  if (choices.Empty()) return 0;
  return RunDialog(LineCells(lines), rec, CellString::FromCp437(title), [&](int, int) {
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
  return RunDialog(LineCells(lines), rec, CellString::FromCp437(title), [&](int row, int col) {
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
