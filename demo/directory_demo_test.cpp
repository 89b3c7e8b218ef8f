// The directory pick list demonstration on the headless console, in a
// directory of its own: the list of entries, the report of the whole name
// chosen, and Esc.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "console/console.h"
#include "demo/demo.h"
#include "demo/screens.h"
#include "picklist/dir_reading.h"
#include "testing/headless_test_support.h"
#include "testing/scratch_dir.h"

namespace tarvana {
namespace {

namespace fs = std::filesystem;
using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;

class DirectoryDemoTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    test_support::EnableClicks();
    ASSERT_FALSE(scratch.Path().empty());
    dir = scratch.Path();
    std::ofstream(dir / "TVTools.LST") << "list\n";
    std::ofstream(dir / "averyverylongfilename.txt") << "long\n";
    std::ofstream(dir / "b.txt") << "b\n";
    home = fs::current_path();
    fs::current_path(dir);
  }
  void TearDown() override { fs::current_path(home); }
  bool RunScreen(const char* keys) {
    console->QueueKeys(keys);
    try {
      demo::RunDirectoryDemo();
      return false;
    } catch (const HeadlessInputExhausted&) {
      return true;
    }
  }

  test_support::ScratchDir scratch{"tarvana_dirdemo_"};
  fs::path dir, home;
};

// The short name the system keeps for an entry of the current directory (8.3
// names on Windows); empty where it keeps none.
std::string ShortNameOf(const std::string& name) {
  internal::DirListing listing;
  if (!internal::ReadDirectory(name, listing) || listing.Count() != 1) return {};
  return std::string(listing.ShortName(1));
}

TEST_F(DirectoryDemoTest, ListsTheCurrentDirectory) {
  ASSERT_TRUE(RunScreen(""));
  EXPECT_EQ(RowText(3), "  This tool creates a Pick List of the files from a directory with a");
  EXPECT_EQ(RowText(8), "  click the right mouse button.");
  EXPECT_NE(RowText(10).find(" Files "), std::string::npos);
  EXPECT_EQ(ReadCell(10, 10), 201) << "double frame from column 10";
  const char* const names[] = {".", "..", "averyverylongfi", "b.txt", "TVTools.LST"};
  for (int r = 11; r <= 15; ++r)
    EXPECT_EQ(ScreenText(r, 12, 16), (names[r - 11] + std::string(15, ' ')).substr(0, 15) + "\xB3")
        << RowText(r);
  EXPECT_EQ(ReadCell(16, 10), 200) << "the window fits its five entries";
  const std::string shortName = ShortNameOf("averyverylongfilename.txt");
  const std::string column = shortName.empty() ? "averyverylongfilename.txt" : shortName;
  EXPECT_EQ(ScreenText(13, 54, column.size()), column)
      << "flags 63: the short-name column (the name where there is none)";
}

TEST_F(DirectoryDemoTest, ReportsTheWholeNameChosenAndListsAgain) {
  ASSERT_TRUE(RunScreen("a Enter"));
  EXPECT_EQ(RowText(25), " File selected: averyverylongfilename.txt");
  EXPECT_EQ(ReadCellColor(25, 2), 0x70);
  EXPECT_EQ(ReadCell(11, 12), '.') << "the list is shown again";
  ASSERT_TRUE(RunScreen("a Enter b Enter"));
  EXPECT_EQ(RowText(25), " File selected: b.txt") << "the blanks wipe the longer name";
}

TEST_F(DirectoryDemoTest, EscReportsNothingAndEnds) {
  EXPECT_FALSE(RunScreen("Esc"));
  EXPECT_EQ(RowText(25), " File selected:");
  EXPECT_EQ(ScreenText(25, 1, 36), " File selected: " + std::string(20, ' '));
}

TEST_F(DirectoryDemoTest, AVeryLongNameStaysOnTheBottomRow) {
  const std::string name(100, 'z');
  std::ofstream(dir / name) << "z\n";
  ASSERT_TRUE(RunScreen(""));
  // The long name is in the short-name column only where the system keeps no
  // short name; then the window is too wide for the screen.
  if (ShortNameOf(name).empty()) {
    EXPECT_EQ(ReadCell(10, 80), 187) << "the window stops at the screen's right edge";
    EXPECT_EQ(ReadCell(17, 80), 188) << "and its bottom-right corner";
    EXPECT_EQ(ReadCell(16, 80), 177) << "the scroll bar on the right frame";
  }
  ASSERT_TRUE(RunScreen("z Enter"));
  EXPECT_EQ(RowText(25), " File selected: " + name.substr(0, 64));
  EXPECT_EQ(RowText(1), "") << "nothing scrolled";
  EXPECT_EQ(RowText(3), "  This tool creates a Pick List of the files from a directory with a");
}

TEST_F(DirectoryDemoTest, MainMenuEntryEight) {
  console->QueueKeys("Space L b Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(RowText(25), " File selected: b.txt");

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space L Esc");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(ReadCellColor(10, 30), 113) << "back in the menu on Directory Pick List";
  EXPECT_EQ(RowText(25), "Choose a File from a Pick List");
}

}  // namespace
}  // namespace tarvana
