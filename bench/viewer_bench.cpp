// The file viewer on a generated 1 GB text file. First, as a user gets it: a
// fresh process that opens the viewer and presses End, beside `wc -l` on the
// same file, each timed from fork to exit with its peak resident memory.
// Then, in this process: open, End repeated, Alt-L to a line near the end
// after End, and PgUp/PgDn anywhere, driving the viewer's step function on
// the headless console. All of it twice: on a file of code page 437 bytes
// (ASCII), then on one of the same size in UTF-8 (Latin, Cyrillic, CJK and
// emoji), drawn a cluster per cell. Each file lives in /tmp and is removed
// afterwards.
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

// The text after the line numbers: ASCII letters and blanks, or UTF-8 text
// of two to four bytes a character.
std::string Filler(bool utf8) {
  std::string filler;
  if (utf8) {
    while (filler.size() < 200)
      filler +=
          "Gr\xC3\xB6\xC3\x9F"
          "e caf\xC3\xA9 \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 "
          "\xE6\xBC\xA2\xE5\xAD\x97\xE3\x83\x86\xE3\x82\xB9\xE3\x83\x88 rocket \xF0\x9F\x9A\x80 ";
    return filler;
  }
  for (int i = 0; i < 200; ++i)
    filler += static_cast<char>(i % 7 == 6 ? ' ' : 'a' + i % 26);
  return filler;
}

bool Continuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Lines "NNNNNNNNNN text..." of 11 to about 130 bytes, numbered from 1; in
// UTF-8 the text starts and ends on whole characters.
std::int64_t WriteTextFile(const std::string& path, std::int64_t bytes, bool utf8) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return -1;
  const std::string filler = Filler(utf8);
  std::vector<char> buffer(8 << 20);
  std::size_t used = 0;
  std::int64_t written = 0, line = 0;
  while (written < bytes) {
    ++line;
    char number[32];
    std::snprintf(number, sizeof number, "%010lld ", static_cast<long long>(line));
    std::size_t from = static_cast<std::size_t>(line % 64);
    const std::size_t end = from + static_cast<std::size_t>((line * 7919) % 120);
    while (Continuation(filler[from]))
      ++from;
    std::size_t to = std::max(from, end);
    while (to > from && Continuation(filler[to]))
      --to;
    const std::size_t fill = to - from;
    if (used + 11 + fill + 1 > buffer.size()) {
      std::fwrite(buffer.data(), 1, used, out);
      used = 0;
    }
    std::memcpy(buffer.data() + used, number, 11);
    std::memcpy(buffer.data() + used + 11, filler.data() + from, fill);
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

// The turns in fresh processes: wc -l and the viewer's open + End.
struct FreshRuns {
  std::vector<double> wcMs, firstMs, firstInside;
  long firstPeak = 0;
  bool firstRight = true;
};

// Eleven turns, wc -l and the viewer taking turns, each in a fresh process;
// wcLines receives wc's count.
FreshRuns RunFreshProcesses(const std::string& path, std::int64_t lines, long long& wcLines) {
  const std::string self = tarvana::bench::SelfPath();
  FreshRuns runs;
  for (int round = 0; round < 11; ++round) {
    const tarvana::bench::ProcessRun wc = RunWc(path, wcLines);
    const tarvana::bench::ProcessRun first =
        tarvana::bench::RunProcess({self, "--first-end", path});
    long long endLine = 0;
    double inside = 0;
    long peak = 0;
    runs.firstRight =
        runs.firstRight && first.ok &&
        std::sscanf(first.out.c_str(), "%lld %lf %ld", &endLine, &inside, &peak) == 3 &&
        endLine == lines + 1;
    runs.wcMs.push_back(wc.ms);
    runs.firstMs.push_back(first.ms);
    runs.firstInside.push_back(inside);
    runs.firstPeak = std::max(runs.firstPeak, peak);
  }
  return runs;
}

void PrintFreshRuns(const FreshRuns& runs) {
  const double wcMedian = tarvana::bench::Median(runs.wcMs);
  const double firstMedian = tarvana::bench::Median(runs.firstMs);
  std::printf("fresh process each, medians of %zu turns:\n", runs.wcMs.size());
  std::printf("  wc -l (reference):     %8.1f ms\n", wcMedian);
  std::printf(
      "  viewer open + End:     %8.1f ms  peak %6ld KiB  = %.2f x wc -l "
      "(goal <= 1.00 x, peak < 8192 KiB), %s\n",
      firstMedian, runs.firstPeak, firstMedian / wcMedian,
      runs.firstRight ? "end right" : "END WRONG");
  std::printf("    open + End inside:   %8.1f ms\n", tarvana::bench::Median(runs.firstInside));
}

// The figures measured in this process.
struct InProcess {
  std::vector<double> wcMs, endMs, openMs, altMs, pageMs, freshMs;
  long long wcLines = 0;
  long rssBefore = 0, rssAfterEnd = 0;
  std::size_t entries = 0;
  bool endRight = false, linesRight = true;
};

// Five rounds of wc -l beside a new viewer's open and End; the last viewer
// stays open at the end. False when the viewer cannot open the file.
bool OpenAndEnd(const std::string& path, std::optional<FileView>& view, InProcess& m) {
  for (int round = 0; round < 5; ++round) {
    m.wcMs.push_back(RunWc(path, m.wcLines).ms);
    view.reset();
    view.emplace();
    auto start = Clock::now();
    if (tarvana::OpenFileView(*view, path, kWindow, 8, 1, true) != 0) return false;
    m.openMs.push_back(MsSince(start));
    start = Clock::now();
    Step(*view, tarvana::ExtendedKey(tarvana::scan::kEnd));
    m.endMs.push_back(MsSince(start));
  }
  return true;
}

// The text of the page's top line.
std::string TopLineText(const FileView& view) {
  const std::size_t slot = static_cast<std::size_t>(view.topLine - view.bufferFirst);
  return view.utf8 ? view.cellLines[slot].ToUtf8() : view.lines[slot];
}

// Alt-L to lines among the last thousand, each checked to be the top line.
void GoNearTheEnd(FileView& view, std::int64_t lines, std::mt19937_64& random, InProcess& m) {
  for (int i = 0; i < 20; ++i) {
    const std::int64_t target = lines - static_cast<std::int64_t>(random() % 1000);
    m.altMs.push_back(GoToLine(view, target));
    char expected[32];
    std::snprintf(expected, sizeof expected, "%010lld", static_cast<long long>(target));
    m.linesRight = m.linesRight && TopLineText(view).rfind(expected, 0) == 0;
  }
}

// PgDn, PgUp, Up and Down from lines anywhere in the file.
void PageAnywhere(FileView& view, std::int64_t lines, std::mt19937_64& random, InProcess& m) {
  for (int i = 0; i < 200; ++i) {
    GoToLine(view, 1 + static_cast<std::int64_t>(random() % lines));
    for (const auto key : {tarvana::scan::kPgDn, tarvana::scan::kPgUp, tarvana::scan::kPgUp,
                           tarvana::scan::kPgDn, tarvana::scan::kUp, tarvana::scan::kDown}) {
      const auto start = Clock::now();
      Step(view, tarvana::ExtendedKey(key));
      m.pageMs.push_back(MsSince(start));
    }
  }
}

// Paging forward from the start of a fresh viewer, where nothing is scanned yet.
void PageFreshViewer(const std::string& path, InProcess& m) {
  FileView view;
  tarvana::OpenFileView(view, path, kWindow, 8, 1, true);
  for (int i = 0; i < 2000; ++i) {
    const auto start = Clock::now();
    Step(view, tarvana::ExtendedKey(tarvana::scan::kPgDn));
    m.freshMs.push_back(MsSince(start));
  }
}

// Everything measured in this process, on the headless console; false when
// the viewer cannot open the file.
bool MeasureInProcess(const std::string& path, std::int64_t lines, InProcess& m) {
  tarvana::UseHeadlessConsole(80, 25);
  m.rssBefore = tarvana::bench::StatusKiB("VmRSS");
  std::optional<FileView> view;
  if (!OpenAndEnd(path, view, m)) return false;
  m.rssAfterEnd = tarvana::bench::StatusKiB("VmRSS");
  m.entries = view->file.IndexEntries();
  m.endRight = view->file.EndLine() == m.wcLines + 1 && view->topLine == lines + 1;
  std::mt19937_64 random(5);
  GoNearTheEnd(*view, lines, random, m);
  PageAnywhere(*view, lines, random, m);
  view.reset();
  PageFreshViewer(path, m);
  return true;
}

void PrintInProcess(const InProcess& m) {
  const Spread wc = Summary(m.wcMs), end = Summary(m.endMs), open = Summary(m.openMs);
  const Spread alt = Summary(m.altMs), page = Summary(m.pageMs), fresh = Summary(m.freshMs);
  std::printf(
      "in this process:\nwc -l:               median %8.1f ms  max %8.1f ms  (%lld lines)\n",
      wc.median, wc.max, m.wcLines);
  std::printf("End:                 median %8.1f ms  max %8.1f ms  = %.2f x wc -l, %s\n",
              end.median, end.max, end.median / wc.median, m.endRight ? "end right" : "END WRONG");
  std::printf("open + first page:   median %8.3f ms  max %8.3f ms\n", open.median, open.max);
  std::printf("Alt-L near the end:  median %8.3f ms  max %8.3f ms  %s\n", alt.median, alt.max,
              m.linesRight ? "lines right" : "LINES WRONG");
  std::printf("PgUp/PgDn/Up/Down:   median %8.3f ms  p99 %7.3f ms  max %8.3f ms  (%zu steps)\n",
              page.median, page.p99, page.max, m.pageMs.size());
  std::printf("PgDn, fresh viewer:  median %8.3f ms  p99 %7.3f ms  max %8.3f ms\n", fresh.median,
              fresh.p99, fresh.max);
  std::printf(
      "memory: resident %+ld KiB after End (before %ld KiB), peak %ld KiB; "
      "index of %zu entries\n",
      m.rssAfterEnd - m.rssBefore, m.rssBefore, tarvana::bench::StatusKiB("VmHWM"), m.entries);
}

// Every figure on a file of megabytes written afresh; false when one is wrong.
bool MeasureFile(std::int64_t megabytes, bool utf8) {
  char dir[] = "/tmp/tarvana_viewer_bench_XXXXXX";
  if (mkdtemp(dir) == nullptr) return false;
  const std::string path = std::string(dir) + "/big.txt";

  const auto start = Clock::now();
  const std::int64_t lines = WriteTextFile(path, megabytes << 20, utf8);
  const std::int64_t size = static_cast<std::int64_t>(std::filesystem::file_size(path));
  std::printf("%s file: %lld bytes, %lld lines, written in %.0f ms\n",
              utf8 ? "UTF-8" : "code page 437", static_cast<long long>(size),
              static_cast<long long>(lines), MsSince(start));

  InProcess measured;
  RunWc(path, measured.wcLines);  // brings the file into the page cache
  const FreshRuns fresh = RunFreshProcesses(path, lines, measured.wcLines);
  PrintFreshRuns(fresh);
  const bool opened = MeasureInProcess(path, lines, measured);
  if (opened) PrintInProcess(measured);

  // The 1 GB file goes also when the viewer could not open it.
  std::filesystem::remove_all(dir);
  return opened && measured.endRight && measured.linesRight && fresh.firstRight;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--first-end") == 0) return FirstEnd(argv[2]);
  const std::int64_t megabytes = argc > 1 ? std::atoll(argv[1]) : 1024;
  const bool cp437 = MeasureFile(megabytes, false);
  std::printf("\n");
  const bool utf8 = MeasureFile(megabytes, true);
  return cp437 && utf8 ? 0 : 1;
}
