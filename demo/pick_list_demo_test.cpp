// The pick list demonstration on the headless console: its text, the list of
// animals, reports of the choices, and the way back to the main menu.

#include <gtest/gtest.h>

#include "console/console.h"
#include "demo/demo.h"
#include "demo/demo_test_support.h"
#include "demo/screens.h"
#include "testing/headless_test_support.h"
#include "testing/screen_golden.h"

namespace tarvana {
namespace {

using test_support::MenuBarRow;
using test_support::RowText;
using test_support::ScreenText;

class PickListDemoTest : public test_support::DemoScreenTest {
 protected:
  bool RunScreen(const char* keys) {
    return DemoScreenTest::RunScreen(demo::RunPickListDemo, keys);
  }
};

TEST_F(PickListDemoTest, ExplainsAndShowsTheSortedAnimals) {
  ASSERT_TRUE(RunScreen(""));
  EXPECT_EQ(RowText(1),
            "  A Pick List is a very powerful interface tool.  It allows you to present");
  EXPECT_EQ(RowText(6), "  and jump directly to that word.  Give it a try now:");
  EXPECT_EQ(ReadCellColor(1, 3), 0x70);
  EXPECT_NE(RowText(8).find(" Animals "), std::string::npos);
  EXPECT_EQ(ReadCell(8, 20), 218);
  EXPECT_EQ(ReadCell(22, 35), 217) << "automatic width: column 35";
  EXPECT_EQ(ScreenText(9, 21, 14), " Aardvark     ");
  EXPECT_EQ(ReadCellColor(9, 25), 0x71);
  EXPECT_EQ(ReadCell(22, 34), 25);
  EXPECT_EQ(ReadCell(9, 35), 219);
  EXPECT_EQ(RowText(25), "");
}

TEST_F(PickListDemoTest, TypingWThenEnterReportsWeasel) {
  ASSERT_TRUE(RunScreen("W Enter"));
  EXPECT_EQ(ScreenText(25, 1, 42), "  You selected Weasel" + std::string(21, ' '));
  EXPECT_EQ(ReadCellColor(25, 3), 0x71) << "in the colour the list left: its bar colour";
  EXPECT_EQ(ScreenText(9, 21, 14), " Aardvark     ") << "the list opens afresh";
  EXPECT_EQ(ReadCellColor(9, 25), 0x71);
  EXPECT_TRUE(test_support::ScreenMatchesGolden("demo/testdata/pick_list_demo.txt"));
}

TEST_F(PickListDemoTest, AShorterNameReplacesALongerOne) {
  ASSERT_TRUE(RunScreen("H i Enter"));
  EXPECT_EQ(RowText(25), "  You selected Hippopotamus");
  ASSERT_TRUE(RunScreen("H i Enter c Enter"));
  EXPECT_EQ(RowText(25), "  You selected Cat");
  ASSERT_TRUE(RunScreen("End Enter"));
  EXPECT_EQ(RowText(25), "  You selected Woodpecker");
}

TEST_F(PickListDemoTest, EscEndsTheScreen) {
  EXPECT_FALSE(RunScreen("Down Esc"));
  EXPECT_FALSE(RunScreen("Esc"));
  SetMouse(true);
  console->QueueClick(12, 25, 2);
  EXPECT_FALSE(RunScreen(""));
}

TEST_F(PickListDemoTest, MainMenuEntryTwelve) {
  console->QueueKeys("Space P W Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(RowText(25), "  You selected Weasel");
  EXPECT_EQ(RowText(1),
            "  A Pick List is a very powerful interface tool.  It allows you to present");

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space P Esc");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(MenuBarRow(), 14) << "back in the menu on Pick List";
  EXPECT_EQ(RowText(25), "Use a Pick List");
}

}  // namespace
}  // namespace tarvana
