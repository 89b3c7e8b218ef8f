// Frame styles, the close-box marker and frames that reach past the screen.

#include <array>

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

class FrameTest : public test_support::HeadlessTest {};

constexpr ColorAttr kFrameColor = 0x4F;

// The border cells of rows top..bottom, columns left..right, from codes in
// the order top-left, bottom-left, top-right, bottom-right, left, right, top,
// bottom.
CellMap Border(int top, int left, int bottom, int right, const std::array<int, 8>& codes) {
  CellMap cells;
  const auto put = [&](int row, int col, int code) {
    cells[{row, col}] = Cell{static_cast<std::uint8_t>(code), kFrameColor};
  };
  for (int col = left + 1; col < right; ++col)
    put(top, col, codes[6]), put(bottom, col, codes[7]);
  for (int row = top + 1; row < bottom; ++row)
    put(row, left, codes[4]), put(row, right, codes[5]);
  put(top, left, codes[0]);
  put(bottom, left, codes[1]);
  put(top, right, codes[2]);
  put(bottom, right, codes[3]);
  return cells;
}

WindowRec Rec(int top, int left, int bottom, int right, int frame) {
  WindowRec rec;
  rec.Top = top, rec.Left = left, rec.Bottom = bottom, rec.Right = right;
  rec.Frame = frame;
  rec.FrameColor = kFrameColor;
  return rec;
}

TEST_F(FrameTest, EveryStyleDrawsItsCharactersAroundTheBorderOnly) {
  constexpr std::array<int, 8> kBlank = {32, 32, 32, 32, 32, 32, 32, 32};
  const struct {
    int style;
    std::array<int, 8> codes;
  } cases[] = {
      {0, kBlank},
      {1, {218, 192, 191, 217, 179, 179, 196, 196}},
      {2, {201, 200, 187, 188, 186, 186, 205, 205}},
      {3, {214, 211, 183, 189, 186, 186, 196, 196}},
      {4, {213, 212, 184, 190, 179, 179, 205, 205}},
      {5, {214, 211, 191, 217, 186, 179, 196, 196}},
      {6, {218, 192, 183, 189, 179, 186, 196, 196}},
      {7, {213, 192, 184, 217, 179, 179, 205, 196}},
      {8, {218, 212, 191, 190, 179, 179, 196, 205}},
      {9, {213, 212, 187, 188, 179, 186, 205, 205}},
      {10, {201, 200, 184, 190, 186, 179, 205, 205}},
      {11, {214, 200, 183, 188, 186, 186, 196, 205}},
      {12, {201, 211, 187, 189, 186, 186, 205, 196}},
      {13, {219, 219, 219, 219, 219, 219, 219, 219}},
      {14, {220, 223, 220, 223, 221, 222, 220, 223}},
      {15, {220, 223, 220, 223, 219, 219, 220, 223}},
      {16, {32, 32, 32, 32, 32, 32, 196, 196}},
      {17, {179, 179, 179, 179, 179, 179, 32, 32}},
      {18, {32, 32, 32, 32, 32, 32, 205, 205}},
      {19, {186, 186, 186, 186, 186, 186, 32, 32}},
      {20, kBlank},
      {254, kBlank},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("style " + std::to_string(c.style));
    EXPECT_EQ(FrameChars(c.style), std::string(c.codes.begin(), c.codes.end()));
    PaintBackground();
    const auto before = Snapshot();
    DrawFrame(Rec(3, 10, 7, 20, c.style), "");
    EXPECT_EQ(CellMapDiff(ChangedCells(before), Border(3, 10, 7, 20, c.codes)), "");
  }
}

TEST_F(FrameTest, Style255DrawsNothingEvenWithMarkerAndTitle) {
  EXPECT_EQ(FrameChars(255), std::string(8, ' '));
  PaintBackground();
  const auto before = Snapshot();
  WindowRec rec = Rec(3, 10, 7, 20, 255);
  rec.TitlePos = 2, rec.CloseBox = 1, rec.TitleColor = 0x2E;
  DrawFrame(rec, "Demo");
  EXPECT_EQ(CellMapDiff(ChangedCells(before), {}), "");
}

TEST_F(FrameTest, CloseBoxMarkerReplacesTheCornerAndThreeTopCells) {
  PaintBackground();
  const auto before = Snapshot();
  WindowRec rec = Rec(3, 10, 7, 20, 2);
  rec.CloseBox = 1;
  DrawFrame(rec, "");
  CellMap expected = Border(3, 10, 7, 20, {201, 200, 187, 188, 186, 186, 205, 205});
  const int marker[] = {'[', 254, ']', 196};
  for (int i = 0; i < 4; ++i)
    expected[{3, 10 + i}] = Cell{std::uint8_t(marker[i]), kFrameColor};
  EXPECT_EQ(CellMapDiff(ChangedCells(before), expected), "");
}

TEST_F(FrameTest, FrameReachingPastTheScreenDrawsOnlyItsVisibleCells) {
  PaintBackground();
  const auto before = Snapshot();
  WindowRec rec = Rec(24, 70, 40, 90, 1);
  rec.CloseBox = 1;
  DrawFrame(rec, "");
  CellMap expected;
  const auto put = [&](int row, int col, int code) {
    expected[{row, col}] = Cell{static_cast<std::uint8_t>(code), kFrameColor};
  };
  for (int col = 74; col <= 80; ++col)
    put(24, col, 196);
  put(25, 70, 179);
  const int marker[] = {'[', 254, ']', 196};
  for (int i = 0; i < 4; ++i)
    put(24, 70 + i, marker[i]);
  EXPECT_EQ(CellMapDiff(ChangedCells(before), expected), "");
}

}  // namespace
}  // namespace tarvana
