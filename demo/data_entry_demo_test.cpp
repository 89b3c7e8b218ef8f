// The data entry screen of the demonstration: headlessly through RunDemo with
// queued keys, and end to end in a pseudo-terminal.

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "demo/demo.h"
#include "demo/demo_test_support.h"
#include "testing/headless_test_support.h"
#include "testing/pty_terminal.h"
#include "testing/screen_golden.h"

namespace tarvana {
namespace {

using testing::HeadlessTest;
using testing::MenuBarRow;
using testing::RowText;
using testing::ScreenMatchesGolden;
using testing::ScreenShows;
using testing::ScreenText;
using testing::WaitsForInput;

// "Space" passes the title screen; "E" is the hot key of Data Entry.
constexpr const char* kOpenScreen = "Space E ";
constexpr int kStateCol = 38, kZipCol = 52;

class DataEntryDemoTest : public HeadlessTest {
 protected:
  bool Run(const std::string& keys) {
    console->QueueKeys(kOpenScreen + keys);
    return WaitsForInput();
  }
};

TEST_F(DataEntryDemoTest, ShowsTheExplanationAndTheForm) {
  ASSERT_TRUE(Run(""));
  EXPECT_TRUE(ScreenMatchesGolden("demo/testdata/data_entry.txt"));
  EXPECT_EQ(RowText(3), "  The Tarvana Toolbox includes four powerful and flexible data entry");
  EXPECT_EQ(RowText(7),
            "  EntryScreen function.  To return to the menu, press the Esc or F10 key.");
  EXPECT_EQ(ScreenText(14, kZipCol, 10), "00000-0000") << "the zip code before any typing";
  EXPECT_EQ(ScreenText(15, 17, 14), "(000) 000-0000");
  EXPECT_EQ(ReadCellColor(11, 15), 11) << "editing starts in First Name";
}

TEST_F(DataEntryDemoTest, EscGoesBackToTheMenuWithoutAMessage) {
  ASSERT_TRUE(Run("a Esc"));
  EXPECT_EQ(MenuBarRow(), 7) << "back in the menu on Data Entry";
  EXPECT_FALSE(ScreenShows("You pressed"));
}

TEST_F(DataEntryDemoTest, F10Reports) {
  struct Case {
    const char* keys;
    const char* report;
  } cases[] = {
      {"F10", "  You did not enter data in any fields."},
      {"Tab Tab F10", "  You did not enter data in any fields."},
      {"a Tab Tab F10", "  You entered data in at least one field."},
      {"Up 5 Down Down F10", "  You entered data in at least one field."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    console = &UseHeadlessConsole();
    ASSERT_TRUE(Run(c.keys));
    EXPECT_EQ(RowText(18), "  You pressed F10 to exit the entry screen.");
    EXPECT_EQ(RowText(19), c.report);
    EXPECT_EQ(RowText(20), "");
    EXPECT_EQ(RowText(21), "  Press any key to return to the menu.");
    EXPECT_EQ(ReadCellColor(18, 3), 116) << "in the colour the last field left";
  }

  console = &UseHeadlessConsole();
  ASSERT_TRUE(Run("F10 x"));
  EXPECT_EQ(MenuBarRow(), 7) << "any key goes back to the menu";
}

TEST_F(DataEntryDemoTest, StateIsUpperCasedAndMovesOnToTheZipCode) {
  ASSERT_TRUE(Run("Down Down Down Down n y"));
  EXPECT_EQ(ScreenText(14, kStateCol, 2), "NY");
  EXPECT_EQ(ReadCellColor(14, kStateCol), 116) << "State is done";
  EXPECT_EQ(ScreenText(14, kZipCol, 10), "00000-0000");
  EXPECT_EQ(ReadCellColor(14, kZipCol), 11) << "Zip Code is being edited";

  console = &UseHeadlessConsole();
  ASSERT_TRUE(Run("Down Down Down Down n y 1 2 3 4 5 6 7 8 9"));
  EXPECT_EQ(ScreenText(14, kZipCol, 10), "12345-6789");
  EXPECT_EQ(ReadCellColor(14, kZipCol), 116);
  EXPECT_EQ(ReadCellColor(15, 17), 11) << "filling the zip code moves on to Phone Number";
}

// End to end: the program in a pseudo-terminal, keys as a terminal sends them.
const std::string kDemo = std::string(TARVANA_BINARY_DIR) + "/bin/tarvana-demo";

TEST(DataEntryDemoEndToEnd, StateZipCodeAndTheF10Report) {
  testing::PtyTerminal term({kDemo}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  ASSERT_TRUE(term.WaitForText("Tarvana")) << term.Screen().Text();
  term.SendKeys(" ");
  ASSERT_TRUE(term.WaitForText("Data Entry")) << term.Screen().Text();
  term.SendKeys("E");
  ASSERT_TRUE(term.WaitForText("Phone Number: (000) 000-0000")) << term.Screen().Text();
  const auto& screen = term.Screen();
  EXPECT_NE(screen.RowText(14).find("Zip Code: 00000-0000"), std::string::npos);

  term.SendKeys("\x1b[B\x1b[B\x1b[B\x1b[B");
  ASSERT_TRUE(term.WaitUntil([&] { return screen.CursorRow() == 14 && screen.CursorCol() == 38; }))
      << "cursor at " << screen.CursorRow() << "," << screen.CursorCol();
  term.SendKeys("ny");
  ASSERT_TRUE(term.WaitUntil([&] {
    return screen.RowText(14).find("State: NY") != std::string::npos && screen.CursorRow() == 14 &&
           screen.CursorCol() == kZipCol;
  })) << term.Screen().Text()
      << "cursor at " << screen.CursorRow() << "," << screen.CursorCol();
  EXPECT_TRUE(screen.CursorVisible());

  term.SendKeys("\x1b[21~");  // F10
  ASSERT_TRUE(term.WaitForText("You entered data in at least one field.")) << screen.Text();
  EXPECT_TRUE(screen.Contains("You pressed F10 to exit the entry screen."));

  term.SendKeys("x");
  ASSERT_TRUE(term.WaitUntil([&] { return !screen.Contains("You pressed F10"); }));
  term.SendKeys("\x1b");
  ASSERT_TRUE(term.WaitForText("quit?")) << screen.Text();
  term.SendKeys("y");
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0);
}

}  // namespace
}  // namespace tarvana
