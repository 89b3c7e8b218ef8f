// Directory pick lists: entry lines, DOS patterns, the enumeration of a real
// directory, the lowered window, whole names returned, and the keyboard-only
// twin.

#include "picklist/dir_pick_list.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>

#include "picklist/dir_reading.h"
#include "picklist/dir_staged_input.h"
#include "picklist/picklist_test_support.h"
#include "testing/scratch_dir.h"

namespace tarvana {
namespace {

namespace fs = std::filesystem;
using namespace picklist_test;
using internal::DirListing;
using internal::MatchesDosPattern;
using internal::ReadDirectory;
using test_support::ScreenText;

constexpr char kBar[] = "\xB3";
constexpr std::uint64_t kFiveGiB = 5ULL * 1073741824ULL;

// 2026-03-14 09:05:00 UTC.
std::int64_t PiDay() {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 2;
  t.tm_mday = 14;
  t.tm_hour = 9;
  t.tm_min = 5;
  return timegm(&t);
}

// Local time is UTC in these tests, so that the columns are known.
class UtcTest {
 protected:
  UtcTest() {
    const char* tz = std::getenv("TZ");
    if (tz) savedTz_ = tz, hadTz_ = true;
    setenv("TZ", "UTC0", 1);
    tzset();
  }
  ~UtcTest() {
    if (hadTz_)
      setenv("TZ", savedTz_.c_str(), 1);
    else
      unsetenv("TZ");
    tzset();
  }

 private:
  std::string savedTz_;
  bool hadTz_ = false;
};

class FileInfoLineTest : public ::testing::Test, protected UtcTest {};

TEST_F(FileInfoLineTest, AllColumnsEndWithTheShortNameAndNoSeparator) {
  const DirEntry e{"readme.txt", "", 1234, PiDay(), true};
  EXPECT_EQ(FileInfoLine(63, kBar, e, 15),
            "readme.txt     \xB3      1234\xB3"
            "03-14-26\xB3"
            "09:05\xB3readme.txt");
  const DirEntry shortName{"long file name.text", "LONGFI~1.TEX", 7, PiDay(), true};
  EXPECT_EQ(FileInfoLine(63, kBar, shortName, 15),
            "long file name.\xB3         7\xB3"
            "03-14-26\xB3"
            "09:05\xB3LONGFI~1.TEX");
}

TEST_F(FileInfoLineTest, WithoutTheShortNameTheTrailingSeparatorGoes) {
  const DirEntry e{"readme.txt", "", 1234, PiDay(), true};
  EXPECT_EQ(FileInfoLine(31, kBar, e, 15),
            "readme.txt     \xB3      1234\xB3"
            "03-14-26\xB3"
            "09:05");
  EXPECT_EQ(FileInfoLine(1, kBar, e, 15), "readme.txt") << "the padding goes too";
  EXPECT_EQ(FileInfoLine(3, kBar, e, 15), "readme.txt") << "bit 2 has no column";
  EXPECT_EQ(FileInfoLine(4, ", ", e, 15), "      1234");
  EXPECT_EQ(FileInfoLine(24, " | ", e, 15), "03-14-26 | 09:05");
  EXPECT_EQ(FileInfoLine(0, kBar, e, 15), "");
}

TEST_F(FileInfoLineTest, NamesAreCutToTheWidth) {
  const DirEntry e{"averyverylongfilename.txt", "", 0, PiDay(), true};
  EXPECT_EQ(FileInfoLine(1 | 4, kBar, e, 15), "averyverylongfi\xB3         0");
  EXPECT_EQ(FileInfoLine(1 | 4, kBar, e, 8), "averyver\xB3         0");
  // UTF-8 names take a cell a character; other bytes are shown as they are.
  const struct {
    std::string name, shown;
  } names[] = {{"caf\xC3\xA9.txt", "caf\x82.txt  "},
               {"\xE6\x97\xA5.txt", "?.txt     "},
               {"caf\xE9.txt", "caf\xE9.txt  "}};
  for (const auto& n : names)
    EXPECT_EQ(FileInfoLine(1 | 4, kBar, DirEntry{n.name, "", 0, PiDay(), true}, 10),
              n.shown + "\xB3         0")
        << n.name;
}

TEST_F(FileInfoLineTest, SizesAreSixtyFourBit) {
  DirEntry e{"big", "", kFiveGiB, PiDay(), true};
  EXPECT_EQ(FileInfoLine(4, kBar, e, 15), "5368709120");
  e.size = 12345678901234ULL;
  EXPECT_EQ(FileInfoLine(4 | 8, kBar, e, 15),
            "12345678901234\xB3"
            "03-14-26")
      << "more than ten digits are written whole";
}

TEST_F(FileInfoLineTest, UnconvertibleTimesShowZeros) {
  DirEntry e{"x", "", 1, std::numeric_limits<std::int64_t>::max(), true};
  EXPECT_EQ(FileInfoLine(8 | 16, kBar, e, 15),
            "00-00-00\xB3"
            "00:00");
  e.modified = PiDay();
  e.timeKnown = false;
  EXPECT_EQ(FileInfoLine(8 | 16, kBar, e, 15),
            "00-00-00\xB3"
            "00:00");
}

TEST(DosPattern, WildcardsAndCase) {
  EXPECT_TRUE(MatchesDosPattern("*.*", "README"));
  EXPECT_TRUE(MatchesDosPattern("*.*", "a.txt"));
  EXPECT_TRUE(MatchesDosPattern("*.*", ".hidden"));
  EXPECT_TRUE(MatchesDosPattern("*.*", "archive.tar.gz"));
  EXPECT_TRUE(MatchesDosPattern("*", "anything.at.all"));
  EXPECT_TRUE(MatchesDosPattern("*.TXT", "notes.txt"));
  EXPECT_FALSE(MatchesDosPattern("*.TXT", "notes.txt.bak"));
  EXPECT_FALSE(MatchesDosPattern("*.txt", "notes"));
  EXPECT_TRUE(MatchesDosPattern("?.c", "a.c"));
  EXPECT_FALSE(MatchesDosPattern("?.c", "ab.c"));
  EXPECT_TRUE(MatchesDosPattern("read*.*", "README"));
  EXPECT_TRUE(MatchesDosPattern("READ*.*", "readme.md"));
  EXPECT_FALSE(MatchesDosPattern("READ*.*", "dread.md"));
  EXPECT_TRUE(MatchesDosPattern("a*b*c", "aXXbYYbZc"));
  EXPECT_FALSE(MatchesDosPattern("a*b*c", "aXXbYYbZ"));
  EXPECT_TRUE(MatchesDosPattern("TVTools.LST", "tvtools.lst"));
  EXPECT_FALSE(MatchesDosPattern("", "x"));
}

class DirPickListTest : public PickListFixture, protected UtcTest {
 protected:
  void SetUp() override {
    PickListFixture::SetUp();
    char path[] = "/tmp/picklist-test-XXXXXX";
    ASSERT_NE(mkdtemp(path), nullptr);
    dir = path;
  }
  void TearDown() override { fs::remove_all(dir); }

  void MakeFile(const std::string& name, const std::string& content = "x") {
    std::ofstream(dir / name) << content;
    const timespec times[2] = {{PiDay(), 0}, {PiDay(), 0}};
    utimensat(AT_FDCWD, (dir / name).c_str(), times, 0);
  }
  std::string PathOf(const std::string& pattern) const { return (dir / pattern).string(); }
  std::string Run(const std::string& pattern, std::uint8_t flags = 63) {
    return DirPickList(window, "Files", 1, PathOf(pattern), 0, flags, kBar, 113, 15);
  }

  // The rows of the list drawn for every flag set below: each entry's
  // FileInfoLine, in the order of a stable sort of those lines, in a window as
  // wide as the longest of them.
  void ExpectRowsAreTheSortedLines() {
    struct Case {
      std::uint8_t flags;
      const char* separator;
      std::uint8_t width;
    };
    const Case cases[] = {{63, kBar, 15}, {31, kBar, 15},    {1 | 4, " ", 5}, {1, kBar, 15},
                          {63, "0", 15},  {8 | 16, kBar, 9}, {32, " | ", 15}, {4 | 32, kBar, 0}};
    for (const Case& c : cases) {
      SCOPED_TRACE(std::to_string(c.flags) + " \"" + c.separator + "\" " + std::to_string(c.width));
      DirListing listing;
      ASSERT_TRUE(ReadDirectory((dir / "*.*").string(), listing));
      std::vector<std::string> lines;
      size_t longest = 0;
      for (std::int32_t i = 1; i <= listing.Count(); ++i) {
        lines.push_back(FileInfoLine(c.flags, c.separator, listing.Entry(i), c.width));
        longest = std::max(longest, lines.back().size());
      }
      std::stable_sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return internal::CompareFolded(a, b) < 0;
      });
      UseHeadlessConsole(80, 25);
      WindowRec window{2, 2, 23, 0, 2, 2, 0, 2, 7, 31, 30, 27};
      ASSERT_TRUE(Waits([&] {
        DirPickList(window, "Files", 0, (dir / "*.*").string(), 0, c.flags, c.separator, 113,
                    c.width);
      }));
      const int right = static_cast<int>(std::min<size_t>(window.Left + longest + 3, 80));
      EXPECT_EQ(ReadCell(window.Top, right), 187) << "the top-right corner";
      const int width = right - window.Left - 2;
      for (size_t r = 0; r < lines.size(); ++r) {
        std::string shown = lines[r].substr(0, width);
        shown.resize(width, ' ');
        EXPECT_EQ(ScreenText(window.Top + 1 + r, window.Left + 2, width), shown) << "row " << r + 1;
      }
    }
  }

  fs::path dir;
  // The directory demonstration's window: 12 interior rows.
  WindowRec window{10, 10, 22, 0, 2, 2, 0, 2, 7, 31, 30, 27};
};

TEST_F(DirPickListTest, EnumeratesTheSpecifiersDirectoryAndPattern) {
  MakeFile("b.txt");
  MakeFile("A.TXT");
  MakeFile("c.dat");
  fs::create_directory(dir / "sub.txt");
  DirListing listing;
  ASSERT_TRUE(ReadDirectory(PathOf("*.txt"), listing));
  std::vector<std::string> names;
  for (std::int32_t i = 1; i <= listing.Count(); ++i)
    names.emplace_back(listing.Name(i));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"A.TXT", "b.txt", "sub.txt"}))
      << "directories included, case ignored";
  listing = DirListing();
  ASSERT_TRUE(ReadDirectory(PathOf("*.*"), listing));
  EXPECT_EQ(listing.Count(), 6) << "every entry, . and .. included";
  for (std::int32_t i = 1; i <= listing.Count(); ++i)
    if (listing.Name(i) == "c.dat") {
      const DirEntry e = listing.Entry(i);
      EXPECT_EQ(e.name, "c.dat");
      EXPECT_EQ(e.size, 1u);
      EXPECT_EQ(e.modified, PiDay());
      EXPECT_TRUE(e.timeKnown);
    }
  listing = DirListing();
  EXPECT_FALSE(ReadDirectory(PathOf("*.none"), listing));
  EXPECT_FALSE(ReadDirectory(PathOf("missing/*.*"), listing));
  EXPECT_FALSE(ReadDirectory(dir.string() + std::string("\0/*.*", 5), listing))
      << "a NUL names no directory, not the one before it";
  EXPECT_EQ(listing.Count(), 0);
}

TEST_F(DirPickListTest, WindowIsLoweredToTheNumberOfFiles) {
  MakeFile("one.txt");
  MakeFile("two.txt");
  MakeFile("three.txt");
  MakeFile("other.dat");
  ASSERT_TRUE(Waits([&] { Run("*.txt"); }));
  EXPECT_EQ(window.Bottom, 14) << "3 interior rows, kept in the caller's record";
  EXPECT_EQ(window.Right, 0) << "the width stays automatic";
  EXPECT_EQ(ReadCell(14, 10), 200) << "the bottom-left corner on row 14";
  EXPECT_EQ(ScreenText(11, 11, 17), " one.txt        \xB3");
  EXPECT_EQ(ScreenText(12, 11, 17), " three.txt      \xB3") << "sorted by name";
  EXPECT_EQ(ScreenText(13, 11, 17), " two.txt        \xB3");
  EXPECT_EQ(ScreenText(11, 28, 10), "         1");
  EXPECT_EQ(ScreenText(11, 39, 8), "03-14-26");
  EXPECT_EQ(ScreenText(11, 48, 5), "09:05");
  EXPECT_EQ(ScreenText(11, 54, 7), "one.txt");
  // Automatic width: 10 + longest line (15+1+10+1+8+1+5+1+9) + 3.
  EXPECT_EQ(ReadCell(10, 10 + 51 + 3), 187);

  WindowRec again = window;
  console = &UseHeadlessConsole(80, 25);
  console->QueueKeys("Esc");
  EXPECT_EQ(DirPickList(again, "Files", 1, PathOf("*.*"), 0, 63, kBar, 113, 15), "");
  EXPECT_EQ(again.Bottom, 14) << "a later call opens no taller window";
}

TEST_F(DirPickListTest, LinesMadeWhenDrawnAreTheEntriesLinesInSortOrder) {
  // Names alike within the width, or in all but case, are ordered by the
  // rest of their lines; times differ; one size runs past ten digits.
  MakeFile("alphabetically-1.txt", std::string(20, 'x'));
  MakeFile("alphabetically-2.txt", "xyz");
  MakeFile("Alpha.txt", "aaa");
  MakeFile("alpha.txt", "a");
  MakeFile("b");
  const timespec later[2] = {{PiDay() + 86400 * 40, 0}, {PiDay() + 86400 * 40, 0}};
  utimensat(AT_FDCWD, (dir / "b").c_str(), later, 0);
  MakeFile("huge.img");
  if (truncate((dir / "huge.img").c_str(), 123456789012) != 0) fs::remove(dir / "huge.img");
  ExpectRowsAreTheSortedLines();
  // A name ending in a blank, or holding a control character, sorts as padded
  // to the width, not as it stands: "trail " beside "trail", "ctl\x01x"
  // before "ctl".
  MakeFile("trail ");
  MakeFile("trail", std::string(20, 'x'));
  ExpectRowsAreTheSortedLines();
  MakeFile("ctl\x01x");
  MakeFile("ctl");
  ExpectRowsAreTheSortedLines();
}

TEST_F(DirPickListTest, NoMatchDrawsNothingAndReturnsEmpty) {
  MakeFile("a.txt");
  std::vector<Cell> before;
  ReadScreenBlock(before);
  EXPECT_EQ(Run("*.none"), "");
  EXPECT_EQ(DirPickList(window, "Files", 1, PathOf("missing/*.*"), 0, 63, kBar, 113, 15), "");
  std::vector<Cell> after;
  ReadScreenBlock(after);
  EXPECT_TRUE(after == before);
  EXPECT_EQ(window.Bottom, 22);
  EXPECT_EQ(console->Queued(), 0u);
}

TEST_F(DirPickListTest, AWindowThatCannotHoldAListDrawsNothing) {
  MakeFile("a.txt");
  std::vector<Cell> before;
  ReadScreenBlock(before);
  for (WindowRec w :
       {WindowRec{10, 10, 10, 0}, WindowRec{10, 10, 40, 0}, WindowRec{10, 0, 20, 0}}) {
    const WindowRec given = w;
    console->QueueKeys("Enter");
    EXPECT_EQ(DirPickList(w, "Files", 1, PathOf("*.*"), 0, 63, kBar, 113, 15), "");
    EXPECT_EQ(KeyDirPickList(w, "Files", 1, PathOf("*.*"), 0, 63, kBar, 113, 15), "");
    EXPECT_EQ(w.Bottom, given.Bottom) << "the caller's record is left alone";
    EXPECT_EQ(console->Queued(), 1u);
    InKey();
  }
  std::vector<Cell> after;
  ReadScreenBlock(after);
  EXPECT_TRUE(after == before);
}

TEST_F(DirPickListTest, ReturnsTheWholeNameOfTheEntryChosen) {
  MakeFile("averyverylongfilename.txt");
  MakeFile("averyverylongfilename.txt.bak");
  MakeFile("short.txt");
  MakeFile(" spaced .txt");
  console->QueueKeys("Down Down");
  ASSERT_TRUE(Waits([&] { Run("*.*", 31); }));
  // ".", "..", " spaced .txt", then the long names, cut to 15 in the list.
  EXPECT_EQ(ScreenText(11 + 3, 11, 16), " averyverylongfi");
  EXPECT_EQ(ScreenText(11 + 4, 11, 16), " averyverylongfi");

  console = &UseHeadlessConsole(80, 25);
  console->QueueKeys("a Enter");
  EXPECT_EQ(Run("*.*"), "averyverylongfilename.txt");
  console->QueueKeys("a Down Enter");
  EXPECT_EQ(Run("*.*"), "averyverylongfilename.txt.bak");
  console->QueueKeys("s Enter");
  EXPECT_EQ(Run("*.*"), "short.txt") << "without the padding";
  console->QueueKeys("Space Enter");
  EXPECT_EQ(Run("*.*"), " spaced .txt") << "exactly as the directory holds it";
  console->QueueKeys("Esc");
  EXPECT_EQ(Run("*.*"), "");
}

TEST_F(DirPickListTest, DirectoriesAreListedToo) {
  fs::create_directory(dir / "folder");
  MakeFile("file");
  console->QueueKeys("f Enter");
  EXPECT_EQ(Run("f*"), "file");
  console->QueueKeys("f o Enter");
  EXPECT_EQ(Run("f*"), "folder");
}

TEST_F(DirPickListTest, AFiveGibibyteFileShowsItsExactSize) {
  const fs::path big = dir / "big.img";
  { std::ofstream(big).put('x'); }
  if (truncate(big.c_str(), static_cast<off_t>(kFiveGiB)) != 0)
    GTEST_SKIP() << "no sparse 5 GiB file on this file system";
  ASSERT_TRUE(Waits([&] { Run("big.*"); }));
  EXPECT_EQ(ScreenText(11, 28, 10), "5368709120");
}

TEST_F(DirPickListTest, KeyDirPickListBeepsOnTheMouse) {
  MakeFile("a.txt");
  MakeFile("b.txt");
  console->QueueClick(12, 15);
  console->QueueKeys("Down Enter");
  const int beeps = console->Beeps();
  EXPECT_EQ(KeyDirPickList(window, "Files", 1, PathOf("*.txt"), 0, 1, kBar, 113, 15), "b.txt");
  EXPECT_EQ(console->Beeps(), beeps + 1);
  EXPECT_EQ(window.Bottom, 13);
  console->QueueClick(12, 15);
  console->QueueClick(12, 15);
  EXPECT_EQ(DirPickList(window, "Files", 1, PathOf("*.txt"), 0, 1, kBar, 113, 15), "b.txt")
      << "the mouse version takes the clicks";
}

// An entry removed while its list is open is not handed back: Enter on it
// lists the directory again as it is now, and a directory that is gone ends
// the list with nothing chosen.
TEST(DirPickListRemoval, EntriesRemovedWhileTheListIsOpenAreNotChosen) {
  const test_support::ScratchDir scratch("tarvana-removal-");
  ASSERT_FALSE(scratch.Path().empty());
  const fs::path listed = scratch.Path() / "listed";
  struct Case {
    const char* what;
    fs::path removed;
    std::string keys;   // "." "..", "a.txt", "b.txt", "sub" at first
    std::string again;  // keys for the list opened again, or "" for none
    std::string result;
  };
  const Case cases[] = {
      {"a file", listed / "a.txt", "Down Down Enter", "Down Down Enter", "b.txt"},
      {"a folder", listed / "sub", "End Enter", "Esc", ""},
      {"the directory, then ..", listed, "Down Enter", "", ""},
      {"the directory, then a file", listed, "End Up Enter", "", ""},
  };
  using List = std::string (*)(WindowRec&, std::string_view, std::uint8_t, std::string_view, int,
                               std::uint8_t, std::string_view, ColorAttr, std::uint8_t);
  for (const List list : {List{DirPickList}, List{KeyDirPickList}}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (list == KeyDirPickList ? ", keyboard only" : ""));
      fs::create_directories(listed / "sub");
      std::ofstream(listed / "a.txt") << "a";
      std::ofstream(listed / "b.txt") << "b";
      test_support::StagedInputConsole& console = test_support::UseStagedInputConsole();
      console.AddStage([&] { fs::remove_all(c.removed); }, c.keys);
      if (!c.again.empty()) console.AddStage(nullptr, c.again);
      WindowRec window{2, 2, 20, 0, 2, 2, 0, 2, 7, 31, 30, 27};
      EXPECT_EQ(list(window, "Files", 1, (listed / "*.*").string(), 0, 1, kBar, 113, 15), c.result);
      EXPECT_EQ(console.StagesLeft(), 0u) << "every stage's keys were read";
      EXPECT_EQ(console.Queued(), 0u);
      EXPECT_EQ(test_support::RowText(2), "") << "the list is closed";
    }
  }
}

}  // namespace
}  // namespace tarvana
