// The file viewer demonstration end to end in a pseudo-terminal: a file with
// a long name picked from the list opens, pages, jumps to its end and to a
// line, and Esc leads back to the menu; a UTF-8 file shows its characters,
// wide ones cut by the window's edge as blanks.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/demo_session.h"
#include "text/view_test_files.h"

namespace tarvana {
namespace {

using test_support::DemoProgram;
using test_support::Press;
using test_support::PtyTerminal;

TEST(FileViewerEndToEnd, PicksALongNamedFileAndPagesThroughIt) {
  test_support::ViewTestFiles files;
  files.Write("TVTools.LST", "list\n");
  files.Write("notes.txt", test_support::NumberedLines(10));
  const std::string longName = "a_file_with_a_long_name.txt";
  std::string lines;
  for (int i = 1; i <= 60; ++i)
    lines += "Long " + std::to_string(i) + "\n";
  files.Write(longName, lines);

  PtyTerminal term({DemoProgram()}, files.Dir());
  ASSERT_TRUE(test_support::ReachMainMenu(term)) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "v"));
  ASSERT_TRUE(term.WaitForText("Select a File to View")) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "a"));
  ASSERT_TRUE(Press(term, "\r"));
  ASSERT_TRUE(term.WaitForText("Long 20")) << term.Screen().Text();
  const auto& screen = term.Screen();
  EXPECT_NE(screen.RowText(2).find(" " + longName + " "), std::string::npos) << screen.RowText(2);
  // The thumb at the top of the scroll bar, the shadow beside it.
  EXPECT_EQ(screen.RowText(3), " │ Long 1" + std::string(68, ' ') + "██");
  EXPECT_NE(screen.RowText(25).find("PgUp, PgDn"), std::string::npos);

  ASSERT_TRUE(Press(term, "\x1b[6~"));  // PgDn
  ASSERT_TRUE(term.WaitForText("Long 40")) << term.Screen().Text();
  EXPECT_EQ(screen.RowText(3).rfind(" │ Long 21 ", 0), 0u) << screen.RowText(3);
  ASSERT_TRUE(Press(term, "\x1b[F"));  // End
  ASSERT_TRUE(term.WaitForText("<End of File>")) << term.Screen().Text();
  EXPECT_EQ(screen.RowText(3).rfind(" │ <End of File> ", 0), 0u) << screen.RowText(3);
  ASSERT_TRUE(Press(term, "\x1bl"));  // Alt-L
  ASSERT_TRUE(term.WaitForText("Line number?")) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "7"));
  ASSERT_TRUE(Press(term, "\r"));
  ASSERT_TRUE(term.WaitForText("Long 26")) << term.Screen().Text();
  EXPECT_EQ(screen.RowText(3).rfind(" │ Long 7 ", 0), 0u) << screen.RowText(3);
  EXPECT_FALSE(screen.Contains("Line number?"));

  ASSERT_TRUE(Press(term, "\x1b"));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu")) << term.Screen().Text();
  EXPECT_EQ(screen.RowText(25), "View a File");
  ASSERT_TRUE(test_support::LeaveDemo(term)) << term.Screen().Text();
  EXPECT_EQ(term.ExitStatus(), 0);
}

// Columns 3 to 76 of a row as UTF-8: a cell's cluster, a blank for an empty
// cell, nothing for the cell a wide character covers.
std::string PageRow(const test_support::TerminalEmulator& screen, int row) {
  std::string text;
  for (int col = 3; col <= 76; ++col) {
    if (screen.CellWidth(row, col - 1) == 2) continue;
    const std::string cell = screen.CellText(row, col);
    text += cell.empty() ? " " : cell;
  }
  return text;
}

TEST(FileViewerEndToEnd, ShowsAUtf8FileAsText) {
  test_support::ViewTestFiles files;
  files.Write("TVTools.LST", "list\n");
  const std::vector<std::string> lines = {"Gr\u00F6\u00DFe caf\u00E9 na\u00EFve",
                                          "\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440",
                                          "\u6F22\u5B57\u30C6\u30B9\u30C8",
                                          "rocket \U0001F680 done", "abcdefghi\u6F22xyz"};
  std::string text;
  for (const std::string& line : lines)
    text += line + "\n";
  files.Write("utf8.txt", text);

  PtyTerminal term({DemoProgram()}, files.Dir());
  ASSERT_TRUE(test_support::ReachMainMenu(term)) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "v"));
  ASSERT_TRUE(term.WaitForText("Select a File to View")) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "u"));
  ASSERT_TRUE(Press(term, "\r"));
  ASSERT_TRUE(term.WaitForText("<End of File>")) << term.Screen().Text();
  const auto& screen = term.Screen();
  for (int i = 0; i < 5; ++i)
    EXPECT_EQ(PageRow(screen, 3 + i).rfind(" " + lines[i] + " ", 0), 0u) << PageRow(screen, 3 + i);

  ASSERT_TRUE(Press(term, "\x1b[C"));  // Right: half the wide character is left, as a blank
  ASSERT_TRUE(term.WaitUntil([&] { return PageRow(screen, 7) == "  xyz" + std::string(69, ' '); }))
      << PageRow(screen, 7);
  EXPECT_EQ(PageRow(screen, 5), std::string(74, ' ')) << "the CJK line scrolled away";

  ASSERT_TRUE(Press(term, "\x1b"));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu")) << term.Screen().Text();
  ASSERT_TRUE(test_support::LeaveDemo(term)) << term.Screen().Text();
  EXPECT_EQ(term.ExitStatus(), 0);
}

}  // namespace
}  // namespace tarvana
