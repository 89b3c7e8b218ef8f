// What the demonstration's two busiest screens cost on a terminal: the main
// menu's highlight bar moving down, and the moving box taking one step. Each
// frame is rendered as the terminal backend renders it; the table shows bytes
// written and CPU time per frame beside the cells that actually changed.
// Run with `make bench`.

#include <time.h>

#include <cstdio>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/headless.h"
#include "console/terminal/terminal_renderer.h"
#include "demo/screens.h"
#include "menu/box_menu.h"

namespace tarvana {
namespace {

double ProcessCpuUs() {
  timespec ts;
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

// A headless console that renders every frame it is shown and hands over
// its queued input one record at a time, as typed keys arrive, so that each
// key is read by a program waiting for it.
class MeasuringConsole : public HeadlessConsole {
 public:
  MeasuringConsole() : HeadlessConsole(80, 25) {}

  void Present(const Screen& screen) override {
    screen_ = &screen;
    Frame();
  }
  void ReadInput(std::deque<InputRecord>& queue, int timeoutMs) override {
    if (typed_.empty()) HeadlessConsole::ReadInput(typed_, timeoutMs);
    if (typed_.empty()) return;
    queue.push_back(typed_.front());
    typed_.pop_front();
  }
  // Starts counting from the next frame on.
  void StartCounting() { frames = bytes = changed = 0; }

  long frames = 0, bytes = 0, changed = 0;

 private:
  void Frame() {
    std::string out;
    renderer_.Render(*screen_, 80, 25, out);
    const std::vector<Cell>& cells = screen_->Cells();
    if (last_.size() == cells.size()) {
      for (size_t i = 0; i < cells.size(); ++i)
        changed += !(cells[i] == last_[i]);
      ++frames;
      bytes += static_cast<long>(out.size());
    }
    last_ = cells;
  }

  const Screen* screen_ = nullptr;
  TerminalRenderer renderer_;
  std::vector<Cell> last_;
  std::deque<InputRecord> typed_;  // queued, not yet handed over
};

void Report(const char* what, const MeasuringConsole& c, double cpuUs) {
  std::printf(
      "%-34s %6ld frames  %7.1f bytes/frame  %6.1f cells changed/frame  %6.2f us CPU/frame\n", what,
      c.frames, double(c.bytes) / c.frames, double(c.changed) / c.frames, cpuUs / c.frames);
}

void MainMenuBar() {
  auto backend = std::make_unique<MeasuringConsole>();
  MeasuringConsole& c = *backend;
  InstallConsoleBackend(std::move(backend));
  BasedArray<std::string> items(
      1, {"Bar Menu", "Box Menu", "Calendars", "Conversion Tools", "Data Entry", "Date Tools",
          "Dialog Boxes", "Directory Pick List", "File Viewer", "Internal Tools",
          "Multi-Pick Pick List", "Pick List", "Screen Tools", "Windowing Tools"});
  BasedArray<std::uint8_t> hot(1, {2, 1, 1, 3, 6, 1, 6, 16, 6, 1, 1, 1, 1, 1});
  BasedArray<std::string> help(1, 14);
  for (int i = 1; i <= 14; ++i)
    help[i] = "Help line for " + items[i];
  BasedArray<std::uint8_t> disabled(1, 14);
  WindowRec window{2, 28, 0, 0, 3, 2, 0, 2, 7, 31, 30, 27};
  SetColor(0, 7);
  ClearScreen();
  Pause(0);
  for (int i = 0; i < 1000; ++i)
    c.QueueKeys("Down");
  c.QueueKeys("Esc");
  std::uint8_t choice = 1;
  // The first frame after the menu opens draws the box; count the moves only.
  c.StartCounting();
  const double start = ProcessCpuUs();
  BoxMenu(items, hot, help, disabled, choice, window, "Demo Main Menu", 25, 30, 16, 127, 113);
  const double cpu = ProcessCpuUs() - start;
  c.frames -= 1;  // the opening frame
  Report("main menu: highlight moves down", c, cpu);
}

void MovingBox() {
  auto backend = std::make_unique<MeasuringConsole>();
  MeasuringConsole& c = *backend;
  InstallConsoleBackend(std::move(backend));
  c.QueueKeys("Space");  // removes the sample windows
  c.SetPollLimit(1000);  // a thousand steps, then the empty queue ends the walk
  c.StartCounting();
  const double start = ProcessCpuUs();
  try {
    demo::RunWindowingDemo();
  } catch (const HeadlessInputExhausted&) {
  }
  const double cpu = ProcessCpuUs() - start;
  Report("windowing: moving box steps", c, cpu);
}

}  // namespace
}  // namespace tarvana

int main() {
  tarvana::MainMenuBar();
  tarvana::MovingBox();
  return 0;
}
