// What the terminal output costs: bytes written and CPU time per frame for
// typical toolbox screens, drawn by our renderer and, for comparison, by
// ncurses on the same frames. Run with `make bench`.

#define NCURSES_WIDECHAR 1

#include <benchmark/benchmark.h>
#include <curses.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/cp437.h"
#include "console/headless.h"
#include "console/screen_save.h"
#include "console/terminal/terminal_renderer.h"

namespace tarvana {
namespace {

constexpr int kCols = 80, kRows = 25;

double ThreadCpuNs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e9 + ts.tv_nsec;
}

// What one engine spent on the frames of one run.
struct Totals {
  double bytes = 0;
  double presentNs = 0;
  double frames = 0;
};

// A console whose Present hands the screen to an output engine; drawing goes
// through the console's own routines, as the toolbox draws.
class EngineConsole : public HeadlessConsole {
 public:
  EngineConsole() : HeadlessConsole(kCols, kRows) {}
  void Present(const Screen& screen) override {
    const double start = ThreadCpuNs();
    totals.bytes += Show(screen);
    totals.presentNs += ThreadCpuNs() - start;
    totals.frames += 1;
  }
  Totals totals;

 protected:
  // Brings the terminal up to date; returns the bytes written.
  virtual size_t Show(const Screen& screen) = 0;
};

class TarvanaConsole : public EngineConsole {
 public:
  TarvanaConsole() : devNull_(open("/dev/null", O_WRONLY)) {}
  ~TarvanaConsole() override { close(devNull_); }

 protected:
  size_t Show(const Screen& screen) override {
    frame_.clear();
    renderer_.Render(screen, kCols, kRows, frame_);
    if (!frame_.empty() && write(devNull_, frame_.data(), frame_.size()) < 0) std::abort();
    return frame_.size();
  }

 private:
  int devNull_;
  TerminalRenderer renderer_;
  std::string frame_;
};

// ncurses on an xterm-256color of 80 by 25 whose output goes to a memory
// file, counted after each update. One session serves every benchmark.
struct NcursesSession {
  NcursesSession() {
    setenv("LINES", "25", 1);
    setenv("COLUMNS", "80", 1);
    fd = memfd_create("ncurses-output", 0);
    out = fdopen(fd, "w");
    in = std::fopen("/dev/null", "r");
    screen = newterm("xterm-256color", out, in);
    if (!screen) {
      std::fputs("ncurses: no xterm-256color terminal description\n", stderr);
      std::exit(1);
    }
    set_term(screen);
    start_color();
    // Pair attr + 1 shows a text-mode colour attribute.
    for (int attr = 0; attr < 256; ++attr)
      init_pair(static_cast<short>(attr + 1), static_cast<short>(AnsiColorIndex(attr & 15)),
                static_cast<short>(AnsiColorIndex(attr >> 4)));
    nonl();
    curs_set(0);
    leaveok(stdscr, TRUE);
    TakeBytes();
  }
  ~NcursesSession() {
    endwin();
    delscreen(screen);
    std::fclose(out);
    std::fclose(in);
  }
  size_t TakeBytes() {
    std::fflush(out);
    const off_t written = lseek(fd, 0, SEEK_CUR);
    lseek(fd, 0, SEEK_SET);
    return static_cast<size_t>(written);
  }

  int fd;
  FILE* out;
  FILE* in;
  SCREEN* screen;
};

NcursesSession& Ncurses() {
  static NcursesSession session;
  return session;
}

class NcursesConsole : public EngineConsole {
 protected:
  size_t Show(const Screen& screen) override {
    NcursesSession& nc = Ncurses();
    cchar_t row[kCols];
    for (int r = 1; r <= kRows; ++r) {
      for (int c = 1; c <= kCols; ++c) {
        const Cell cell = screen.At(r, c);
        const wchar_t glyph[2] = {static_cast<wchar_t>(Cp437ToUnicode(cell.ch)), 0};
        setcchar(&row[c - 1], glyph, A_NORMAL, static_cast<short>(cell.attr + 1), nullptr);
      }
      mvadd_wchnstr(r - 1, 0, row, kCols);
    }
    wnoutrefresh(stdscr);
    doupdate();
    return nc.TakeBytes();
  }
};

// ---- The screens ----

// (1) The highlight bar of a 14-entry box menu moving down, with the help line
// rewritten as each entry is reached.
constexpr int kEntries = 14, kMenuTop = 3, kMenuLeft = 29, kMenuWidth = 22;
const char* const kEntryTexts[kEntries] = {"Bar Menu",
                                           "Box Menu",
                                           "Calendars",
                                           "Conversion Tools",
                                           "Data Entry",
                                           "Date Tools",
                                           "Dialog Boxes",
                                           "Directory Pick List",
                                           "File Viewer",
                                           "Internal Tools",
                                           "Multi-Pick Pick List",
                                           "Pick List",
                                           "Screen Tools",
                                           "Windowing Tools"};
const char* const kHelpTexts[kEntries] = {"Sample Bar Menu",
                                          "Sample Box Menu (you're using a Box Menu now)",
                                          "Calendars and Date Selection",
                                          "Conversion Tools",
                                          "Individual Data Entry Fields and Data Entry Screens",
                                          "Date Tools",
                                          "Sample Dialog Box",
                                          "Choose a File from a Pick List",
                                          "View a File",
                                          "DOS and BIOS Internal Tools",
                                          "Use a Multiple-Pick Pick List",
                                          "Use a Pick List",
                                          "Fancy Screen Handling Tools",
                                          "Powerful Windowing Tools"};
constexpr ColorAttr kMenuText = 0x1F, kMenuHot = 0x1E, kMenuBar = 0x71, kHelp = 0x70;

void MenuSetup() {
  SetCursor(0);
  SetColor(0, 7);
  ClearScreen();
  SetColor(14, 1);
  Locate(kMenuTop - 1, kMenuLeft - 1);
  PrintText("\xD6\xC4\xC4\xC4 Demo Main Menu \xC4\xC4\xC4\xC4\xC4\xB7");
  for (int i = 0; i < kEntries; ++i) {
    Locate(kMenuTop + i, kMenuLeft - 1);
    PrintText("\xBA");
    SetColor(15, 1);
    std::string text = std::string(" ") + kEntryTexts[i];
    text.resize(kMenuWidth, ' ');
    PrintText(text);
    SetColor(14, 1);
    PrintText("\xBA");
    RecolorRun(kMenuTop + i, kMenuLeft + 1, 1, kMenuHot);
  }
  Locate(kMenuTop + kEntries, kMenuLeft - 1);
  PrintText("\xD3" + std::string(kMenuWidth, '\xC4') + "\xBD");
}

void MenuFrame(long i) {
  const int old = static_cast<int>(i % kEntries), next = static_cast<int>((i + 1) % kEntries);
  RecolorRun(kMenuTop + old, kMenuLeft, kMenuWidth, kMenuText);
  RecolorRun(kMenuTop + old, kMenuLeft + 1, 1, kMenuHot);
  RecolorRun(kMenuTop + next, kMenuLeft, kMenuWidth, kMenuBar);
  SetColor(kHelp & 15, kHelp >> 4);
  Locate(25, 1);
  PrintText(std::string(79, ' '));
  Locate(25, 1);
  PrintText(kHelpTexts[next]);
}

// (2) A 16 by 9 window moving one cell per frame over a full background: the
// background under it restored, the next place saved, the window's picture
// written there.
constexpr int kWinRows = 9, kWinCols = 16;
struct MovingWindow {
  std::vector<Cell> picture, under;
  int top = 4, left = 1, dx = 1, dy = 1;
};
MovingWindow moving;

void WindowSetup() {
  SetCursor(0);
  const std::string pattern = "The Tarvana Toolbox moves windows over any background. ";
  for (int r = 1; r <= kRows; ++r) {
    SetColor(r % 7 + 9, 1);
    Locate(r, 1);
    std::string line;
    while (static_cast<int>(line.size()) < kCols + r)
      line += pattern;
    PrintText(line.substr(r, r == kRows ? kCols - 1 : kCols));
  }
  moving = MovingWindow{};
  moving.picture.resize(kWinRows * kWinCols);
  const char* const lines[kWinRows] = {
      "\xC9\xCD\xCD\xCD Window \xCD\xCD\xCD\xBB",
      "\xBA              \xBA",
      "\xBA Drag me, or  \xBA",
      "\xBA let a demo   \xBA",
      "\xBA move me one  \xBA",
      "\xBA cell at a    \xBA",
      "\xBA time.        \xBA",
      "\xBA              \xBA",
      "\xC8\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xCD\xBC"};
  for (int r = 0; r < kWinRows; ++r)
    for (int c = 0; c < kWinCols; ++c) {
      const auto ch = static_cast<std::uint8_t>(lines[r][c]);
      const bool frame = r == 0 || r == kWinRows - 1 || c == 0 || c == kWinCols - 1;
      moving.picture[r * kWinCols + c] = Cell{ch, static_cast<ColorAttr>(frame ? 0x4F : 0x4E)};
    }
  ReadScreenRect(moving.under, moving.top, moving.left, kWinRows, kWinCols);
  WriteScreenRect(moving.picture, moving.top, moving.left, kWinRows, kWinCols);
}

void WindowFrame(long) {
  WriteScreenRect(moving.under, moving.top, moving.left, kWinRows, kWinCols);
  // Across the screen one column a frame; a row down (or up) at each edge.
  if (moving.left + moving.dx < 1 || moving.left + moving.dx > kCols - kWinCols + 1) {
    moving.dx = -moving.dx;
    if (moving.top + moving.dy < 1 || moving.top + moving.dy > kRows - kWinRows + 1)
      moving.dy = -moving.dy;
    moving.top += moving.dy;
  } else {
    moving.left += moving.dx;
  }
  ReadScreenRect(moving.under, moving.top, moving.left, kWinRows, kWinCols);
  WriteScreenRect(moving.picture, moving.top, moving.left, kWinRows, kWinCols);
}

// (3) Whole pages of new text, as a viewer paging through a file: every row
// changes every frame.
const char* const kWords[] = {"toolbox", "window", "menu",   "the", "of",     "pick",
                              "list",    "date",   "screen", "a",   "entry",  "field",
                              "colour",  "frame",  "to",     "and", "viewer", "calendar"};

void PagesSetup() {
  SetCursor(0);
}

void PagesFrame(long page) {
  SetColor(15, 1);
  ClearScreen();
  SetColor(0, 3);
  Locate(1, 1);
  std::string title = " TVTools.LST   page " + std::to_string(page + 1);
  title.resize(kCols, ' ');
  PrintText(title);
  SetColor(15, 1);
  unsigned state = static_cast<unsigned>(page) * 2654435761u + 12345u;
  for (int r = 2; r < kRows; ++r) {
    std::string line;
    state = state * 1103515245u + 12345u;
    const size_t length = 20 + (state >> 16) % 58;
    while (line.size() < length) {
      state = state * 1103515245u + 12345u;
      line += kWords[(state >> 16) % std::size(kWords)];
      line += ' ';
    }
    Locate(r, 2);
    PrintText(line.substr(0, length));
  }
  SetColor(0, 7);
  Locate(kRows, 1);
  PrintText(" PgDn next page   PgUp previous page   Esc leave" + std::string(31, ' '));
}

// (4) Lines of text printed at the bottom, the whole screen scrolling up one
// line per frame, as plain console output does.
void ScrollSetup() {
  SetCursor(0);
  SetColor(7, 0);
  ClearScreen();
}

void ScrollFrame(long line) {
  Locate(kRows, 1);
  NewLine();
  SetColor(static_cast<int>(line % 6) + 10, 0);
  unsigned state = static_cast<unsigned>(line) * 2654435761u + 99u;
  std::string text = std::to_string(line) + ":";
  for (size_t length = 10 + line % 60; text.size() < length;) {
    state = state * 1103515245u + 12345u;
    text += ' ';
    text += kWords[(state >> 16) % std::size(kWords)];
  }
  PrintText(text.substr(0, kCols - 1));
}

struct Scenario {
  const char* name;
  void (*setup)();
  void (*frame)(long);
};
const Scenario kScenarios[] = {
    {"menu_bar", MenuSetup, MenuFrame},
    {"window_move", WindowSetup, WindowFrame},
    {"page_repaint", PagesSetup, PagesFrame},
    {"text_scroll", ScrollSetup, ScrollFrame},
};

// Results per scenario and engine, for the comparison printed at the end.
std::map<std::string, std::map<std::string, Totals>> results;

template <class Console>
void RunScenario(benchmark::State& state, const Scenario* scenario, const char* engine) {
  auto owned = std::make_unique<Console>();
  Console& console = *owned;
  InstallConsoleBackend(std::move(owned));
  EnterFullScreen();
  scenario->setup();
  Pause(0);  // the first, full frame is not counted
  console.totals = Totals{};
  long frame = 0;
  for (auto _ : state) {
    scenario->frame(frame++);
    Pause(0);
  }
  const Totals& t = console.totals;
  state.counters["bytes/frame"] = t.bytes / t.frames;
  state.counters["present_us"] = t.presentNs / t.frames / 1000.0;
  results[scenario->name][engine] = t;
}

void Register() {
  for (const Scenario& scenario : kScenarios) {
    benchmark::RegisterBenchmark((std::string(scenario.name) + "/tarvana").c_str(),
                                 RunScenario<TarvanaConsole>, &scenario, "tarvana")
        ->Iterations(1000)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string(scenario.name) + "/ncurses").c_str(),
                                 RunScenario<NcursesConsole>, &scenario, "ncurses")
        ->Iterations(1000)
        ->Unit(benchmark::kMicrosecond);
  }
}

void PrintComparison() {
  std::printf("\n%-14s %14s %14s %8s %16s %16s\n", "screen", "tarvana B/frm", "ncurses B/frm",
              "ratio", "tarvana us/frm", "ncurses us/frm");
  for (const auto& [name, engines] : results) {
    const auto ours = engines.find("tarvana"), theirs = engines.find("ncurses");
    if (ours == engines.end() || theirs == engines.end()) continue;
    const Totals& a = ours->second;
    const Totals& b = theirs->second;
    std::printf("%-14s %14.1f %14.1f %8.3f %16.2f %16.2f\n", name.c_str(), a.bytes / a.frames,
                b.bytes / b.frames, a.bytes / b.bytes, a.presentNs / a.frames / 1000.0,
                b.presentNs / b.frames / 1000.0);
  }
}

}  // namespace
}  // namespace tarvana

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "C.UTF-8");
  tarvana::Ncurses();
  tarvana::Register();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  tarvana::PrintComparison();
  benchmark::Shutdown();
  return 0;
}
