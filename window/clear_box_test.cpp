// Clearing rectangles, including empty ones and ones past the screen edge.

#include "testing/headless_test_support.h"
#include "window/window.h"
#include "window/window_test_support.h"

namespace tarvana {
namespace {

using window_test::ChangedCells;
using window_test::PaintBackground;
using window_test::Snapshot;

class ClearBoxTest : public test_support::HeadlessTest {};

TEST_F(ClearBoxTest, BlanksExactlyTheRectangleOnTheScreen) {
  const struct {
    const char* what;
    int top, left, bottom, right;
    int firstRow, lastRow, firstCol, lastCol;  // the cells expected blank
  } cases[] = {
      {"inside", 3, 5, 4, 8, 3, 4, 5, 8},
      {"one cell", 7, 9, 7, 9, 7, 7, 9, 9},
      {"top below bottom", 5, 5, 4, 8, 1, 0, 1, 0},
      {"width 0", 3, 5, 4, 4, 1, 0, 1, 0},
      {"past the bottom right corner", 24, 78, 30, 85, 24, 25, 78, 80},
      {"before the top left corner", -2, -3, 2, 3, 1, 2, 1, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    PaintBackground();
    const auto before = Snapshot();
    Locate(12, 40);
    ClearBox(c.top, c.left, c.bottom, c.right, 0x5A);
    const auto changed = ChangedCells(before);
    const int rows = std::max(c.lastRow - c.firstRow + 1, 0);
    const int cols = std::max(c.lastCol - c.firstCol + 1, 0);
    EXPECT_EQ(changed.size(), static_cast<size_t>(rows * cols));
    for (const auto& [at, cell] : changed) {
      EXPECT_TRUE(at.first >= c.firstRow && at.first <= c.lastRow && at.second >= c.firstCol &&
                  at.second <= c.lastCol)
          << at.first << "," << at.second;
      EXPECT_TRUE(cell == (Cell{' ', 0x5A})) << at.first << "," << at.second;
    }
  }
}

}  // namespace
}  // namespace tarvana
