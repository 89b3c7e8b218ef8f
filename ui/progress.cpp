#include "ui/progress.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "console/console.h"
#include "ui/placement.h"
#include "ui/showing.h"

namespace tarvana::ui {
namespace {

constexpr int kMinimumWidth = 40;
constexpr int kPercentCells = 5;  // " 100%"

int GaugeWidth(const std::vector<CellString>& lines, const ProgressOptions& options) {
  if (options.width > 0) return options.width;
  return std::min(std::max(internal::Widest(lines), kMinimumWidth), std::max(ScreenWidth() - 2, 1));
}

}  // namespace

Progress::Progress(std::string_view text, const ProgressOptions& options)
    : Progress(internal::Lines(text), options) {}

Progress::Progress(const std::vector<CellString>& lines, const ProgressOptions& options)
    : lines_(lines.size()),
      popup_(static_cast<int>(lines_) + 2, GaugeWidth(lines, options), options.title,
             options.scheme, options.row, options.col) {
  const Batch batch;
  DrawText(lines);
  DrawBar();
}

void Progress::Update(double done) {
  done_ = std::isnan(done) ? 0 : std::clamp(done, 0.0, 1.0);
  DrawBar();
}

void Progress::Update(double done, std::string_view text) {
  const Batch batch;
  DrawText(internal::Lines(text));
  Update(done);
}

bool Progress::Cancelled() {
  for (InputEvent event = PollEvent(); event.kind != InputEvent::Kind::kNone; event = PollEvent())
    if (event.kind == InputEvent::Kind::kKey && event.key == KeyCode(1, '\x1b')) cancelled_ = true;
  return cancelled_;
}

void Progress::DrawText(const std::vector<CellString>& lines) {
  const Batch batch;
  for (std::size_t i = 0; i < lines_; ++i) {
    const CellString line = i < lines.size() ? lines[i] : CellString();
    popup_.Print(static_cast<int>(i), 0, line.Padded(popup_.Cols()).ToUtf8());
  }
}

void Progress::DrawBar() {
  const int cells = std::max(popup_.Cols() - kPercentCells, 1);
  const int filled = static_cast<int>(std::floor(done_ * cells));
  const int percent = static_cast<int>(std::floor(done_ * 100));
  if (filled == filled_ && percent == percent_) return;
  filled_ = filled;
  percent_ = percent;
  std::string bar;
  for (int i = 0; i < cells; ++i)
    bar += i < filled ? "\u2588" : "\u2591";
  const std::string number = std::to_string(percent) + "%";
  bar += std::string(static_cast<std::size_t>(kPercentCells) - number.size(), ' ') + number;
  popup_.Print(static_cast<int>(lines_) + 1, 0, bar);
}

}  // namespace tarvana::ui
