// Screen effects: the cells each one changes and the ones it leaves alone.

#include "tools/screen_effects.h"

#include <gtest/gtest.h>

#include <climits>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

class ScreenEffects : public test_support::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(0, 7);
    ClearScreen();
    for (int r = 1; r <= 25; ++r) {
      Locate(r, 1);
      PrintText(std::string(80, static_cast<char>('a' + r % 26)));
    }
    SetColor(14, 1);
    Locate(5, 5);
  }
  // Counts the cells whose character or colour differ from the pattern.
  int ChangedCells(int& top, int& left, int& bottom, int& right) {
    int n = 0;
    top = left = 99, bottom = right = 0;
    for (int r = 1; r <= 25; ++r)
      for (int c = 1; c <= 80; ++c)
        if (ReadCell(r, c) != 'a' + r % 26 || ReadCellColor(r, c) != 0x70) {
          ++n;
          top = std::min(top, r), bottom = std::max(bottom, r);
          left = std::min(left, c), right = std::max(right, c);
        }
    return n;
  }
  void ExpectCursorAndColourKept() {
    EXPECT_EQ(CursorRow(), 5);
    EXPECT_EQ(CursorCol(), 5);
    PrintText("x");
    EXPECT_EQ(ReadCellColor(5, 5), 0x1E);
  }
};

TEST_F(ScreenEffects, RegionsChangeExactlyTheirRectangles) {
  struct Case {
    const char* name;
    void (*apply)();
    int top, left, bottom, right;
    int ch;  // expected character inside, -1 = kept
    ColorAttr attr;
  } cases[] = {
      {"clear top half", [] { ClearRegion(1, 1, 12, 80, 0x27); }, 1, 1, 12, 80, ' ', 0x27},
      {"fill asterisks", [] { FillRegion(42, 0x17, ScreenRect(13, 2, 24, 80)); }, 13, 2, 24, 80,
       '*', 0x17},
      {"one cell", [] { FillRegion('#', 0x4F, ScreenRect(7, 9, 7, 9)); }, 7, 9, 7, 9, '#', 0x4F},
      {"recolour region", [] { RecolorRegion(0x1F, ScreenRect(3, 4, 6, 10)); }, 3, 4, 6, 10, -1,
       0x1F},
      {"recolour from a window",
       [] {
         RecolorRegion(0x1F, WindowRec{3, 4, 6, 10, 1, 0, 0, 0, 0, 0, 0, 0});
       },
       3, 4, 6, 10, -1, 0x1F},
  };
  for (const Case& c : cases) {
    SetUp();
    c.apply();
    int top, left, bottom, right;
    const int changed = ChangedCells(top, left, bottom, right);
    EXPECT_EQ(changed, (c.bottom - c.top + 1) * (c.right - c.left + 1)) << c.name;
    EXPECT_EQ(top, c.top) << c.name;
    EXPECT_EQ(left, c.left) << c.name;
    EXPECT_EQ(bottom, c.bottom) << c.name;
    EXPECT_EQ(right, c.right) << c.name;
    EXPECT_EQ(ReadCell(c.top, c.left), c.ch < 0 ? 'a' + c.top % 26 : c.ch) << c.name;
    EXPECT_EQ(ReadCellColor(c.bottom, c.right), c.attr) << c.name;
    ExpectCursorAndColourKept();
  }
}

TEST_F(ScreenEffects, RecolorScreenKeepsEveryCharacter) {
  RecolorScreen(0x4F);
  for (int r = 1; r <= 25; ++r)
    for (int c = 1; c <= 80; ++c) {
      ASSERT_EQ(ReadCell(r, c), 'a' + r % 26) << r << "," << c;
      ASSERT_EQ(ReadCellColor(r, c), 0x4F) << r << "," << c;
    }
  ExpectCursorAndColourKept();
}

TEST_F(ScreenEffects, RectanglesOffTheScreenAreClipped) {
  ClearRegion(24, 79, 30, 90, 0x27);
  int top, left, bottom, right;
  EXPECT_EQ(ChangedCells(top, left, bottom, right), 4);
  ClearRegion(10, 10, 5, 5, 0x27);  // inverted: nothing
  EXPECT_EQ(ChangedCells(top, left, bottom, right), 4);
  FillRegion('*', 0x27, ScreenRect(0, 0, 1, 2));
  EXPECT_EQ(ChangedCells(top, left, bottom, right), 6);
  ClearRegion(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0x27);  // every cell, whatever the span
  EXPECT_EQ(ChangedCells(top, left, bottom, right), 2000);
}

TEST_F(ScreenEffects, ScreenTextRunsAcrossRowEnds) {
  EXPECT_EQ(ScreenText(1, 79, 4), "bbcc");
  EXPECT_EQ(ScreenText(25, 79, 10), "zz") << "stops at the last cell";
  EXPECT_EQ(ScreenText(3, 1, 0), "");
  EXPECT_EQ(ScreenText(0, 80, 3), "bb") << "cells before the first are left out";
  EXPECT_EQ(ScreenText(INT_MIN, INT_MIN, INT_MAX), "");
  EXPECT_EQ(ScreenText(25, 80, INT_MAX), "z");
}

}  // namespace
}  // namespace tarvana
