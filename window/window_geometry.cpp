#include "console/console.h"
#include "window/window.h"

namespace tarvana {

bool WindowHasInterior(const WindowRec& rec) {
  return rec.Top + 2 <= rec.Bottom && rec.Left + 2 <= rec.Right;
}

bool WindowOnScreen(const WindowRec& rec) {
  return WindowHasInterior(rec) && rec.Top >= 1 && rec.Left >= 1 && rec.Bottom <= ScreenHeight() &&
         rec.Right <= ScreenWidth();
}

}  // namespace tarvana
