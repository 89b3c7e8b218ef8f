// Moving an open window over its background save.

#include "testing/headless_test_support.h"
#include "window/window.h"
#include "window/window_test_support.h"

namespace tarvana {
namespace {

using window_test::ChangedCells;
using window_test::PaintBackground;
using window_test::Snapshot;

class MoveWindowTest : public test_support::HeadlessTest {};

WindowRec MovingBox() {
  WindowRec rec;
  rec.Top = 10, rec.Left = 30, rec.Bottom = 18, rec.Right = 45;
  rec.Frame = 1, rec.TitlePos = 2, rec.Shadow = 6;
  rec.ShadowColor = 112, rec.FillColor = 71, rec.FrameColor = 78, rec.TitleColor = 79;
  return rec;
}

Cell At(const std::vector<Cell>& cells, int row, int col) {
  return cells[static_cast<size_t>(row - 1) * 80 + (col - 1)];
}

TEST_F(MoveWindowTest, CarriesThePictureAndUncoversTheBackground) {
  const struct {
    int direction, distance;
    int rowShift, colShift;
  } cases[] = {
      {1, 1, 0, 1}, {0, 2, 0, -2},  {1, 2, 0, 2}, {2, 2, -2, 0},
      {3, 2, 2, 0}, {3, 30, 30, 0},  // off the bottom: only the background is left
      {4, 2, 0, 0}, {-1, 2, 0, 0},  {1, 0, 0, 0}, {1, -2, 0, -2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "direction " << c.direction << " distance " << c.distance);
    PaintBackground();
    const auto background = Snapshot();
    WindowRec rec = MovingBox();
    ScreenSave save;
    OpenWindow(rec, "Moving Box", save);
    const auto withBox = Snapshot();

    MoveWindow(rec, c.direction, c.distance, save);
    EXPECT_FALSE(save.Live());
    EXPECT_EQ(rec.Top, 10 + c.rowShift);
    EXPECT_EQ(rec.Bottom, 18 + c.rowShift);
    EXPECT_EQ(rec.Left, 30 + c.colShift);
    EXPECT_EQ(rec.Right, 45 + c.colShift);
    // The window and its shadow margin (rows 10-19, columns 30-46) move as
    // they were; everything else is the background.
    const auto now = Snapshot();
    for (int row = 1; row <= 25; ++row)
      for (int col = 1; col <= 80; ++col) {
        const int fromRow = row - c.rowShift, fromCol = col - c.colShift;
        const bool moved = fromRow >= 10 && fromRow <= 19 && fromCol >= 30 && fromCol <= 46;
        const Cell want = moved ? At(withBox, fromRow, fromCol) : At(background, row, col);
        ASSERT_TRUE(At(now, row, col) == want) << row << "," << col;
      }
  }
}

TEST_F(MoveWindowTest, CoordinatesWrapAsBytes) {
  PaintBackground();
  const auto background = Snapshot();
  WindowRec rec = MovingBox();
  rec.Top = 2, rec.Left = 1, rec.Bottom = 6, rec.Right = 250;
  ScreenSave save = SaveScreen();
  MoveWindow(rec, 0, 3, save);
  EXPECT_EQ(rec.Left, 254);
  EXPECT_EQ(rec.Right, 247);
  save = SaveScreen();
  MoveWindow(rec, 1, 10, save);
  EXPECT_EQ(rec.Left, 8);
  EXPECT_EQ(rec.Right, 1);
  save = SaveScreen();
  MoveWindow(rec, 2, 5, save);
  EXPECT_EQ(rec.Top, 253);
  EXPECT_EQ(rec.Bottom, 1);
  save = SaveScreen();
  MoveWindow(rec, 3, 256 + 1, save);
  EXPECT_EQ(rec.Top, 254);
  EXPECT_EQ(rec.Bottom, 2);
  EXPECT_TRUE(ChangedCells(background).empty());
}

}  // namespace
}  // namespace tarvana
