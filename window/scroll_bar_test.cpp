// Scroll-bar thumbs for small and huge positions, and the cells drawn.

#include <cstdint>
#include <limits>

#include "testing/headless_test_support.h"
#include "window/window.h"
#include "window/window_test_support.h"

namespace tarvana {
namespace {

using window_test::CellMap;
using window_test::CellMapDiff;
using window_test::ChangedCells;
using window_test::PaintBackground;
using window_test::Snapshot;

class ScrollBarTest : public test_support::HeadlessTest {};

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr ColorAttr kTrack = 0x1E, kThumb = 0x4F;

// The thumb's offset on a bar of n cells for current of total.
const struct {
  int n;
  std::int64_t current, total;
  int offset;
} kThumbCases[] = {
    {10, 1, 100, 0},
    {10, 100, 100, 9},
    {10, 50, 100, 4},
    {10, 0, 100, 0},
    {10, -7, 100, 0},
    {10, 250, 100, 9},
    {10, 905, 1000, 9},  // 9.05 - 0.05 is exactly 9
    {10, 904, 1000, 8},
    {10, 103, 1000, 0},  // 1.03 - 0.05 falls below 1
    {1, 5, 9, 0},
    {10, 1, kMax, 0},
    {10, kMax / 2, kMax, 4},
    {10, kMax / 10 * 9 + kMax / 200, kMax, 8},
    {10, kMax - 1, kMax, 9},
    {10, kMax, kMax, 9},
    {23, kMax / 3, kMax / 2, 15},
    {10, 5, 0, 0},  // an empty total puts the thumb first
    {10, 5, -3, 0},
};

TEST_F(ScrollBarTest, VerticalThumbRow) {
  for (const auto& c : kThumbCases) {
    SCOPED_TRACE(::testing::Message()
                 << "n " << c.n << " current " << c.current << " total " << c.total);
    UseHeadlessConsole(80, 25);
    PaintBackground();
    const auto before = Snapshot();
    DrawScrollBar(60, 2, 1 + c.n, 0, 0, c.current, c.total, 1, kTrack, kThumb);
    CellMap expected;
    for (int i = 0; i < c.n; ++i)
      expected[{2 + i, 60}] = i == c.offset ? Cell{219, kThumb} : Cell{177, kTrack};
    EXPECT_EQ(CellMapDiff(ChangedCells(before), expected), "");
  }
}

TEST_F(ScrollBarTest, HorizontalThumbColumnAndCursor) {
  for (const auto& c : kThumbCases) {
    SCOPED_TRACE(::testing::Message()
                 << "n " << c.n << " current " << c.current << " total " << c.total);
    UseHeadlessConsole(80, 25);
    PaintBackground();
    const auto before = Snapshot();
    DrawHScrollBar(7, 20, 19 + c.n, 0, 0, c.current, c.total, 1, kTrack, kThumb);
    CellMap expected;
    for (int i = 0; i < c.n; ++i)
      expected[{7, 20 + i}] = i == c.offset ? Cell{219, kThumb} : Cell{177, kTrack};
    EXPECT_EQ(CellMapDiff(ChangedCells(before), expected), "");
    EXPECT_EQ(CursorRow(), 8);
    EXPECT_EQ(CursorCol(), 1);
  }
}

TEST_F(ScrollBarTest, HorizontalBarOnTheBottomRowDoesNotScroll) {
  PaintBackground();
  const auto before = Snapshot();
  DrawHScrollBar(25, 1, 80, 0, 0, 100, 100, 1, kTrack, kThumb);
  EXPECT_EQ(ChangedCells(before).size(), 80u);
  EXPECT_EQ(ReadCell(25, 80), 219);
  EXPECT_EQ(CursorRow(), 25);
  EXPECT_EQ(CursorCol(), 1);
  PrintText("x");
  EXPECT_EQ(ReadCell(25, 1), 'x');
  EXPECT_EQ(ReadCell(24, 1), before[23 * 80].ch);
}

TEST_F(ScrollBarTest, BarsLongerThanAnIntCountTheirTrackExactly) {
  // 4294966001 cells, of which rows (columns) 1 to 25 (80) are on the screen;
  // current just past half puts the thumb on row 10.
  const int first = -2147483000, last = 2147483000;
  DrawScrollBar(5, first, last, 0, 0, 2147483011, 4294966001, 1, kTrack, kThumb);
  EXPECT_EQ(test_support::ColumnText(5, 9, 11), "\xB1\xDB\xB1");
  DrawHScrollBar(3, first, last, 0, 0, 2147483011, 4294966001, 1, kTrack, kThumb);
  EXPECT_EQ(test_support::ScreenText(3, 9, 3), "\xB1\xDB\xB1");
}

TEST_F(ScrollBarTest, BarWithNoRowsDrawsNothing) {
  PaintBackground();
  const auto before = Snapshot();
  DrawScrollBar(60, 9, 8, 0, 0, 1, 10, 1, kTrack, kThumb);
  DrawHScrollBar(7, 20, 19, 0, 0, 1, 10, 1, kTrack, kThumb);
  EXPECT_TRUE(ChangedCells(before).empty());
}

}  // namespace
}  // namespace tarvana
