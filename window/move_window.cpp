#include <cstdint>

#include "window/window.h"

namespace tarvana {

void MoveWindow(WindowRec& rec, int direction, int distance, ScreenSave& save) {
  ScreenSave picture = SaveWindowArea(rec);
  RestoreScreen(save);
  // Coordinates are bytes, so the offset only matters modulo 256.
  const auto step = static_cast<std::uint8_t>(distance);
  const auto shift = [step](std::uint8_t& a, std::uint8_t& b, bool forward) {
    a = static_cast<std::uint8_t>(forward ? a + step : a - step);
    b = static_cast<std::uint8_t>(forward ? b + step : b - step);
  };
  switch (direction) {
    case 0:
      shift(rec.Left, rec.Right, false);
      break;
    case 1:
      shift(rec.Left, rec.Right, true);
      break;
    case 2:
      shift(rec.Top, rec.Bottom, false);
      break;
    case 3:
      shift(rec.Top, rec.Bottom, true);
      break;
    default:
      break;
  }
  RestoreWindowArea(rec, picture);
}

}  // namespace tarvana
