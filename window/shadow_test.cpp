// The exact cells of every shadow type, and what a window-area save covers.

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

class ShadowTest : public test_support::HeadlessTest {};

constexpr ColorAttr kShadowColor = 0x08;
constexpr int kKeep = -1;  // an attribute shadow keeps the character

// A straight run of shadow cells.
struct ShadowRun {
  int row, col, length;
  bool down;
  int ch;
};

WindowRec Window(int shadow) {
  WindowRec rec;
  rec.Top = 10, rec.Left = 30, rec.Bottom = 18, rec.Right = 45;
  rec.Shadow = shadow;
  rec.ShadowColor = kShadowColor;
  return rec;
}

// Later runs win where runs overlap, as the printed shadows draw them.
CellMap Expected(const std::vector<Cell>& before, const std::vector<ShadowRun>& runs) {
  CellMap cells;
  for (const ShadowRun& run : runs)
    for (int i = 0; i < run.length; ++i) {
      const int row = run.row + (run.down ? i : 0), col = run.col + (run.down ? 0 : i);
      const Cell old = before[static_cast<size_t>(row - 1) * ScreenWidth() + (col - 1)];
      cells[{row, col}] =
          Cell{run.ch == kKeep ? old.ch : static_cast<std::uint8_t>(run.ch), kShadowColor};
    }
  return cells;
}

TEST_F(ShadowTest, EachTypeDrawsExactlyItsCells) {
  const struct {
    int type;
    std::vector<ShadowRun> runs;
  } cases[] = {
      {1, {{11, 29, 9, true, kKeep}, {19, 30, 15, false, kKeep}}},
      {2, {{11, 46, 9, true, kKeep}, {19, 31, 15, false, kKeep}}},
      {3, {{9, 29, 9, true, kKeep}, {9, 29, 16, false, kKeep}}},
      {4, {{9, 46, 9, true, kKeep}, {9, 31, 16, false, kKeep}}},
      {5, {{10, 29, 1, false, 220}, {11, 29, 8, true, 219}, {19, 29, 16, false, 223}}},
      {6, {{10, 46, 1, false, 220}, {11, 46, 8, true, 219}, {19, 31, 16, false, 223}}},
      {7, {{18, 29, 1, false, 223}, {10, 29, 8, true, 219}, {9, 29, 16, false, 220}}},
      {8, {{18, 46, 1, false, 223}, {10, 46, 8, true, 219}, {9, 31, 16, false, 220}}},
      {0, {}},
      {9, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("shadow type " + std::to_string(c.type));
    PaintBackground();
    const auto before = Snapshot();
    DrawShadow(Window(c.type));
    EXPECT_EQ(CellMapDiff(ChangedCells(before), Expected(before, c.runs)), "");
  }
}

TEST_F(ShadowTest, WindowAreaSaveOfShadow6CoversRows10To19Columns30To46) {
  PaintBackground();
  const auto background = Snapshot();
  WindowRec rec = Window(6);
  rec.Frame = 1, rec.FillColor = 0x47, rec.FrameColor = 0x4E;
  ScreenSave save;
  OpenWindowArea(rec, "Box", save);
  ClearBox(1, 1, 25, 80, 0x70);
  RestoreWindowArea(rec, save);
  EXPECT_FALSE(save.Live());
  const auto after = Snapshot();
  for (int row = 1; row <= 25; ++row)
    for (int col = 1; col <= 80; ++col) {
      const bool saved = row >= 10 && row <= 19 && col >= 30 && col <= 46;
      const Cell want = saved ? background[(row - 1) * 80 + (col - 1)] : Cell{' ', 0x70};
      ASSERT_TRUE(after[(row - 1) * 80 + (col - 1)] == want) << row << "," << col;
    }
}

}  // namespace
}  // namespace tarvana
