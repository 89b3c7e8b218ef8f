// The file viewer demonstration on the headless console: a file picked from
// the directory list is shown in the viewer, a long name included; a directory
// or Esc in the list leads back to the menu.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "console/console.h"
#include "demo/demo.h"
#include "demo/screens.h"
#include "testing/headless_test_support.h"
#include "text/view_test_files.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;
using test_support::ViewTestFiles;

const std::string kLongName = "a_file_with_a_long_name.txt";
const std::string kKeyHelp = "\x18, \x19, PgUp, PgDn, \x1A, \x1B, Home, End, Alt-L, Esc to Exit";

// Runs the demonstration in a directory of its own holding TVTools.LST, a
// short-named file, a long-named one and a subdirectory.
class FileViewerDemo : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    test_support::EnableClicks();
    files.Write("TVTools.LST", "list\n");
    files.Write("notes.txt", test_support::NumberedLines(100));
    std::string lines;
    for (int i = 1; i <= 60; ++i)
      lines += "Long " + std::to_string(i) + "\n";
    files.Write(kLongName, lines);
    std::filesystem::create_directory(files.Path("sub"));
    home = std::filesystem::current_path();
    std::filesystem::current_path(files.Dir());
  }
  void TearDown() override { std::filesystem::current_path(home); }

  // Runs the screen over the queued keys: true when it still waits for input.
  bool RunScreen(const char* keys) {
    console->QueueKeys(keys);
    try {
      demo::RunFileViewerDemo();
      return false;
    } catch (const HeadlessInputExhausted&) {
      return true;
    }
  }
  std::string PageRow(int r) {
    std::string text = ScreenText(2 + r, 4, 73);
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
  }

  ViewTestFiles files;
  std::filesystem::path home;
};

TEST_F(FileViewerDemo, ListsTheDirectoryFirst) {
  ASSERT_TRUE(RunScreen(""));
  EXPECT_NE(RowText(3).find(" Select a File to View "), std::string::npos);
  EXPECT_EQ(ReadCell(3, 15), 201) << "double frame from column 15";
  const char* const names[] = {".", "..", "a_file_with_a_l", "notes.txt", "sub", "TVTools.LST"};
  for (int r = 4; r <= 9; ++r)
    EXPECT_EQ(ScreenText(r, 17, 15), (names[r - 4] + std::string(15, ' ')).substr(0, 15))
        << RowText(r);
  EXPECT_EQ(ReadCell(10, 15), 200) << "the list fits its six entries";
  EXPECT_EQ(RowText(25), "");
}

TEST_F(FileViewerDemo, AFileWithALongNameOpensAndPages) {
  ASSERT_TRUE(RunScreen("a Enter"));
  EXPECT_NE(RowText(2).find(" " + kLongName + " "), std::string::npos) << RowText(2);
  EXPECT_EQ(PageRow(1), "Long 1");
  EXPECT_EQ(RowText(25), std::string(13, ' ') + kKeyHelp);
  EXPECT_EQ(ReadCell(23, 79), 219) << "block shadow";

  ASSERT_TRUE(RunScreen("a Enter PgDn PgDn"));
  EXPECT_EQ(PageRow(1), "Long 41");
  EXPECT_EQ(PageRow(20), "Long 60");
  EXPECT_FALSE(RunScreen("a Enter PgDn Esc"));
}

TEST_F(FileViewerDemo, ADirectoryOrEscShowsNoViewer) {
  EXPECT_FALSE(RunScreen("s Enter")) << "the directory cannot be shown";
  EXPECT_EQ(RowText(2), "");
  EXPECT_FALSE(RunScreen("Esc"));
  EXPECT_EQ(RowText(25), "");
}

TEST_F(FileViewerDemo, MainMenuEntryNineShowsAFileAndComesBack) {
  console->QueueKeys("Space V n Enter End Alt+L 5 0 Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(PageRow(1), "Line 50");
  EXPECT_NE(RowText(2).find(" notes.txt "), std::string::npos);

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space V n Enter Esc");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(ReadCellColor(11, 30), 113) << "back in the menu on File Viewer";
  EXPECT_EQ(RowText(25), "View a File");
}

}  // namespace
}  // namespace tarvana
