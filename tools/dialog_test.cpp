// Dialog boxes: geometry, the message layout and the ways of answering.

#include "tools/dialog.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;

const BasedArray<std::string> kQuit(1, {"Are you sure you want to quit?", "",
                                        "Press Y or Esc to Quit, any other key to continue."});
const WindowRec kAuto{0, 0, 0, 0, 1, 2, 0, 2, 7, 31, 30, 27};

class DialogTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(0, 7);
    ClearScreen();
    test_support::EnableClicks();
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

// Boxes without an interior or off the screen: nothing drawn, no key read,
// the empty answer.
TEST_F(DialogTest, BoxesThatDoNotFitDrawNothingAndReadNoKey) {
  const BasedArray<std::string> tall(1, 21), wide(1, {std::string(76, 'w')});
  const BasedArray<std::string> manyLines(1, 23);  // automatic top row -1: byte 255
  struct Case {
    const char* what;
    const BasedArray<std::string>* lines;
    WindowRec rec;
  } cases[] = {
      {"21 lines placed automatically", &tall, kAuto},
      {"23 lines placed automatically", &manyLines, kAuto},
      {"a 76-character line placed automatically", &wide, kAuto},
      {"no interior row", &kQuit, {3, 5, 4, 40, 1, 2, 0, 2, 7, 31, 30, 27}},
      {"columns swapped", &kQuit, {3, 40, 9, 5, 1, 2, 0, 2, 7, 31, 30, 27}},
      {"past the bottom", &kQuit, {20, 5, 26, 40, 1, 2, 0, 2, 7, 31, 30, 27}},
  };
  const auto before = Snapshot();
  for (const Case& c : cases) {
    console->QueueKeys("Y");
    ScreenSave save;
    int row = -1, col = -1;
    DrawDialog(*c.lines, c.rec, "Title", save, row, col);
    EXPECT_FALSE(save.Live()) << c.what;
    EXPECT_EQ(row, 0) << c.what;
    EXPECT_EQ(col, 0) << c.what;
    EXPECT_EQ(DialogWait(*c.lines, c.rec, "Title"), "") << c.what;
    EXPECT_EQ(DialogBox(*c.lines, c.rec, "Title", 0), "") << c.what;
    EXPECT_EQ(DialogChoice(*c.lines, c.rec, "Title", BasedArray<std::string>(1, {"Y"})), 0)
        << c.what;
    EXPECT_EQ(Snapshot(), before) << c.what;
    EXPECT_EQ(InKey(), "Y") << c.what << ": the key is still queued";
  }
  console->QueueKeys("Y");
  EXPECT_EQ(DialogChoice(kQuit, kAuto, "", BasedArray<std::string>()), 0) << "no choices";
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(InKey(), "Y");
}

TEST_F(DialogTest, LinesPastTheScreenEdgeAreCut) {
  const BasedArray<std::string> lines(1, {"short", std::string(40, 'x'), "", "", "", "", "LOST"});
  ScreenSave save;
  int row = 0, col = 0;
  DrawDialog(lines, {18, 60, 24, 70, 1, 0, 0, 0, 7, 31, 30, 27}, "", save, row, col);
  EXPECT_EQ(ScreenText(21, 62, 19), std::string(19, 'x'));
  EXPECT_EQ(ReadCell(22, 1), ' ') << "nothing wraps onto the next row";
  std::string screen;
  for (int r = 1; r <= 25; ++r)
    screen += RowText(r);
  EXPECT_EQ(screen.find("LOST"), std::string::npos) << "row 26 is not drawn on another row";
  RestoreScreen(save);
}

}  // namespace
}  // namespace tarvana
