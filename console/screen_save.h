#pragma once
// Saved blocks of screen cells, on which every pop-up rests, and the recolouring
// of a run of cells that menus and lists use for their highlight bars.

#include <vector>

#include "console/types.h"

namespace tarvana {

// A saved block of cells. It holds no geometry: the restore that consumes it
// decides where the cells go. Move-only; a restore empties it, and dropping an
// unrestored save releases it.
class ScreenSave {
 public:
  ScreenSave() = default;
  explicit ScreenSave(std::vector<Cell> cells) : cells_(std::move(cells)), live_(true) {}
  ScreenSave(ScreenSave&& other) noexcept { *this = std::move(other); }
  ScreenSave& operator=(ScreenSave&& other) noexcept {
    cells_ = std::move(other.cells_);
    live_ = other.live_;
    other.cells_.clear();
    other.live_ = false;
    return *this;
  }
  ScreenSave(const ScreenSave&) = delete;
  ScreenSave& operator=(const ScreenSave&) = delete;

  // False once restored (or when never saved).
  bool Live() const { return live_; }
  const std::vector<Cell>& Cells() const { return cells_; }
  // Hands the cells over and leaves the handle dead.
  std::vector<Cell> Take() {
    live_ = false;
    return std::move(cells_);
  }

 private:
  std::vector<Cell> cells_;
  bool live_ = false;
};

// A new save of the whole screen.
ScreenSave SaveScreen();
// Writes a whole-screen save back and releases it; a dead handle does nothing.
void RestoreScreen(ScreenSave& save);
void RestoreScreen(ScreenSave&& save);
// A new whole-screen save holding the same cells; the source stays valid.
ScreenSave CopyScreenSave(const ScreenSave& save);

// The rectangle a window-area save covers: the window plus the margin on its
// shadow side.
struct SaveArea {
  int top, left, rows, cols;
};
SaveArea WindowSaveArea(const WindowRec& rec);
// A new save of the window's rectangle and shadow margin.
ScreenSave SaveWindowArea(const WindowRec& rec);
// Writes the save at the rectangle rec gives now, then releases it.
void RestoreWindowArea(const WindowRec& rec, ScreenSave& save);
void RestoreWindowArea(const WindowRec& rec, ScreenSave&& save);

// Gives count cells from (row, col) onwards, in screen order, the colour attr;
// their characters stay. count <= 0 changes nothing.
void RecolorRun(int row, int col, int count, ColorAttr attr);

}  // namespace tarvana
