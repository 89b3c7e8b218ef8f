// The conversion, date, screen-effect and internal-tool screens end to end in
// a pseudo-terminal, as a person types into them.

#include <gtest/gtest.h>

#include <string>

#include "testing/demo_session.h"

namespace tarvana {
namespace {

using test_support::DemoProgram;
using test_support::Press;
using test_support::PtyTerminal;

// Terminal palette indexes of the text-mode colours the screens use.
constexpr int kAnsiBlue = 4, kAnsiGreen = 2, kAnsiRed = 1, kAnsiWhite = 15, kAnsiGrey = 7;

class ToolDemosEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test_support::ReachMainMenu(term)) << term.Screen().Text(); }
  void TearDown() override {
    EXPECT_TRUE(test_support::LeaveDemo(term)) << term.Screen().Text();
    EXPECT_EQ(term.ExitStatus(), 0);
  }
  std::string Row(int row) { return term.Screen().RowText(row); }
  PtyTerminal term{{DemoProgram()}, TARVANA_SOURCE_DIR};
};

TEST_F(ToolDemosEndToEnd, ConversionsSpellAndConvert) {
  ASSERT_TRUE(Press(term, "n"));
  ASSERT_TRUE(term.WaitForText("Enter a Number:")) << term.Screen().Text();
  term.SendKeys("132\r");
  // The help line above already quotes the words; wait for the answer's row.
  ASSERT_TRUE(term.WaitUntil([&] { return Row(8) == "    one hundred thirty-two"; }))
      << term.Screen().Text();
  ASSERT_TRUE(term.WaitForText("Enter a Temperature:"));
  term.SendKeys("-40\r");
  ASSERT_TRUE(term.WaitForText("Press any key to return to the menu.")) << term.Screen().Text();
  EXPECT_EQ(Row(16), "    Celsius equivalent:-40");
  EXPECT_EQ(Row(17), "     Kelvin equivalent: 233.15");
  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu"));
}

TEST_F(ToolDemosEndToEnd, DateToolsShowTheTwelveDateFormatsAndTwelveTimeForms) {
  ASSERT_TRUE(Press(term, "d"));
  ASSERT_TRUE(term.WaitForText("Enter your birthdate:")) << term.Screen().Text();
  term.SendKeys("070465\r");
  ASSERT_TRUE(term.WaitForText("Press any key to continue.")) << term.Screen().Text();
  const char* const dates[] = {"7/4/65",   "07/04/65",   "7/4/1965",    "07/04/1965",
                               "4/7/65",   "04/07/65",   "4/7/1965",    "04/07/1965",
                               "4 JUL 65", "4 JUL 1965", "4 July 1965", "July 4, 1965"};
  for (int f = 1; f <= 12; ++f)
    EXPECT_EQ(Row(10 + f), std::string("    ") + dates[f - 1]) << "format " << f;

  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Number of Days:")) << term.Screen().Text();
  EXPECT_EQ(Row(3), "  The Julian number of your birthdate is 2438946");
  EXPECT_EQ(Row(4), "  You were born on a Sunday");
  term.SendKeys("10\r");
  ASSERT_TRUE(term.WaitForText("days, will be (or was):")) << term.Screen().Text();

  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Now enter a time")) << term.Screen().Text();
  term.SendKeys("14050925\r");
  ASSERT_TRUE(term.WaitForText("seconds after midnight.")) << term.Screen().Text();
  const char* const times[] = {"02:05:09.25p", "14:05:09.25", "2:05:09.25p", "14:05:09.25",
                               "02:05:09p",    "14:05:09",    "2:05:09p",    "14:05:09",
                               "02:05p",       "14:05",       "2:05p",       "14:05"};
  for (int i = 0; i < 12; ++i)
    EXPECT_EQ(Row(7 + i), std::string("    ") + times[i]) << "form " << i + 1;
  EXPECT_EQ(Row(20), "  That time occurred 50709.25 seconds after midnight.");
  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu"));
}

TEST_F(ToolDemosEndToEnd, ScreenEffectsRecolourClearAndFill) {
  ASSERT_TRUE(Press(term, "s"));
  ASSERT_TRUE(term.WaitForText("any key.")) << term.Screen().Text();
  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Press any key to continue."));
  auto cell = term.Screen().CellAt(3, 3);
  EXPECT_EQ(cell.ch, U'T');
  EXPECT_EQ(cell.fg, kAnsiWhite);
  EXPECT_EQ(cell.bg, kAnsiRed);
  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitUntil([&] { return term.Screen().CellAt(13, 2).ch == U'*'; }));
  cell = term.Screen().CellAt(5, 40);
  EXPECT_EQ(cell.ch, U' ');
  EXPECT_EQ(cell.bg, kAnsiGreen);
  cell = term.Screen().CellAt(24, 80);
  EXPECT_EQ(cell.ch, U'*');
  EXPECT_EQ(cell.fg, kAnsiGrey);
  EXPECT_EQ(cell.bg, kAnsiBlue);
  EXPECT_EQ(term.Screen().CellAt(13, 1).bg, kAnsiRed) << "column 1 keeps the recoloured screen";
  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu"));
}

TEST_F(ToolDemosEndToEnd, AnInvalidDriveLetterIsReported) {
  ASSERT_TRUE(Press(term, "i"));
  ASSERT_TRUE(term.WaitForText("Enter a drive letter:")) << term.Screen().Text();
  term.SendKeys("q\r");
  ASSERT_TRUE(term.WaitForText("Invalid drive specifier.")) << term.Screen().Text();
  EXPECT_EQ(Row(19), "    Invalid drive specifier.");
  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu"));
}

TEST_F(ToolDemosEndToEnd, TheBarMenuSkipsTheDisabledRunEntry) {
  ASSERT_TRUE(Press(term, "a"));
  ASSERT_TRUE(term.WaitForText("File menu (save, shell, print, etc.)")) << term.Screen().Text();
  for (int i = 0; i < 3; ++i)
    ASSERT_TRUE(Press(term, "\x1b[C"));  // Right
  EXPECT_EQ(Row(25), "Compile menu (compile, find error, get info, etc.)");
  // The hot key of Run does nothing: the Left after it moves from Compile over
  // Run to Search, and no choice is reported.
  term.SendKeys("r");
  ASSERT_TRUE(Press(term, "\x1b[D"));  // Left
  ASSERT_TRUE(term.WaitUntil([&] {
    return Row(25) == "Search menu (find, replace, repeat search, etc.)";
  })) << term.Screen().Text();
  EXPECT_EQ(Row(10), "") << "the disabled Run was chosen";
}

}  // namespace
}  // namespace tarvana
