// The data entry screen of the demonstration, headlessly through RunDemo with
// queued keys (end to end: data_entry_demo_e2e_posix_test.cpp).

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "demo/demo.h"
#include "demo/demo_test_support.h"
#include "testing/headless_test_support.h"
#include "testing/screen_golden.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::MenuBarRow;
using test_support::RowText;
using test_support::ScreenMatchesGolden;
using test_support::ScreenShows;
using test_support::ScreenText;
using test_support::WaitsForInput;

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

}  // namespace
}  // namespace tarvana
