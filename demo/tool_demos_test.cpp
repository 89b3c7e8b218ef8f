// The calendar, conversion, date, internal-tool and screen demonstration
// screens, with the clock fixed at 15 May 2004, 14:00:00.

#include <gtest/gtest.h>

#include "console/console.h"
#include "demo/demo.h"
#include "testing/headless_test_support.h"
#include "tools/internal_tools.h"

namespace tarvana {
namespace {

using test_support::RowText;
using test_support::ScreenText;

class ToolDemos : public test_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    console->SetClock({2004, 5, 15, 14, 0, 0, 0});
  }
  // Runs the demonstration on the keys until it waits for more.
  void RunUntilWaiting(const char* keys) {
    console->QueueKeys(keys);
    EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted) << keys;
  }
  bool InMainMenu() { return RowText(2).find("Demo Main Menu") != std::string::npos; }
};

TEST_F(ToolDemos, ConversionsSpellNumbersAndConvertTemperatures) {
  RunUntilWaiting("Space n 1 3 2 Enter - 4 0 Enter");
  EXPECT_EQ(RowText(8), "    one hundred thirty-two");
  EXPECT_EQ(RowText(16), "    Celsius equivalent:-40");
  EXPECT_EQ(RowText(17), "     Kelvin equivalent: 233.15");
  EXPECT_EQ(ReadCellColor(16, 5), 0x71) << "in the field's normal colour";
  EXPECT_EQ(RowText(19), "  Press any key to return to the menu.");
  EXPECT_EQ(ReadCellColor(19, 3), 0x70);
  EXPECT_EQ(RowText(11),
            "  The Toolbox can also convert temperatures between Fahrenheit, Celsius,");

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space n 2 Enter 2 1 2 Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(RowText(16), "    Celsius equivalent: 100");
  EXPECT_EQ(RowText(17), "     Kelvin equivalent: 373.15");
}

TEST_F(ToolDemos, EscInAFieldReturnsToTheMenu) {
  for (const char* keys : {"Space n Esc", "Space n 5 Enter Esc", "Space i Esc", "Space d Esc",
                           "Space d 0 7 0 4 6 5 Enter x Esc"}) {
    auto& fresh = UseHeadlessConsole(80, 25);
    fresh.QueueKeys(keys);
    EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted) << keys;
    EXPECT_TRUE(InMainMenu()) << keys;
  }
}

TEST_F(ToolDemos, InternalToolsReportTheDrive) {
  RunUntilWaiting("Space i q Enter");
  EXPECT_EQ(RowText(19), "    Invalid drive specifier.");
  EXPECT_NE(RowText(9).find("  The name of this program is: " + ProgramName().substr(0, 3)),
            std::string::npos);

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space i c Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(RowText(19).substr(0, 17), "    Clusters are ");
  EXPECT_EQ(RowText(20).substr(0, 27), "    Total space available: ");
  EXPECT_NE(RowText(20).find(','), std::string::npos) << "grouped digits";
  EXPECT_EQ(RowText(23), "  Press any key to return to the menu.");
}

TEST_F(ToolDemos, DateToolsWalkThroughDatesAndTimes) {
  RunUntilWaiting("Space d 0 7 0 4 6 5 Enter");
  EXPECT_EQ(RowText(9), "  Dates can be formatted in each of these ways:");
  EXPECT_EQ(RowText(11).substr(0, 4), "    ");
  EXPECT_EQ(RowText(24), "  Press any key to continue.");

  auto& b = UseHeadlessConsole(80, 25);
  b.SetClock({2004, 5, 15, 14, 0, 0, 0});
  b.QueueKeys("Space d 0 7 0 4 6 5 Enter x 1 0 Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(RowText(3), "  The Julian number of your birthdate is 2438946");
  EXPECT_EQ(RowText(4), "  You were born on a Sunday");
  EXPECT_EQ(RowText(5), "  You are 14195 days old.");
  EXPECT_EQ(RowText(15), "  The date, in 10 days, will be (or was): 05/25/2004");

  auto& c = UseHeadlessConsole(80, 25);
  c.SetClock({2004, 5, 15, 14, 0, 0, 0});
  c.QueueKeys("Space d 0 7 0 4 6 5 Enter x 1 0 Enter x 1 4 0 5 0 9 2 5 Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(RowText(5), "  Times can be formatted in each of these ways:");
  EXPECT_EQ(RowText(20), "  That time occurred 50709.25 seconds after midnight.");
  EXPECT_EQ(RowText(23), "  Press any key to return to the menu.");
}

TEST_F(ToolDemos, CalendarsScrollThenSelect) {
  RunUntilWaiting("Space c");
  EXPECT_EQ(ScreenText(2, 2, 20), "      May 2004      ");
  EXPECT_EQ(ReadCellColor(6, 20), 0x74) << "today";
  EXPECT_EQ(ScreenText(3, 26, 45), "This calendar block is for the current month.");
  EXPECT_EQ(ScreenText(12, 2, 20), "      May 2004      ") << "the scrolling calendar";

  auto& again = UseHeadlessConsole(80, 25);
  again.SetClock({2004, 5, 15, 14, 0, 0, 0});
  again.QueueKeys("Space c Right Esc Right Enter Down Enter");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  // Right on Saturday the 15th wraps to Sunday the 9th; the second pass starts there.
  EXPECT_EQ(RowText(24), "You selected 05/16/2004");
  EXPECT_EQ(ScreenText(14, 26, 20), "This calendar is a s");

  auto& quit = UseHeadlessConsole(80, 25);
  quit.QueueKeys("Space c Esc Esc");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_TRUE(InMainMenu());
}

TEST_F(ToolDemos, ScreenToolsRecolourClearAndFill) {
  RunUntilWaiting("Space s x");
  EXPECT_EQ(ReadCellColor(3, 3), 0x4F);
  EXPECT_EQ(ScreenText(3, 1, 10), "  The Tarv");
  EXPECT_EQ(RowText(25), std::string(27, ' ') + "Press any key to continue.");

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space s x x");
  EXPECT_THROW(demo::RunDemo(), HeadlessInputExhausted);
  EXPECT_EQ(ScreenText(1, 1, 80), std::string(80, ' '));
  EXPECT_EQ(ReadCellColor(12, 80), 0x27);
  EXPECT_EQ(ScreenText(13, 2, 79), std::string(79, '*'));
  EXPECT_EQ(ReadCellColor(24, 80), 0x17);
  EXPECT_EQ(ReadCellColor(13, 1), 0x4F) << "column 1 keeps the recoloured screen";
}

}  // namespace
}  // namespace tarvana
