// Opening windows over the screen and closing them again.

#include "testing/headless_test_support.h"
#include "window/window.h"
#include "window/window_test_support.h"

namespace tarvana {
namespace {

using window_test::ChangedCells;
using window_test::PaintBackground;
using window_test::Snapshot;

class OpenWindowTest : public test_support::HeadlessTest {};

WindowRec Box(int shadow) {
  WindowRec rec;
  rec.Top = 10, rec.Left = 30, rec.Bottom = 18, rec.Right = 45;
  rec.Frame = 2, rec.TitlePos = 2, rec.CloseBox = 1, rec.Shadow = shadow;
  rec.ShadowColor = 0x08, rec.FillColor = 0x47, rec.FrameColor = 0x4E, rec.TitleColor = 0x4F;
  return rec;
}

// The current colour, found by printing a character with it.
ColorAttr CurrentColor() {
  Locate(1, 1);
  PrintText("x");
  return ReadCellColor(1, 1);
}

bool InsideRect(int row, int col, int top, int left, int bottom, int right) {
  return row >= top && row <= bottom && col >= left && col <= right;
}

TEST_F(OpenWindowTest, DrawsInsideTheWindowAndItsShadowAndClearsTheInterior) {
  for (int shadow = 0; shadow <= 8; ++shadow) {
    SCOPED_TRACE("shadow type " + std::to_string(shadow));
    PaintBackground();
    const auto before = Snapshot();
    ScreenSave save;
    OpenWindow(Box(shadow), "Demo", save);
    for (const auto& [at, cell] : ChangedCells(before))
      EXPECT_TRUE(InsideRect(at.first, at.second, 9, 29, 19, 46)) << at.first << "," << at.second;
    for (int row = 11; row <= 17; ++row)
      EXPECT_EQ(test_support::ScreenText(row, 31, 14), std::string(14, ' ')) << row;
    EXPECT_EQ(ReadCellColor(14, 31), 0x47);
    EXPECT_EQ(ReadCell(10, 30), '[');
  }
}

TEST_F(OpenWindowTest, RestoringTheSaveLeavesTheScreenAsBefore) {
  for (int shadow = 0; shadow <= 8; ++shadow) {
    SCOPED_TRACE("shadow type " + std::to_string(shadow));
    PaintBackground();
    const auto before = Snapshot();
    ScreenSave save;
    OpenWindow(Box(shadow), "Demo", save);
    RestoreScreen(save);
    EXPECT_FALSE(save.Live());
    EXPECT_TRUE(ChangedCells(before).empty());

    OpenWindowArea(Box(shadow), "Demo", save);
    RestoreWindowArea(Box(shadow), save);
    EXPECT_TRUE(ChangedCells(before).empty()) << "window-area save";
  }
}

TEST_F(OpenWindowTest, LeavesTheColourOfTheLastDrawingStep) {
  for (int shadow = 0; shadow <= 8; ++shadow) {
    SCOPED_TRACE("shadow type " + std::to_string(shadow));
    ScreenSave save;
    OpenWindow(Box(shadow), "Demo", save);
    EXPECT_EQ(CurrentColor(), shadow >= 5 ? 0x08 : 0x47);
    OpenWindowArea(Box(shadow), "Demo", save);
    EXPECT_EQ(CurrentColor(), 0x47) << "window-area open ends with the interior";
  }
}

TEST_F(OpenWindowTest, Frame255StillClearsTheInteriorAndDrawsTheShadow) {
  PaintBackground();
  const auto before = Snapshot();
  WindowRec rec = Box(2);
  rec.Frame = 255;
  ScreenSave save;
  OpenWindow(rec, "Demo", save);
  for (const auto& [at, cell] : ChangedCells(before)) {
    const auto [row, col] = at;
    if (InsideRect(row, col, 11, 31, 17, 44)) {
      EXPECT_TRUE(cell == (Cell{' ', 0x47})) << row << "," << col;
    } else {
      EXPECT_TRUE(col == 46 || row == 19) << "frame line touched at " << row << "," << col;
      EXPECT_EQ(cell.attr, 0x08);
    }
  }
  EXPECT_EQ(ChangedCells(before).size(), 7u * 14 + 9 + 15);
}

// Two windows, the second partly over the first, and the screens around them.
struct TwoWindows {
  std::vector<Cell> empty, withFirst;
  ScreenSave first, second;
};

TwoWindows OpenTwoWindows() {
  TwoWindows w;
  PaintBackground();
  w.empty = Snapshot();
  OpenWindow(Box(2), "First", w.first);
  w.withFirst = Snapshot();
  WindowRec second = Box(6);
  second.Top = 14, second.Left = 38, second.Bottom = 22, second.Right = 60;
  OpenWindow(second, "Second", w.second);
  return w;
}

TEST_F(OpenWindowTest, NestedWindowsClosedInReverseOrderUncoverEachOther) {
  TwoWindows w = OpenTwoWindows();
  RestoreScreen(w.second);
  EXPECT_TRUE(ChangedCells(w.withFirst).empty());
  RestoreScreen(w.first);
  EXPECT_TRUE(ChangedCells(w.empty).empty());
}

TEST_F(OpenWindowTest, NestedWindowsClosedInOpeningOrderBringTheFirstBack) {
  TwoWindows w = OpenTwoWindows();
  // The first save predates both windows; the second was taken over the first.
  RestoreScreen(w.first);
  EXPECT_TRUE(ChangedCells(w.empty).empty());
  RestoreScreen(w.second);
  EXPECT_TRUE(ChangedCells(w.withFirst).empty());
}

// Corners swapped or no row or column between the frame lines: nothing is
// drawn by any window routine.
TEST_F(OpenWindowTest, WindowsWithoutAnInteriorDrawNothing) {
  const struct {
    int top, left, bottom, right;
  } cases[] = {
      {10, 30, 10, 45},  // one row
      {10, 30, 11, 45},  // two rows
      {10, 30, 18, 31},  // two columns
      {18, 30, 10, 45},  // rows swapped
      {10, 45, 18, 30},  // columns swapped
      {1, 1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.top << "," << c.left << " to " << c.bottom << "," << c.right);
    for (int shadow = 0; shadow <= 8; ++shadow) {
      WindowRec rec = Box(shadow);
      rec.Top = c.top, rec.Left = c.left, rec.Bottom = c.bottom, rec.Right = c.right;
      PaintBackground();
      const auto before = Snapshot();
      ScreenSave save;
      OpenWindow(rec, "Demo", save);
      EXPECT_TRUE(ChangedCells(before).empty()) << "OpenWindow, shadow " << shadow;
      EXPECT_TRUE(save.Live());
      OpenWindowArea(rec, "Demo", save);
      DrawFrame(rec, "Demo");
      DrawShadow(rec);
      EXPECT_TRUE(ChangedCells(before).empty()) << "shadow " << shadow;
    }
  }
}

}  // namespace
}  // namespace tarvana
