// The bar menu and box menu demonstration screens.

#include <gtest/gtest.h>

#include "console/console.h"
#include "demo/demo.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;

class MenuDemos : public HeadlessTest {
 protected:
  void RunUntilWaiting(const char* keys) {
    console->QueueKeys(keys);
    EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted) << keys;
  }
};

TEST_F(MenuDemos, BarMenuReportsChoicesAndSkipsRun) {
  RunUntilWaiting("Space a Right Right Right Enter");
  EXPECT_EQ(RowText(10), "You selected Compile");
  EXPECT_EQ(ReadCellColor(10, 1), 0x71) << "in the help colour the menu left";
  EXPECT_EQ(ReadCellColor(1, 26), 0x5E) << "the bar is back on Compile";
  EXPECT_EQ(ReadCellColor(1, 22), 0x10) << "Run is drawn disabled";
  EXPECT_EQ(RowText(16),
            "  One of the two menu systems included in the Tarvana Toolbox is the Bar");
  EXPECT_EQ(RowText(22), "");
  EXPECT_EQ(RowText(23), "  This bar menu is similar to the one in the Corvel/DOS IDE.");
  EXPECT_EQ(RowText(25), "Compile menu (compile, find error, get info, etc.)");
}

TEST_F(MenuDemos, BarMenuShorterChoiceReplacesTheReport) {
  RunUntilWaiting("Space a Right Right Right Enter Left Left Enter r");
  EXPECT_EQ(RowText(10), "You selected Edit");
}

TEST_F(MenuDemos, EscReturnsToTheMainMenuOnTheSameEntry) {
  RunUntilWaiting("Space a Esc");
  EXPECT_EQ(ReadCellColor(3, 30), 113) << "Bar Menu highlighted";
  EXPECT_EQ(RowText(25), "Sample Bar Menu");
}

TEST_F(MenuDemos, BoxMenuReportsOnTheFirstRow) {
  RunUntilWaiting("Space b Down Down Down Enter");
  EXPECT_EQ(RowText(1), "You selected Compile Menu");
  EXPECT_EQ(ReadCell(5, 10), 220) << "frame style 15";
  EXPECT_EQ(ReadCellColor(10, 12), 0x5E) << "bar back on Compile Menu";
  EXPECT_EQ(ReadCellColor(9, 12), 0x10) << "Run Menu disabled";
  EXPECT_EQ(ReadCell(13, 25), 223);
  EXPECT_EQ(RowText(23), "  This box menu has similar choices to the menu in the Corvel/DOS IDE.");
}

}  // namespace
}  // namespace tarvana
