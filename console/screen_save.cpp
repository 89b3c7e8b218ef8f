#include "console/screen_save.h"

#include "console/console.h"
#include "console/console_screen.h"

namespace tarvana {

ScreenSave SaveScreen() {
  std::vector<Cell> cells;
  ReadScreenBlock(cells);
  return ScreenSave(std::move(cells));
}

void RestoreScreen(ScreenSave& save) {
  if (!save.Live()) return;
  WriteScreenBlock(save.Take());
}

void RestoreScreen(ScreenSave&& save) {
  RestoreScreen(save);
}

ScreenSave CopyScreenSave(const ScreenSave& save) {
  return ScreenSave(save.Cells());
}

SaveArea WindowSaveArea(const WindowRec& rec) {
  int top = rec.Top, left = rec.Left, bottom = rec.Bottom, right = rec.Right;
  switch (rec.Shadow) {
    case 1:
      ++bottom, left -= 2;
      break;
    case 2:
      ++bottom, right += 2;
      break;
    case 3:
      --top, left -= 2;
      break;
    case 4:
      --top, right += 2;
      break;
    case 5:
      ++bottom, left -= 1;
      break;
    case 6:
      ++bottom, right += 1;
      break;
    case 7:
      --top, left -= 1;
      break;
    case 8:
      --top, right += 1;
      break;
    default:
      break;
  }
  return {top, left, bottom - top + 1, right - left + 1};
}

ScreenSave SaveWindowArea(const WindowRec& rec) {
  const SaveArea a = WindowSaveArea(rec);
  std::vector<Cell> cells;
  ReadScreenRect(cells, a.top, a.left, a.rows, a.cols);
  return ScreenSave(std::move(cells));
}

void RestoreWindowArea(const WindowRec& rec, ScreenSave& save) {
  if (!save.Live()) return;
  const SaveArea a = WindowSaveArea(rec);
  WriteScreenRect(save.Take(), a.top, a.left, a.rows, a.cols);
}

void RestoreWindowArea(const WindowRec& rec, ScreenSave&& save) {
  RestoreWindowArea(rec, save);
}

void RecolorRun(int row, int col, int count, ColorAttr attr) {
  if (count <= 0) return;
  ConsoleScreenForWriting().Recolor(row, col, count, attr);
}

}  // namespace tarvana
