#pragma once
// A progress gauge the program keeps on the screen while it works: a box
// with a text and a bar, updated as the work goes on and shown at once, with
// Esc noticed without waiting for it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/cell_string.h"
#include "ui/popup.h"
#include "ui/scheme.h"

namespace tarvana::ui {

struct ProgressOptions {
  std::string title{};
  // Interior columns; 0 fits the text, at least 40, as far as the screen allows.
  int width = 0;
  // The window's top-left corner (1-based), 0 centres.
  int row = 0;
  int col = 0;
  Scheme scheme = schemes::kBlue;
};

class Progress {
 public:
  // Shows the gauge at 0 %: the text's lines ('\n' starts one), a blank row
  // and the bar with the percentage. Throws std::invalid_argument naming the
  // argument when the box does not fit on the screen.
  explicit Progress(std::string_view text, const ProgressOptions& options = {});
  Progress(const Progress&) = delete;
  Progress& operator=(const Progress&) = delete;
  // Puts back the screen under the gauge.
  ~Progress() = default;

  // Sets the part done, 0 to 1 (outside that range, or not a number, is held
  // to it), and shows it; nothing is drawn when the bar and the percentage
  // stay as they are.
  void Update(double done);
  // The same with a new text; lines past the box's are left out, each cut at
  // its frame.
  void Update(double done, std::string_view text);
  // True once Esc has been pressed while the gauge is open; never waits.
  // Other keys are read and dropped.
  bool Cancelled();

 private:
  Progress(const std::vector<CellString>& lines, const ProgressOptions& options);
  void DrawText(const std::vector<CellString>& lines);
  void DrawBar();

  std::size_t lines_;
  Popup popup_;
  int filled_ = -1;  // bar cells drawn full, -1 before the first draw
  int percent_ = -1;
  double done_ = 0;
  bool cancelled_ = false;
};

}  // namespace tarvana::ui
