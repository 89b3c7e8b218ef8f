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
#include <limits>

#include "picklist/dir_reading.h"
#include "picklist/picklist_test_support.h"

namespace tarvana {
namespace {

namespace fs = std::filesystem;
using namespace picklist_test;
using picklist_detail::MatchesDosPattern;
using picklist_detail::ReadDirectory;
using testing::ScreenText;

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

  fs::path dir;
  // The directory demonstration's window: 12 interior rows.
  WindowRec window{10, 10, 22, 0, 2, 2, 0, 2, 7, 31, 30, 27};
};

TEST_F(DirPickListTest, EnumeratesTheSpecifiersDirectoryAndPattern) {
  MakeFile("b.txt");
  MakeFile("A.TXT");
  MakeFile("c.dat");
  fs::create_directory(dir / "sub.txt");
  std::vector<DirEntry> entries;
  ASSERT_TRUE(ReadDirectory(PathOf("*.txt"), entries));
  std::vector<std::string> names;
  for (const DirEntry& e : entries)
    names.push_back(e.name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"A.TXT", "b.txt", "sub.txt"}))
      << "directories included, case ignored";
  entries.clear();
  ASSERT_TRUE(ReadDirectory(PathOf("*.*"), entries));
  EXPECT_EQ(entries.size(), 6u) << "every entry, . and .. included";
  for (const DirEntry& e : entries)
    if (e.name == "c.dat") {
      EXPECT_EQ(e.size, 1u);
      EXPECT_EQ(e.modified, PiDay());
    }
  entries.clear();
  EXPECT_FALSE(ReadDirectory(PathOf("*.none"), entries));
  EXPECT_FALSE(ReadDirectory(PathOf("missing/*.*"), entries));
  EXPECT_TRUE(entries.empty());
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

}  // namespace
}  // namespace tarvana
