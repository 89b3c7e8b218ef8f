// A highlight move in the demonstration's main menu as a terminal user gets
// it: the program runs in a pseudo-terminal and gets Down keys one at a
// time, each sent once the frame of the one before has arrived. Beside it,
// in the same run and taking turns, the floor: a program that does only one
// poll, one read and one write of as many bytes per key. Prints the CPU time
// per key of both (the child's own CPU clock, medians of the turns), the
// bytes per key and, where valgrind is installed, the user-space
// instructions per key that callgrind counts (the difference between a
// short and a long run, so that start and exit drop out).
//
// Usage: menu_key_bench [demo-program]   (default: this build's demonstration)
//        menu_key_bench --floor BYTES    (the floor program, run by the above)

#include <poll.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "testing/demo_session.h"
#include "testing/pty_terminal_posix.h"

namespace tarvana {
namespace {

using test_support::PtyTerminal;

constexpr char kDown[] = "\x1b[B";
constexpr int kKeys = 300;  // per timed turn
constexpr int kTurns = 9;

// The floor: raw input, then per key one poll, one read and one write.
int Floor(int bytes) {
  termios raw{};
  tcgetattr(0, &raw);
  cfmakeraw(&raw);
  tcsetattr(0, TCSANOW, &raw);
  std::string frame = "\x1b[H";
  frame.resize(static_cast<size_t>(std::max(bytes, 3)), 'x');
  const char ready[] = "floor ready";
  if (write(1, ready, sizeof ready - 1) < 0) return 1;
  for (;;) {
    pollfd p{0, POLLIN, 0};
    if (poll(&p, 1, -1) < 0) return 1;
    char in[64];
    const ssize_t n = read(0, in, sizeof in);
    if (n <= 0 || std::memchr(in, 'q', static_cast<size_t>(n))) return 0;
    if (write(1, frame.data(), frame.size()) < 0) return 1;
  }
}

// The CPU time the process has used, user and system, in microseconds.
double ProcessCpuUs(pid_t pid) {
  clockid_t clock;
  timespec ts{};
  if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &ts) != 0) return -1;
  return ts.tv_sec * 1e6 + ts.tv_nsec / 1e3;
}

struct Program {
  std::vector<std::string> argv;
  bool demo = true;  // the demonstration, else the floor
};

struct KeyRun {
  bool ok = false;
  double cpuUsPerKey = 0;
  double bytesPerKey = 0;
};

// Runs the program (under the prefix, if any) in a pseudo-terminal, brings
// it to its first frame, sends keys Down keys one at a time and leaves it.
KeyRun RunKeys(const Program& program, int keys, const std::vector<std::string>& prefix = {},
               int timeoutMs = 10000) {
  std::vector<std::string> argv = prefix;
  argv.insert(argv.end(), program.argv.begin(), program.argv.end());
  PtyTerminal term(argv, TARVANA_SOURCE_DIR, 80, 25);
  KeyRun run;
  if (!term.Started()) return run;
  const bool ready = program.demo ? term.WaitForText("Press any key to begin", timeoutMs) &&
                                        test_support::Press(term, " ") &&
                                        term.WaitForText("Demo Main Menu", timeoutMs)
                                  : term.WaitForText("floor ready", timeoutMs);
  if (!ready) return run;
  term.Pump(100);
  const double cpuBefore = ProcessCpuUs(term.Pid());
  const size_t bytesBefore = term.Output().size();
  for (int i = 0; i < keys; ++i) {
    const size_t before = term.Output().size();
    term.SendKeys(kDown);
    if (!term.WaitUntil([&] { return term.Output().size() > before; }, timeoutMs)) return run;
  }
  term.Pump(20);
  run.cpuUsPerKey = (ProcessCpuUs(term.Pid()) - cpuBefore) / keys;
  run.bytesPerKey = double(term.Output().size() - bytesBefore) / keys;
  run.ok = program.demo ? test_support::LeaveDemo(term) : (term.SendKeys("q"), term.WaitForExit());
  run.ok = run.ok && term.ExitStatus() == 0;
  return run;
}

// The program's path found on PATH, empty when there is none.
std::string OnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string dirs = path ? path : "/usr/bin:/bin";
  for (size_t start = 0; start <= dirs.size();) {
    const size_t end = std::min(dirs.find(':', start), dirs.size());
    const std::string candidate = dirs.substr(start, end - start) + "/" + name;
    if (access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

// The instructions callgrind counted for the program with keys keys; empty
// when it could not be run.
std::optional<double> CallgrindInstructions(const std::string& valgrind, const Program& program,
                                            int keys) {
  char path[] = "/tmp/menu_key_bench_XXXXXX";
  const int fd = mkstemp(path);
  if (fd < 0) return std::nullopt;
  close(fd);
  const KeyRun run =
      RunKeys(program, keys,
              {valgrind, "--tool=callgrind", "--callgrind-out-file=" + std::string(path)}, 60000);
  std::ifstream in(path);
  std::optional<double> total;
  for (std::string line; std::getline(in, line);)
    if (line.rfind("summary:", 0) == 0) total = std::atof(line.c_str() + 8);
  std::remove(path);
  if (!run.ok) return std::nullopt;
  return total;
}

std::optional<double> InstructionsPerKey(const std::string& valgrind, const Program& program) {
  const auto few = CallgrindInstructions(valgrind, program, 10);
  const auto many = CallgrindInstructions(valgrind, program, 210);
  if (!few || !many) return std::nullopt;
  return (*many - *few) / 200;
}

}  // namespace
}  // namespace tarvana

int main(int argc, char** argv) {
  using namespace tarvana;
  if (argc == 3 && std::strcmp(argv[1], "--floor") == 0) return Floor(std::atoi(argv[2]));
  const Program demo{{argc > 1 ? argv[1] : test_support::DemoProgram()}, true};
  std::printf("Main menu, Down one key at a time through a pseudo-terminal (%s):\n",
              demo.argv[0].c_str());

  // A first run learns the demonstration's bytes per key, which the floor
  // then writes too; then the two take turns.
  const KeyRun first = RunKeys(demo, kKeys);
  if (!first.ok) {
    std::printf("  the demonstration did not run\n");
    return 1;
  }
  const int frameBytes = static_cast<int>(first.bytesPerKey + 0.5);
  const Program floor{{bench::SelfPath(), "--floor", std::to_string(frameBytes)}, false};
  // The ratio of each turn's pair, run back to back, is steadier on a busy
  // machine than the ratio of the medians.
  std::vector<double> floorUs, demoUs, ratios;
  bool ok = true;
  for (int turn = 0; turn < kTurns; ++turn) {
    const KeyRun f = RunKeys(floor, kKeys), d = RunKeys(demo, kKeys);
    ok = ok && f.ok && d.ok;
    floorUs.push_back(f.cpuUsPerKey);
    demoUs.push_back(d.cpuUsPerKey);
    ratios.push_back(d.cpuUsPerKey / f.cpuUsPerKey);
  }
  std::printf("  CPU per key, medians of %d turns of %d keys:\n", kTurns, kKeys);
  std::printf("    floor (poll, read, write %d bytes): %7.1f us\n", frameBytes,
              bench::Median(floorUs));
  std::printf(
      "    demonstration:                      %7.1f us  = %.2f x the floor, median of the "
      "turns' ratios (goal <= 1.30 x)%s\n",
      bench::Median(demoUs), bench::Median(ratios), ok ? "" : "  A RUN FAILED");
  std::printf("  bytes per key: %.1f (goal <= 108.3)\n", first.bytesPerKey);

  if (const std::string valgrind = OnPath("valgrind"); !valgrind.empty()) {
    const auto floorIr = InstructionsPerKey(valgrind, floor);
    const auto demoIr = InstructionsPerKey(valgrind, demo);
    if (floorIr && demoIr)
      std::printf(
          "  user instructions per key (callgrind): floor %.0f, demonstration %.0f "
          "(goal < 15000)\n",
          *floorIr, *demoIr);
    else
      std::printf("  user instructions per key: callgrind run failed\n");
  } else {
    std::printf("  user instructions per key: valgrind not installed\n");
  }
  return ok ? 0 : 1;
}
