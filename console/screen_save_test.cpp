// Saved regions and RecolorRun.

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/screen_save.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::ScreenText;

class ScreenSaves : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(0, 7);
    ClearScreen();
    for (int r = 1; r <= 25; ++r) {
      Locate(r, 1);
      PrintText(std::string(80, static_cast<char>('A' + r % 26)));
    }
  }
  std::vector<Cell> Snapshot() {
    std::vector<Cell> cells;
    ReadScreenBlock(cells);
    return cells;
  }
};

TEST_F(ScreenSaves, RestoreBringsBackCellsButNotCursorOrColour) {
  const auto before = Snapshot();
  ScreenSave save = SaveScreen();
  SetColor(14, 4);
  Locate(10, 10);
  PrintText("drawn over");
  RestoreScreen(save);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_FALSE(save.Live());
  EXPECT_EQ(CursorCol(), 20);
  PrintText("x");
  EXPECT_EQ(ReadCellColor(10, 20), 0x4E);
}

TEST_F(ScreenSaves, NestedSavesClosedInEitherOrder) {
  const auto original = Snapshot();
  ScreenSave first = SaveScreen();
  Locate(5, 5);
  PrintText("first");
  const auto withFirst = Snapshot();
  ScreenSave second = SaveScreen();
  Locate(6, 6);
  PrintText("second");

  RestoreScreen(first);
  EXPECT_EQ(Snapshot(), original);
  RestoreScreen(second);
  EXPECT_EQ(Snapshot(), withFirst) << "the second save was taken over the first window";
}

TEST_F(ScreenSaves, CopyLeavesTheSourceValid) {
  ScreenSave save = SaveScreen();
  ScreenSave copy = CopyScreenSave(save);
  EXPECT_TRUE(save.Live());
  EXPECT_EQ(copy.Cells(), save.Cells());
}

TEST_F(ScreenSaves, RestoringADeadHandleDoesNothing) {
  ScreenSave save = SaveScreen();
  RestoreScreen(save);
  Locate(1, 1);
  PrintText("kept");
  RestoreScreen(save);
  EXPECT_EQ(ScreenText(1, 1, 4), "kept");
}

TEST_F(ScreenSaves, WindowAreaPerShadowType) {
  struct Case {
    int shadow, top, left, rows, cols;
  } cases[] = {
      {0, 10, 30, 9, 16},  {1, 10, 28, 10, 18}, {2, 10, 30, 10, 18},
      {3, 9, 28, 10, 18},  {4, 9, 30, 10, 18},  {5, 10, 29, 10, 17},
      {6, 10, 30, 10, 17}, {7, 9, 29, 10, 17},  {8, 9, 30, 10, 17},
  };
  for (const Case& c : cases) {
    WindowRec rec;
    rec.Top = 10, rec.Left = 30, rec.Bottom = 18, rec.Right = 45;
    rec.Shadow = static_cast<std::uint8_t>(c.shadow);
    const SaveArea a = WindowSaveArea(rec);
    EXPECT_EQ(a.top, c.top) << "shadow " << c.shadow;
    EXPECT_EQ(a.left, c.left) << "shadow " << c.shadow;
    EXPECT_EQ(a.rows, c.rows) << "shadow " << c.shadow;
    EXPECT_EQ(a.cols, c.cols) << "shadow " << c.shadow;
    EXPECT_EQ(SaveWindowArea(rec).Cells().size(), static_cast<size_t>(c.rows * c.cols));
  }
}

TEST_F(ScreenSaves, WindowAreaLandsAtTheRectangleGivenAtRestore) {
  WindowRec rec;
  rec.Top = 2, rec.Left = 2, rec.Bottom = 3, rec.Right = 4;
  Locate(2, 2);
  PrintText("abc");
  ScreenSave picture = SaveWindowArea(rec);
  rec.Top = 20, rec.Bottom = 21, rec.Left = 60, rec.Right = 62;
  RestoreWindowArea(rec, picture);
  EXPECT_EQ(ScreenText(20, 60, 3), "abc");
  EXPECT_FALSE(picture.Live());
}

TEST_F(ScreenSaves, RecolorRunFollowsScreenOrder) {
  RecolorRun(3, 79, 4, 0x1F);
  EXPECT_EQ(ReadCellColor(3, 78), 0x70);
  EXPECT_EQ(ReadCellColor(3, 79), 0x1F);
  EXPECT_EQ(ReadCellColor(3, 80), 0x1F);
  EXPECT_EQ(ReadCellColor(4, 1), 0x1F);
  EXPECT_EQ(ReadCellColor(4, 2), 0x1F);
  EXPECT_EQ(ReadCellColor(4, 3), 0x70);
  EXPECT_EQ(ReadCell(4, 1), 'E') << "characters stay";
}

TEST_F(ScreenSaves, RecolorRunOfNothingAndPastTheEnd) {
  const auto before = Snapshot();
  RecolorRun(5, 5, 0, 0x1F);
  RecolorRun(5, 5, -3, 0x1F);
  EXPECT_EQ(Snapshot(), before);
  RecolorRun(25, 79, 10, 0x1F);  // runs past the last cell stop there
  EXPECT_EQ(ReadCellColor(25, 80), 0x1F);
}

}  // namespace
}  // namespace tarvana
