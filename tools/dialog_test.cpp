// Dialog boxes: geometry, the message layout and the ways of answering.

#include "tools/dialog.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using testing::HeadlessTest;
using testing::RowText;
using testing::ScreenText;

const BasedArray<std::string> kQuit(1, {"Are you sure you want to quit?", "",
                                        "Press Y or Esc to Quit, any other key to continue."});
const WindowRec kAuto{0, 0, 0, 0, 1, 2, 0, 2, 7, 31, 30, 27};

class DialogTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(0, 7);
    ClearScreen();
    testing::EnableClicks();
  }
  std::vector<Cell> Snapshot() {
    std::vector<Cell> cells;
    ReadScreenBlock(cells);
    return cells;
  }
};

TEST_F(DialogTest, QuitMessageIsCentredOnTheScreen) {
  ScreenSave save;
  int row = 0, col = 0;
  DrawDialog(kQuit, kAuto, "Confirm Quitting", save, row, col);
  EXPECT_EQ(row, 9);
  EXPECT_EQ(col, 17);
  EXPECT_EQ(ReadCell(9, 15), 218) << "top-left corner";
  EXPECT_EQ(ReadCell(15, 68), 217) << "bottom-right corner";
  EXPECT_EQ(ReadCellColor(16, 69), 7) << "shadow type 2 below and right";
  EXPECT_EQ(ReadCellColor(16, 15), 0x70);
  EXPECT_EQ(ScreenText(11, 27, 30), "Are you sure you want to quit?");
  EXPECT_EQ(ScreenText(12, 16, 52), std::string(52, ' ')) << "the empty line is a blank row";
  EXPECT_EQ(ScreenText(13, 17, 50), "Press Y or Esc to Quit, any other key to continue.");
  EXPECT_EQ(ReadCellColor(11, 27), 31);
  EXPECT_NE(RowText(9).find(" Confirm Quitting "), std::string::npos);
  RestoreScreen(save);
}

TEST_F(DialogTest, CallersPlacementIsUsedUnchanged) {
  ScreenSave save;
  int row = 0, col = 0;
  WindowRec rec = kAuto;
  rec.Top = 3, rec.Left = 5, rec.Bottom = 9, rec.Right = 40;
  DrawDialog(kQuit, rec, "", save, row, col);
  EXPECT_EQ(row, 3);
  EXPECT_EQ(col, 7);
  EXPECT_EQ(ReadCell(3, 5), 218);
  EXPECT_EQ(ReadCell(9, 40), 217);
  EXPECT_EQ(ScreenText(5, 17, 10), "Are you su") << "lines are centred on the message width";
}

TEST_F(DialogTest, WaitReturnsAnyKeyOrClickAndRestoresTheScreen) {
  const auto before = Snapshot();
  console->QueueKeys("n");
  EXPECT_EQ(DialogWait(kQuit, kAuto, "Confirm Quitting"), "n");
  EXPECT_EQ(Snapshot(), before);
  console->QueueClick(1, 1, 1);
  EXPECT_EQ(DialogWait(kQuit, kAuto, "Confirm Quitting"), MouseKey(mouse::kReleased, 1));
}

TEST_F(DialogTest, ChoiceWaitsForAListedKey) {
  const BasedArray<std::string> choices(1, {"Y", "N"});
  struct Case {
    const char* keys;
    int want;
  } cases[] = {{"N", 2}, {"Enter Esc Y", 1}, {"x n", 2}, {"y", 1}};
  for (const Case& c : cases) {
    console->QueueKeys(c.keys);
    EXPECT_EQ(DialogChoice(kQuit, kAuto, "", choices), c.want) << c.keys;
  }
  console->QueueClick(12, 20);
  console->QueueKeys("N");
  EXPECT_EQ(DialogChoice(kQuit, kAuto, "", choices), 2) << "clicks are ignored";
  const BasedArray<std::string> both(0, {"y", "Y"});
  console->QueueKeys("Y");
  EXPECT_EQ(DialogChoice(kQuit, kAuto, "", both), 2) << "an exact match wins";
}

TEST_F(DialogTest, BoxAnswers) {
  struct Case {
    int clickOnly;
    int row, col, button;  // button 0: press Enter instead
    KeyCode want;
  } cases[] = {
      {0, 1, 1, 1, ExtendedKey(1)},  {0, 12, 30, 2, ExtendedKey(2)}, {1, 12, 30, 2, ExtendedKey(2)},
      {1, 9, 17, 1, ExtendedKey(1)}, {0, 0, 0, 0, KeyCode("\r")},
  };
  for (const Case& c : cases) {
    if (c.button)
      console->QueueClick(c.row, c.col, c.button);
    else
      console->QueueKeys("Enter");
    EXPECT_EQ(DialogBox(kQuit, kAuto, "", c.clickOnly), c.want)
        << "clickOnly " << c.clickOnly << " at " << c.row << "," << c.col;
  }
}

TEST_F(DialogTest, ClickOnlyIgnoresLeftClicksElsewhere) {
  console->QueueClick(9, 18);
  console->QueueClick(12, 30);
  console->QueueClick(9, 17);
  EXPECT_EQ(DialogBox(kQuit, kAuto, "", 1), ExtendedKey(1));
  EXPECT_EQ(console->Queued(), 0u);
}

}  // namespace
}  // namespace tarvana
