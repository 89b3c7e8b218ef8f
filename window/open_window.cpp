#include "window/window.h"

namespace tarvana {

void OpenWindow(const WindowRec& rec, std::string_view title, ScreenSave& save) {
  OpenWindow(rec, CellString::FromCp437(title), save);
}

void OpenWindow(const WindowRec& rec, const CellString& title, ScreenSave& save) {
  save = SaveScreen();
  if (!WindowHasInterior(rec)) return;
  DrawFrame(rec, title);
  ClearBox(rec.Top + 1, rec.Left + 1, rec.Bottom - 1, rec.Right - 1, rec.FillColor);
  DrawShadow(rec);
}

void OpenWindowArea(const WindowRec& rec, std::string_view title, ScreenSave& save) {
  OpenWindowArea(rec, CellString::FromCp437(title), save);
}

void OpenWindowArea(const WindowRec& rec, const CellString& title, ScreenSave& save) {
  save = SaveWindowArea(rec);
  if (!WindowHasInterior(rec)) return;
  DrawFrame(rec, title);
  DrawShadow(rec);
  ClearBox(rec.Top + 1, rec.Left + 1, rec.Bottom - 1, rec.Right - 1, rec.FillColor);
}

}  // namespace tarvana
