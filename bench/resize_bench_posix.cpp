// A terminal resized under an open menu of the modern layer, as a user gets
// it: the program runs in a pseudo-terminal whose size alternates between
// 80 x 25 and 120 x 40; each change waits until the menu stands centred on
// the new screen. Beside it, in the same run and taking turns, the floor: a
// program that answers each SIGWINCH with one write of as many bytes. Prints
// the wall time to the new frame, the CPU time per resize (the child's own
// clock) and the bytes per resize, as medians of the turns.
//
// Usage: resize_bench                 (runs both)
//        resize_bench --menu          (the menu program, run by the above)
//        resize_bench --floor BYTES   (the floor program, run by the above)

#include <poll.h>
#include <signal.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "console/session.h"
#include "testing/pty_terminal_posix.h"
#include "ui/menus.h"

namespace tarvana {
namespace {

using test_support::PtyTerminal;

constexpr int kResizes = 40;  // per turn
constexpr int kTurns = 7;
struct Size {
  int cols, rows;
};
constexpr Size kSizes[] = {{120, 40}, {80, 25}};

int Menu() {
  Session session;
  const auto chosen = ui::ShowMenu({{"Open a file", 'O', "Opens a file"},
                                    {"Save it", 'S', "Saves the file"},
                                    {"Quit", 'Q', "Leaves the program"}},
                                   {.title = "Resize me"});
  return chosen ? 0 : 1;
}

volatile sig_atomic_t resized = 0;

int Floor(int bytes) {
  termios raw{};
  tcgetattr(0, &raw);
  cfmakeraw(&raw);
  tcsetattr(0, TCSANOW, &raw);
  struct sigaction sa {};
  sa.sa_handler = [](int) { resized = 1; };
  sigaction(SIGWINCH, &sa, nullptr);  // no SA_RESTART: the poll wakes
  std::string frame = "\x1b[H";
  frame.resize(static_cast<size_t>(std::max(bytes, 3)), 'x');
  const char ready[] = "floor ready";
  if (write(1, ready, sizeof ready - 1) < 0) return 1;
  for (;;) {
    pollfd p{0, POLLIN, 0};
    const int n = poll(&p, 1, -1);
    if (resized) {
      resized = 0;
      if (write(1, frame.data(), frame.size()) < 0) return 1;
    }
    if (n > 0) {
      char in[64];
      const ssize_t got = read(0, in, sizeof in);
      if (got <= 0 || std::memchr(in, 'q', static_cast<size_t>(got))) return 0;
    }
  }
}

double ProcessCpuUs(pid_t pid) {
  clockid_t clock;
  timespec ts{};
  if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &ts) != 0) return -1;
  return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

struct Turn {
  bool ok = false;
  double msToFrame = 0, cpuUs = 0, bytes = 0;
};

// The menu's title row and column on the screen; {0, 0} when absent.
std::pair<int, int> TitleAt(const PtyTerminal& term, int rows) {
  for (int row = 1; row <= rows; ++row) {
    const std::string line = term.Screen().RowText(row);
    if (const size_t at = line.find("Resize me"); at != std::string::npos)
      return {row, static_cast<int>(at)};
  }
  return {0, 0};
}

Turn RunTurn(const std::vector<std::string>& argv, bool menu, int floorBytes) {
  PtyTerminal term(argv, TARVANA_SOURCE_DIR, 80, 25);
  Turn turn;
  if (!term.Started()) return turn;
  if (!term.WaitForText(menu ? "Resize me" : "floor ready", 10000)) return turn;
  term.WaitForIdle();
  std::pair<int, int> at[2] = {{0, 0}, TitleAt(term, 25)};
  std::vector<double> ms;
  const double cpuBefore = ProcessCpuUs(term.Pid());
  const size_t bytesBefore = term.Output().size();
  for (int i = 0; i < kResizes; ++i) {
    const Size size = kSizes[i % 2];
    const size_t before = term.Output().size();
    const auto start = std::chrono::steady_clock::now();
    term.Resize(size.cols, size.rows);
    const bool framed = term.WaitUntil(
        [&] {
          if (!menu) return term.Output().size() >= before + static_cast<size_t>(floorBytes);
          const auto title = TitleAt(term, size.rows);
          // The first visit learns the new place; later ones must find it there.
          return title.first > 0 && (at[i % 2].first == 0 || title == at[i % 2]) &&
                 title != at[1 - i % 2];
        },
        10000);
    if (!framed) return turn;
    if (menu && at[i % 2].first == 0) at[i % 2] = TitleAt(term, size.rows);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  term.Pump(20);
  turn.cpuUs = (ProcessCpuUs(term.Pid()) - cpuBefore) / kResizes;
  turn.bytes = double(term.Output().size() - bytesBefore) / kResizes;
  turn.msToFrame = bench::Median(ms);
  term.SendKeys(menu ? "\r" : "q");
  turn.ok = term.WaitForExit() && term.ExitStatus() == 0;
  return turn;
}

}  // namespace
}  // namespace tarvana

int main(int argc, char** argv) {
  using namespace tarvana;
  if (argc == 2 && std::strcmp(argv[1], "--menu") == 0) return Menu();
  if (argc == 3 && std::strcmp(argv[1], "--floor") == 0) return Floor(std::atoi(argv[2]));
  const std::vector<std::string> menu{bench::SelfPath(), "--menu"};
  std::printf("A box menu of the modern layer, the terminal resized 80x25 <-> 120x40:\n");
  const Turn first = RunTurn(menu, true, 0);
  if (!first.ok) {
    std::printf("  the menu program did not follow the resizes\n");
    return 1;
  }
  const int bytes = static_cast<int>(first.bytes + 0.5);
  const std::vector<std::string> floor{bench::SelfPath(), "--floor", std::to_string(bytes)};
  std::vector<double> menuMs, floorMs, menuCpu, floorCpu;
  bool ok = true;
  for (int t = 0; t < kTurns; ++t) {
    const Turn f = RunTurn(floor, false, bytes), m = RunTurn(menu, true, 0);
    ok = ok && f.ok && m.ok;
    floorMs.push_back(f.msToFrame);
    menuMs.push_back(m.msToFrame);
    floorCpu.push_back(f.cpuUs);
    menuCpu.push_back(m.cpuUs);
  }
  std::printf("  medians of %d turns of %d resizes:\n", kTurns, kResizes);
  std::printf(
      "    floor (one write of %d bytes per SIGWINCH): %6.2f ms to the frame, %7.1f us CPU\n",
      bytes, bench::Median(floorMs), bench::Median(floorCpu));
  std::printf(
      "    menu (put away, screen resized, drawn again): %6.2f ms to the frame, %7.1f us CPU "
      "(goal: within 2 ms of the floor)%s\n",
      bench::Median(menuMs), bench::Median(menuCpu), ok ? "" : "  A RUN FAILED");
  std::printf("  bytes per resize: %.0f (a whole new screen each time)\n", first.bytes);
  return ok ? 0 : 1;
}
