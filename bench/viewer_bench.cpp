// The file viewer on a generated 1 GB text file. First, as a user gets it: a
// fresh process that opens the viewer and presses End, beside `wc -l` on the
// same file, each timed from fork to exit with its peak resident memory.
// Then, in this process: open, End repeated, Alt-L to a line near the end
// after End, and PgUp/PgDn anywhere, driving the viewer's step function on
// the headless console. The file lives in /tmp and is removed afterwards.
//
// Usage: viewer_bench [megabytes]   (default 1024)
//        viewer_bench --first-end FILE   (the fresh process: open, End, report)

#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "console/console.h"
#include "console/headless.h"
#include "text/file_viewer_state.h"

namespace {

using Clock = std::chrono::steady_clock;
using tarvana::FileView;
using tarvana::KeyCode;
using tarvana::ViewStep;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Lines "NNNNNNNNNN text..." of 11 to about 130 bytes, numbered from 1.
std::int64_t WriteTextFile(const std::string& path, std::int64_t bytes) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return -1;
  std::string filler;
  for (int i = 0; i < 200; ++i)
    filler += static_cast<char>(i % 7 == 6 ? ' ' : 'a' + i % 26);
  std::vector<char> buffer(8 << 20);
  std::size_t used = 0;
  std::int64_t written = 0, line = 0;
  while (written < bytes) {
    ++line;
    char number[32];
    std::snprintf(number, sizeof number, "%010lld ", static_cast<long long>(line));
    const std::size_t fill = static_cast<std::size_t>((line * 7919) % 120);
    if (used + 11 + fill + 1 > buffer.size()) {
      std::fwrite(buffer.data(), 1, used, out);
      used = 0;
    }
    std::memcpy(buffer.data() + used, number, 11);
    std::memcpy(buffer.data() + used + 11, filler.data() + line % 64, fill);
    buffer[used + 11 + fill] = '\n';
    used += 11 + fill + 1;
    written += static_cast<std::int64_t>(11 + fill + 1);
  }
  std::fwrite(buffer.data(), 1, used, out);
  std::fclose(out);
  return line;
}

const tarvana::WindowRec kWindow{2, 2, 23, 78, 1, 2, 0, 6, 112, 31, 30, 27};

ViewStep Step(FileView& view, const KeyCode& key) {
  return tarvana::StepFileView(view, key);
}

// Alt-L, the digits of line, Enter; returns the time of the whole request.
double GoToLine(FileView& view, std::int64_t line) {
  const auto start = Clock::now();
  Step(view, tarvana::ExtendedKey(38));
  for (const char digit : std::to_string(line))
    Step(view, KeyCode(1, digit));
  Step(view, "\r");
  return MsSince(start);
}

struct Spread {
  double median, p99, max;
};
Spread Summary(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return {ms[ms.size() / 2], ms[ms.size() * 99 / 100], ms.back()};
}

// The fresh process: opens the viewer on the file and presses End; prints the
// end marker's line and the time of open + End as the program saw it.
int FirstEnd(const char* path) {
  tarvana::UseHeadlessConsole(80, 25);
  const auto start = Clock::now();
  FileView view;
  if (tarvana::OpenFileView(view, path, kWindow, 8, 1, true) != 0) return 1;
  Step(view, tarvana::ExtendedKey(tarvana::scan::kEnd));
  const double ms = MsSince(start);
  std::printf("%lld %.3f %ld\n", static_cast<long long>(view.topLine), ms,
              tarvana::bench::StatusKiB("VmHWM"));
  return 0;
}

// Runs `wc -l path` in a fresh process; lines receives its count.
tarvana::bench::ProcessRun RunWc(const std::string& path, long long& lines) {
  tarvana::bench::ProcessRun run = tarvana::bench::RunProcess({"wc", "-l", path});
  lines = std::atoll(run.out.c_str());
  return run;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--first-end") == 0) return FirstEnd(argv[2]);
  const std::int64_t megabytes = argc > 1 ? std::atoll(argv[1]) : 1024;
  char dir[] = "/tmp/tarvana_viewer_bench_XXXXXX";
  if (mkdtemp(dir) == nullptr) return 1;
  const std::string path = std::string(dir) + "/big.txt";

  auto start = Clock::now();
  const std::int64_t lines = WriteTextFile(path, megabytes << 20);
  const std::int64_t size = static_cast<std::int64_t>(std::filesystem::file_size(path));
  std::printf("file: %lld bytes, %lld lines, written in %.0f ms\n", static_cast<long long>(size),
              static_cast<long long>(lines), MsSince(start));

  long long wcLines = 0;
  RunWc(path, wcLines);  // brings the file into the page cache

  // A fresh process each time, wc -l and the viewer taking turns.
  const std::string self = tarvana::bench::SelfPath();
  std::vector<double> wcRuns, firstRuns, firstInside;
  long firstPeak = 0;
  bool firstRight = true;
  for (int round = 0; round < 11; ++round) {
    const tarvana::bench::ProcessRun wc = RunWc(path, wcLines);
    const tarvana::bench::ProcessRun first =
        tarvana::bench::RunProcess({self, "--first-end", path});
    long long endLine = 0;
    double inside = 0;
    long peak = 0;
    firstRight = firstRight && first.ok &&
                 std::sscanf(first.out.c_str(), "%lld %lf %ld", &endLine, &inside, &peak) == 3 &&
                 endLine == lines + 1;
    wcRuns.push_back(wc.ms);
    firstRuns.push_back(first.ms);
    firstInside.push_back(inside);
    firstPeak = std::max(firstPeak, peak);
  }
  const double wcMedian = tarvana::bench::Median(wcRuns);
  const double firstMedian = tarvana::bench::Median(firstRuns);
  std::printf("fresh process each, medians of %zu turns:\n", wcRuns.size());
  std::printf("  wc -l (reference):     %8.1f ms\n", wcMedian);
  std::printf(
      "  viewer open + End:     %8.1f ms  peak %6ld KiB  = %.2f x wc -l "
      "(goal <= 1.00 x, peak < 8192 KiB), %s\n",
      firstMedian, firstPeak, firstMedian / wcMedian, firstRight ? "end right" : "END WRONG");
  std::printf("    open + End inside:   %8.1f ms\n", tarvana::bench::Median(firstInside));

  tarvana::UseHeadlessConsole(80, 25);
  const long rssBefore = tarvana::bench::StatusKiB("VmRSS");

  std::vector<double> wcMs, endMs, openMs;
  std::optional<FileView> view;
  for (int round = 0; round < 5; ++round) {
    wcMs.push_back(RunWc(path, wcLines).ms);
    view.reset();
    view.emplace();
    start = Clock::now();
    if (tarvana::OpenFileView(*view, path, kWindow, 8, 1, true) != 0) return 1;
    openMs.push_back(MsSince(start));
    start = Clock::now();
    Step(*view, tarvana::ExtendedKey(tarvana::scan::kEnd));
    endMs.push_back(MsSince(start));
  }
  const long rssAfterEnd = tarvana::bench::StatusKiB("VmRSS");
  const std::size_t entries = view->file.IndexEntries();
  const bool endRight = view->file.EndLine() == wcLines + 1 && view->topLine == lines + 1;

  std::vector<double> altMs;
  std::mt19937_64 random(5);
  bool linesRight = true;
  for (int i = 0; i < 20; ++i) {
    const std::int64_t target = lines - static_cast<std::int64_t>(random() % 1000);
    altMs.push_back(GoToLine(*view, target));
    char expected[32];
    std::snprintf(expected, sizeof expected, "%010lld", static_cast<long long>(target));
    linesRight =
        linesRight && view->lines[view->topLine - view->bufferFirst].rfind(expected, 0) == 0;
  }

  std::vector<double> pageMs;
  for (int i = 0; i < 200; ++i) {
    GoToLine(*view, 1 + static_cast<std::int64_t>(random() % lines));
    for (const auto key : {tarvana::scan::kPgDn, tarvana::scan::kPgUp, tarvana::scan::kPgUp,
                           tarvana::scan::kPgDn, tarvana::scan::kUp, tarvana::scan::kDown}) {
      start = Clock::now();
      Step(*view, tarvana::ExtendedKey(key));
      pageMs.push_back(MsSince(start));
    }
  }

  // Paging forward from the start of a fresh viewer, where nothing is scanned yet.
  view.reset();
  view.emplace();
  tarvana::OpenFileView(*view, path, kWindow, 8, 1, true);
  std::vector<double> freshMs;
  for (int i = 0; i < 2000; ++i) {
    start = Clock::now();
    Step(*view, tarvana::ExtendedKey(tarvana::scan::kPgDn));
    freshMs.push_back(MsSince(start));
  }
  view.reset();

  const Spread wc = Summary(wcMs), end = Summary(endMs), open = Summary(openMs);
  const Spread alt = Summary(altMs), page = Summary(pageMs), fresh = Summary(freshMs);
  std::printf(
      "in this process:\nwc -l:               median %8.1f ms  max %8.1f ms  (%lld lines)\n",
      wc.median, wc.max, wcLines);
  std::printf("End:                 median %8.1f ms  max %8.1f ms  = %.2f x wc -l, %s\n",
              end.median, end.max, end.median / wc.median, endRight ? "end right" : "END WRONG");
  std::printf("open + first page:   median %8.3f ms  max %8.3f ms\n", open.median, open.max);
  std::printf("Alt-L near the end:  median %8.3f ms  max %8.3f ms  %s\n", alt.median, alt.max,
              linesRight ? "lines right" : "LINES WRONG");
  std::printf("PgUp/PgDn/Up/Down:   median %8.3f ms  p99 %7.3f ms  max %8.3f ms  (%zu steps)\n",
              page.median, page.p99, page.max, pageMs.size());
  std::printf("PgDn, fresh viewer:  median %8.3f ms  p99 %7.3f ms  max %8.3f ms\n", fresh.median,
              fresh.p99, fresh.max);
  std::printf(
      "memory: resident %+ld KiB after End (before %ld KiB), peak %ld KiB; "
      "index of %zu entries\n",
      rssAfterEnd - rssBefore, rssBefore, tarvana::bench::StatusKiB("VmHWM"), entries);

  std::filesystem::remove_all(dir);
  return endRight && linesRight && firstRight ? 0 : 1;
}
