// What the pick lists cost on large inputs, on the headless console:
//  - a pick list of 1,000,000 generated items: the time and memory to open it
//    (index array, sort, first draw), to jump with a type-ahead letter, and to
//    page to the end, driving the list's step function directly;
//  - the cells that one move changes (within the page, and a page down);
//  - the modern layer's PickOne on 1,000,000 UTF-8 items (Cyrillic, Greek,
//    accented Latin, CJK), to its first screen, beside the same list of ASCII
//    items measured in the same run;
//  - a directory of 100,000 files (made in a temporary directory and removed
//    afterwards): the first screen of its directory pick list (all columns)
//    in a fresh process as a user gets it, beside a bare readdir + fstatat of
//    the same folder in a fresh process, with the peak memory of each; then
//    the enumeration, the lines and the whole list in this process.
// Run with `make bench`, or build-dir/bench/picklist_bench [items] [files].
// The fresh processes are this program again:
//   picklist_bench --dir-first-screen DIR   the list of DIR/*.*, shown, then Esc
//   picklist_bench --bare-stat DIR          readdir + fstatat of every entry

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench/bench_support.h"
#include "console/console.h"
#include "console/headless.h"
#include "console/terminal/terminal_renderer.h"
#include "picklist/dir_pick_list.h"
#include "picklist/dir_reading.h"
#include "picklist/list_view.h"
#include "ui/lists.h"

namespace tarvana {
namespace {

using internal::ListView;

double NowMs() {
  timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

std::vector<Cell> Snapshot() {
  std::vector<Cell> cells;
  ReadScreenBlock(cells);
  return cells;
}

int Changed(const std::vector<Cell>& before) {
  const std::vector<Cell> now = Snapshot();
  int n = 0;
  for (size_t i = 0; i < now.size(); ++i)
    n += !(now[i] == before[i]);
  return n;
}

// Bytes the terminal backend writes to bring a terminal that shows `before`
// up to date with the screen as it is now.
long BytesToShow(const std::vector<Cell>& before) {
  Screen shown(80, 25), now(80, 25);
  shown.WriteRect(before.data(), 1, 1, 25, 80);
  const std::vector<Cell> cells = Snapshot();
  now.WriteRect(cells.data(), 1, 1, 25, 80);
  TerminalRenderer renderer;
  std::string out;
  renderer.Render(shown, 80, 25, out);
  out.clear();
  renderer.Render(now, 80, 25, out);
  return static_cast<long>(out.size());
}

internal::ListStep Step(ListView& v, const KeyCode& key) {
  std::int32_t chosen = -1;
  return internal::StepList(v, internal::ReadListInput(v, key, true), chosen);
}

// n items of 6 to 20 random letters, mixed case, a few with blanks.
BasedArray<std::string> MakeItems(int n) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> length(6, 20), letter(0, 51), blank(0, 9);
  std::vector<std::string> items;
  items.reserve(n);
  for (int i = 0; i < n; ++i) {
    std::string s(length(rng), ' ');
    for (char& c : s) {
      const int l = letter(rng);
      c = static_cast<char>(l < 26 ? 'a' + l : 'A' + l - 26);
    }
    if (blank(rng) == 0) s[s.size() / 2] = ' ';
    items.push_back(std::move(s));
  }
  return BasedArray<std::string>(1, std::move(items));
}

// Sorts the items alone, then opens the list on them: the times and the
// memory the open list holds.
void OpenBigList(ListView& view, const BasedArray<std::string>& items, const WindowRec& window) {
  double t0 = NowMs();
  const std::vector<std::int32_t> order = internal::DisplayOrder(items, 1);
  std::printf("  sort of the index array alone:             %9.1f ms\n", NowMs() - t0);

  const long rssBefore = bench::StatusKiB("VmRSS");
  t0 = NowMs();
  internal::OpenList(view, items, 1, window, "Big", 1, 0x71);
  const double openMs = NowMs() - t0;
  const long rssAfter = bench::StatusKiB("VmRSS");
  std::printf("  open (index array, sort, first draw):      %9.1f ms\n", openMs);
  std::printf(
      "  memory held by the open list:              %9.1f MiB (index array %.1f MiB,"
      " first letters %.1f MiB; RSS +%.1f MiB with the sort's freed scratch)\n",
      (view.order.capacity() * sizeof(std::int32_t) + view.firstUpper.capacity()) / 1048576.0,
      (view.order.size() * sizeof(std::int32_t)) / 1048576.0, view.firstUpper.size() / 1048576.0,
      (rssAfter - rssBefore) / 1024.0);
  std::printf(
      "  peak resident memory of the process:       %9.1f MiB (items themselves ~%.0f MiB)\n",
      bench::StatusKiB("VmHWM") / 1024.0, items.Count() * (sizeof(std::string) + 4.0) / 1048576.0);
}

// Type-ahead: a letter that jumps far, and one that matches nothing and so
// scans the whole list; back Home afterwards.
void TypeAhead(ListView& view) {
  double t0 = NowMs();
  Step(view, "q");
  const double jumpMs = NowMs() - t0;
  std::printf("  type-ahead 'q' (jump to item %lld):      %9.3f ms\n",
              static_cast<long long>(view.current), jumpMs);
  t0 = NowMs();
  Step(view, "~");
  std::printf("  type-ahead 'q~' (no match, whole scan):    %9.3f ms\n", NowMs() - t0);
  Step(view, ExtendedKey(scan::kHome));
}

// The cells and terminal bytes of one move: within the page (two rows
// recoloured and the thumb moved), then a page down.
void OneMove(ListView& view) {
  std::vector<Cell> before = Snapshot();
  const double t0 = NowMs();
  Step(view, ExtendedKey(scan::kDown));
  const double downMs = NowMs() - t0;
  std::printf(
      "  Down within the page:                      %9.3f ms, %d cells changed "
      "(two rows of %d, plus any thumb cells that moved), %ld bytes to the terminal\n",
      downMs, Changed(before), view.width, BytesToShow(before));
  before = Snapshot();
  Step(view, ExtendedKey(scan::kPgDn));
  std::printf("  PgDn:                                      %9d cells changed, %ld bytes\n",
              Changed(before), BytesToShow(before));
}

// PgDn to the last page, then Home and End.
void PageToEnd(ListView& view) {
  int steps = 0;
  double t0 = NowMs();
  while (view.top < view.last - view.pageSize + 1) {
    Step(view, ExtendedKey(scan::kPgDn));
    ++steps;
  }
  const double pageMs = NowMs() - t0;
  std::printf("  page to the end: %d PgDn steps             %9.1f ms (%.2f us per step)\n", steps,
              pageMs, pageMs * 1000 / steps);
  t0 = NowMs();
  Step(view, ExtendedKey(scan::kHome));
  Step(view, ExtendedKey(scan::kEnd));
  std::printf("  Home then End:                             %9.3f ms\n", NowMs() - t0);
}

void BigList(int n) {
  UseHeadlessConsole(80, 25);
  std::printf("Pick list of %d generated items (window 13 rows, automatic width, scroll bar):\n",
              n);
  const BasedArray<std::string> items = MakeItems(n);
  const WindowRec window{8, 20, 22, 0, 1, 2, 0, 2, 0x07, 0x1F, 0x1E, 0x1B};
  ListView view;
  OpenBigList(view, items, window);
  TypeAhead(view);
  OneMove(view);
  PageToEnd(view);
  internal::CloseList(view);
}

// n items of 6 to 20 letters drawn from the alphabet's letters (each one
// UTF-8 character), with a blank in one item of ten.
std::vector<std::string> MakeTexts(int n, const std::vector<std::string>& alphabet) {
  std::mt19937 rng(12345);
  std::uniform_int_distribution<int> length(6, 20), blank(0, 9);
  std::uniform_int_distribution<std::size_t> letter(0, alphabet.size() - 1);
  std::vector<std::string> items;
  items.reserve(n);
  for (int i = 0; i < n; ++i) {
    std::string s;
    const int cells = length(rng);
    for (int c = 0; c < cells; ++c)
      s += alphabet[letter(rng)];
    if (blank(rng) == 0) s += " x";
    items.push_back(std::move(s));
  }
  return items;
}

std::vector<std::string> Letters(std::string_view utf8) {
  std::vector<std::string> letters;
  for (std::size_t i = 0; i < utf8.size();) {
    std::size_t end = i + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
      ++end;
    letters.emplace_back(utf8.substr(i, end - i));
    i = end;
  }
  return letters;
}

// The milliseconds PickOne takes to its first screen (then Esc), median of turns.
double PickOneFirstScreen(const std::vector<std::string>& items, ui::SortOrder order) {
  std::vector<double> turns;
  for (int turn = 0; turn < 3; ++turn) {
    HeadlessConsole& console = UseHeadlessConsole(80, 25);
    console.QueueKeys("Esc");
    ui::ListOptions options;
    options.title = "Big";
    options.order = order;
    const double t0 = NowMs();
    ui::PickOne(items, options);
    turns.push_back(NowMs() - t0);
  }
  return bench::Median(turns);
}

void Utf8List(int n) {
  std::printf("PickOne of %d items of 6 to 20 letters, to its first screen (then Esc):\n", n);
  const std::vector<std::string> ascii =
      MakeTexts(n, Letters("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
  const std::vector<std::string> utf8 =
      MakeTexts(n, Letters("абвгдежзийклмнопрстуфхцчшщыэюяАБВГДЖЗЯαβγδεζηθλμπσωΩéèêëçñøåßÆ"
                           "漢字東京大阪日本語中文"));
  // ASCII items as long in bytes as the UTF-8 ones: most UTF-8 items outgrow
  // a string's inline buffer, so each one read is a trip to the heap.
  std::vector<std::string> asciiAsLong = utf8;
  for (std::string& item : asciiAsLong)
    for (char& c : item)
      c = static_cast<char>('a' + static_cast<unsigned char>(c) % 26);
  for (const auto& [name, order] : {std::pair{"as given", ui::SortOrder::kAsGiven},
                                    std::pair{"sorted", ui::SortOrder::kAscending}}) {
    const double asciiMs = PickOneFirstScreen(ascii, order);
    const double asLongMs = PickOneFirstScreen(asciiAsLong, order);
    const double utf8Ms = PickOneFirstScreen(utf8, order);
    std::printf(
        "  %-8s  ASCII items (reference) %7.1f ms; as long in bytes %7.1f ms; UTF-8 items "
        "%7.1f ms = %.2f x the reference, %.2f x as long (goal <= 1.30 x)\n",
        name, asciiMs, asLongMs, utf8Ms, utf8Ms / asciiMs, utf8Ms / asLongMs);
  }
}

// The window of the directory demonstration.
constexpr WindowRec kDirWindow{10, 10, 22, 0, 2, 2, 0, 2, 7, 31, 30, 27};

// The fresh process: the directory pick list of dir with every column, its
// first screen drawn, then Esc.
int DirFirstScreen(const std::string& dir) {
  HeadlessConsole& console = UseHeadlessConsole(80, 25);
  console.QueueKeys("Esc");
  WindowRec window = kDirWindow;
  const double t0 = NowMs();
  DirPickList(window, "Files", 1, dir + "/*.*", 0, 63, "\xB3", 113, 15);
  const double ms = NowMs() - t0;
  std::printf("%.3f %ld\n", ms, bench::StatusKiB("VmHWM"));
  return window.Bottom == 22 ? 0 : 1;
}

// The reference: a bare readdir + fstatat of every entry, nothing kept.
int BareStat(const std::string& dir) {
  const double t0 = NowMs();
  DIR* d = opendir(dir.c_str());
  if (!d) return 1;
  long entries = 0;
  unsigned long long bytes = 0;
  while (const dirent* e = readdir(d)) {
    struct stat st;
    if (fstatat(dirfd(d), e->d_name, &st, 0) == 0) bytes += st.st_size;
    ++entries;
  }
  closedir(d);
  const double ms = NowMs() - t0;
  std::printf("%.3f %ld %ld %llu\n", ms, bench::StatusKiB("VmHWM"), entries, bytes);
  return 0;
}

// Fresh processes in turns: the bare enumeration, then the pick list.
void FreshProcesses(const std::string& dir) {
  const std::string self = bench::SelfPath();
  std::vector<double> bare, list, bareInside, listInside;
  long barePeak = 0, listPeak = 0;
  bool ok = true;
  for (int round = 0; round < 11; ++round) {
    const bench::ProcessRun b = bench::RunProcess({self, "--bare-stat", dir});
    const bench::ProcessRun l = bench::RunProcess({self, "--dir-first-screen", dir});
    ok = ok && b.ok && l.ok;
    bare.push_back(b.ms);
    list.push_back(l.ms);
    double ms = 0;
    long peak = 0;
    ok = ok && std::sscanf(b.out.c_str(), "%lf %ld", &ms, &peak) == 2;
    bareInside.push_back(ms);
    barePeak = std::max(barePeak, peak);
    ok = ok && std::sscanf(l.out.c_str(), "%lf %ld", &ms, &peak) == 2;
    listInside.push_back(ms);
    listPeak = std::max(listPeak, peak);
  }
  const double bareMs = bench::Median(bare), listMs = bench::Median(list);
  std::printf("  fresh process each, medians of %zu turns:\n", bare.size());
  std::printf("    readdir + fstatat (reference):     %8.1f ms  peak %6ld KiB  (inside %.1f ms)\n",
              bareMs, barePeak, bench::Median(bareInside));
  std::printf(
      "    DirPickList first screen, flags 63: %8.1f ms  peak %6ld KiB  (inside %.1f ms)"
      "  = %.2f x the reference (goal <= 1.30 x, peak < 12288 KiB)%s\n",
      listMs, listPeak, bench::Median(listInside), listMs / bareMs, ok ? "" : "  FAILED");
}

void BigDirectory(int files) {
  UseHeadlessConsole(80, 25);
  char path[] = "/tmp/picklist_bench_XXXXXX";
  if (!mkdtemp(path)) {
    std::printf("Directory: no temporary directory\n");
    return;
  }
  const std::string dir = path;
  std::printf("Directory of %d files (%s):\n", files, dir.c_str());
  double t0 = NowMs();
  for (int i = 0; i < files; ++i) {
    const std::string name = dir + "/file" + std::to_string(1000000 + i) + ".txt";
    const int fd = open(name.c_str(), O_CREAT | O_WRONLY, 0644);
    if (fd >= 0) {
      if (i % 7 == 0) (void)!write(fd, "data\n", 5);
      close(fd);
    }
  }
  std::printf("  making the files:                          %9.1f ms\n", NowMs() - t0);
  FreshProcesses(dir);

  internal::DirListing listing;
  t0 = NowMs();
  internal::ReadDirectory(dir + "/*.*", listing);
  std::printf("  enumeration (readdir + stat), %d entries: %7.1f ms\n", listing.Count(),
              NowMs() - t0);
  t0 = NowMs();
  size_t total = 0;
  for (std::int32_t i = 1; i <= listing.Count(); ++i)
    total += FileInfoLine(63, "\xB3", listing.Entry(i), 15).size();
  std::printf("  entry lines (flags 63, local time):        %9.1f ms (%zu bytes)\n", NowMs() - t0,
              total);

  HeadlessConsole& console = UseHeadlessConsole(80, 25);
  console.QueueKeys("End Enter");
  WindowRec window = kDirWindow;
  t0 = NowMs();
  const std::string chosen = DirPickList(window, "Files", 1, dir + "/*.*", 0, 63, "\xB3", 113, 15);
  const double endMs = NowMs() - t0;
  std::printf("  DirPickList: list, sort, show, End, Enter: %9.1f ms (chose %s)\n", endMs,
              chosen.c_str());
  // "f" matches at once; "f~" matches no line, so the search reads every line
  // that begins with F (all of them) before it gives up.
  UseHeadlessConsole(80, 25).QueueKeys("f ~ End Enter");
  window = kDirWindow;
  t0 = NowMs();
  DirPickList(window, "Files", 1, dir + "/*.*", 0, 63, "\xB3", 113, 15);
  std::printf("  the same with a type-ahead that matches nothing: %+.1f ms for the search\n",
              NowMs() - t0 - endMs);

  t0 = NowMs();
  std::filesystem::remove_all(dir);
  std::printf("  removing the files:                        %9.1f ms\n", NowMs() - t0);
}

}  // namespace
}  // namespace tarvana

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--dir-first-screen") == 0)
    return tarvana::DirFirstScreen(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "--bare-stat") == 0) return tarvana::BareStat(argv[2]);
  const int items = argc > 1 ? std::atoi(argv[1]) : 1000000;
  const int files = argc > 2 ? std::atoi(argv[2]) : 100000;
  if (items > 0) tarvana::BigList(items);
  if (items > 0) tarvana::Utf8List(items);
  if (files > 0) tarvana::BigDirectory(files);
  return 0;
}
