// The demonstration from start to farewell on the headless console: title
// screen, main menu, quitting, the sample dialog and the windowing screen.

#include <gtest/gtest.h>

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
using test_support::ScreenText;
using test_support::WaitsForInput;

class DemoTest : public HeadlessTest {
 protected:
};

TEST_F(DemoTest, TitleScreen) {
  ASSERT_TRUE(WaitsForInput());
  EXPECT_TRUE(ScreenMatchesGolden("demo/testdata/title_screen.txt"));
  EXPECT_EQ(ScreenWidth(), 80);
  EXPECT_EQ(ScreenHeight(), 25);
  EXPECT_TRUE(console->MouseReporting());
}

TEST_F(DemoTest, MainMenu) {
  console->QueueKeys("Space");
  ASSERT_TRUE(WaitsForInput());
  EXPECT_TRUE(ScreenMatchesGolden("demo/testdata/main_menu.txt"));
  EXPECT_EQ(RowText(25), "Sample Bar Menu");
}

TEST_F(DemoTest, QuittingAsksFirstAndEndsWithTheFarewell) {
  console->QueueKeys("Space Down Esc");
  ASSERT_TRUE(WaitsForInput());
  EXPECT_NE(RowText(9).find(" Confirm Quitting "), std::string::npos);
  EXPECT_EQ(ScreenText(11, 27, 30), "Are you sure you want to quit?");

  UseHeadlessConsole(80, 25);
  console = nullptr;
  auto& fresh = UseHeadlessConsole(80, 25);
  fresh.QueueKeys("Space Down Esc n");
  try {
    demo::RunDemo();
  } catch (const HeadlessInputExhausted&) {
  }
  EXPECT_EQ(MenuBarRow(), 4) << "back in the menu on the same entry";

  auto& quitting = UseHeadlessConsole(100, 30);
  Locate(3, 1);
  PrintText("before");
  quitting.QueueKeys("Space Esc Enter Esc y");
  EXPECT_EQ(demo::RunDemo(), 0);
  EXPECT_EQ(ScreenWidth(), 100) << "the start-up size is back";
  EXPECT_EQ(ScreenHeight(), 30);
  EXPECT_EQ(RowText(3), "before");
  EXPECT_EQ(RowText(4), "Thank you for your interest in the Tarvana Toolbox!");
  EXPECT_EQ(RowText(6), "For a complete list of the functions and procedures in the Tarvana");
  EXPECT_EQ(RowText(7), "Toolbox, please refer to the file TVTools.LST.");
  EXPECT_FALSE(quitting.FullScreen());
  EXPECT_NE(quitting.Stream().find("Thank you for your interest"), std::string::npos);
}

TEST_F(DemoTest, EscInTheQuitDialogAlsoQuits) {
  console->QueueKeys("Space Esc Esc");
  EXPECT_EQ(demo::RunDemo(), 0);
}

TEST_F(DemoTest, SampleDialogClosesOnAClick) {
  console->QueueKeys("Space End Up Up Up Up Up Up Up Enter");  // entry 7
  ASSERT_TRUE(WaitsForInput());
  EXPECT_NE(RowText(7).find(" Sample Dialog Box "), std::string::npos);
  EXPECT_EQ(ReadCell(16, 40), 0xF0);

  auto& again = UseHeadlessConsole(80, 25);
  again.QueueKeys("Space g");
  again.QueueClick(2, 2, 2);
  try {
    demo::RunDemo();
  } catch (const HeadlessInputExhausted&) {
  }
  EXPECT_EQ(MenuBarRow(), 9) << "back in the menu on Dialog Boxes";
  EXPECT_EQ(RowText(25), "Sample Dialog Box");
}

TEST_F(DemoTest, WindowingSamples) {
  console->QueueKeys("Space W");
  ASSERT_TRUE(WaitsForInput());
  EXPECT_TRUE(ScreenMatchesGolden("demo/testdata/windowing_samples.txt"));
}

// Keys typed ahead are read every frame: an Esc behind 3,000 of them ends the
// moving box at once, not 3,000 frames (48 seconds) later.
TEST_F(DemoTest, MovingBoxAnswersEscBehindABurstOfKeys) {
  console->QueueKeys("Space W Space");
  console->QueueText(std::string(3000, 'x'));
  console->QueueKeys("Esc");
  ASSERT_TRUE(WaitsForInput());
  EXPECT_EQ(MenuBarRow(), 16) << "back in the menu on Windowing Tools";
  EXPECT_LT(console->MonotonicMs(), 1000) << "frames of 16 ms shown before the Esc was read";
}

TEST_F(DemoTest, MovingBoxStaysInsideItsAreaAndStopsOnEsc) {
  console->QueueKeys("Space W Space");
  for (int i = 0; i < 400; ++i)
    console->QueueKeys("x");
  console->QueueKeys("Esc");
  ASSERT_TRUE(WaitsForInput());
  EXPECT_EQ(MenuBarRow(), 16) << "back in the menu on Windowing Tools";

  // 400 frames of moving.
  auto& again = UseHeadlessConsole(80, 25);
  again.SetPollLimit(400);
  again.QueueKeys("Space W Space");
  try {
    demo::RunDemo();
  } catch (const HeadlessInputExhausted&) {
  }
  // The box (frame colour 78) and its shadow never leave rows 2-24, columns 4-77.
  int boxCells = 0;
  for (int row = 1; row <= 25; ++row)
    for (int col = 1; col <= 80; ++col) {
      const int attr = ReadCellColor(row, col);
      if (attr != 78 && attr != 71 && attr != 79) continue;
      ++boxCells;
      EXPECT_TRUE(row >= 2 && row <= 23 && col >= 4 && col <= 76) << row << "," << col;
    }
  EXPECT_EQ(boxCells, 9 * 16);
}

}  // namespace
}  // namespace tarvana
