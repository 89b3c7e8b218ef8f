// The multi-pick pick list demonstration on the headless console: the list,
// the report of the selected animals with its count, and the selections kept
// between visits.

#include <gtest/gtest.h>

#include "console/console.h"
#include "demo/demo.h"
#include "demo/demo_test_support.h"
#include "demo/screens.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::MenuBarRow;
using test_support::RowText;
using test_support::ScreenText;

class MultiPickDemoTest : public test_support::DemoScreenTest {
 protected:
  bool RunScreen(const char* keys) {
    return DemoScreenTest::RunScreen(demo::RunMultiPickDemo, keys);
  }
};

TEST_F(MultiPickDemoTest, ExplainsAndShowsTheList) {
  ASSERT_TRUE(RunScreen(""));
  EXPECT_EQ(RowText(1),
            "  A Multi-Pick Pick List is a very powerful interface tool.  It allows you");
  EXPECT_EQ(RowText(9), "  directly to that word.  Give it a try now:");
  EXPECT_NE(RowText(11).find(" Animals "), std::string::npos);
  EXPECT_EQ(ReadCell(11, 20), 218);
  EXPECT_EQ(ReadCell(22, 35), 217);
  EXPECT_EQ(ScreenText(12, 21, 9), " Aardvark");
  EXPECT_EQ(ReadCellColor(12, 21), 113);
}

TEST_F(MultiPickDemoTest, SelectingOnlyCatReportsOneAnimal) {
  ASSERT_TRUE(RunScreen("C Enter Esc"));
  EXPECT_EQ(data.picked[9], -1);
  EXPECT_EQ(RowText(1), "Cat");
  EXPECT_EQ(RowText(2), "");
  EXPECT_EQ(RowText(3), "You selected 1 animal.");
  EXPECT_EQ(RowText(4), "");
  EXPECT_EQ(RowText(5),
            "  Press Esc to return to the main menu, or any other key to display the multi-");
  EXPECT_EQ(RowText(6),
            "  pick pick list again (leaving the selected animals marked as selected).");
  EXPECT_EQ(ReadCellColor(1, 1), 113) << "cleared in the list's bar colour";
  EXPECT_EQ(ReadCellColor(3, 1), 113);
  EXPECT_EQ(ReadCellColor(5, 3), 0x70) << "black, keeping the background";
  EXPECT_EQ(ReadCellColor(25, 80), 113);
}

TEST_F(MultiPickDemoTest, SelectingNothingReportsZeroAnimals) {
  ASSERT_TRUE(RunScreen("Esc"));
  EXPECT_EQ(RowText(1), "");
  EXPECT_EQ(RowText(3), "You selected 0 animals.");
}

TEST_F(MultiPickDemoTest, NamesRunFourToARow) {
  // Aardvark, Antelope, Beaver, Cat, Chicken: reported in array order.
  ASSERT_TRUE(RunScreen("Enter Enter Enter Enter Enter Esc"));
  EXPECT_EQ(ScreenText(1, 1, 68), "Beaver" + std::string(13, ' ') + "Cat" + std::string(17, ' ') +
                                      "Antelope" + std::string(12, ' ') + "Chicken" +
                                      std::string(2, ' '));
  EXPECT_EQ(RowText(2), "Aardvark");
  EXPECT_EQ(RowText(4), "You selected 5 animals.");
}

TEST_F(MultiPickDemoTest, AnyOtherKeyShowsTheListAgainWithTheSelections) {
  ASSERT_TRUE(RunScreen("C Enter Esc x"));
  EXPECT_EQ(RowText(3), "You selected 1 animal.") << "the list opens over the report";
  EXPECT_EQ(ReadCell(15, 21), 0xFB) << "Cat still marked";
  EXPECT_EQ(ReadCellColor(15, 30), 30);
  EXPECT_FALSE(RunScreen("Esc Esc"));
  EXPECT_EQ(data.picked[9], -1);
}

TEST_F(MultiPickDemoTest, SelectionsOutliveAVisit) {
  console->QueueKeys("Space M C Enter Esc Esc");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(MenuBarRow(), 13) << "back in the menu on Multi-Pick Pick List";
  EXPECT_EQ(RowText(25), "Use a Multiple-Pick Pick List");

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space M C Enter Esc Esc M");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(ReadCell(15, 21), 0xFB) << "Cat is still selected on the next visit";
  EXPECT_EQ(ScreenText(15, 22, 3), "Cat");
}

}  // namespace
}  // namespace tarvana
