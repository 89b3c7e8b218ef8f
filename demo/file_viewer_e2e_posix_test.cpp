// The file viewer demonstration end to end in a pseudo-terminal: a file with
// a long name picked from the list opens, pages, jumps to its end and to a
// line, and Esc leads back to the menu.

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace tarvana
