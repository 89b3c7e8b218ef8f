// Title placement and cutting on the frame, with and without the marker.

#include "console/unicode_text.h"
#include "testing/headless_test_support.h"
#include "window/window.h"
#include "window/window_test_support.h"

namespace tarvana {
namespace {

using window_test::CellMap;
using window_test::CellMapDiff;

class TitleTest : public test_support::HeadlessTest {};

constexpr ColorAttr kTitleColor = 0x2E;

// The cells drawn in the title colour.
CellMap TitleCells() {
  CellMap cells;
  for (int row = 1; row <= ScreenHeight(); ++row)
    for (int col = 1; col <= ScreenWidth(); ++col)
      if (ReadCellColor(row, col) == kTitleColor)
        cells[{row, col}] = Cell{static_cast<std::uint8_t>(ReadCell(row, col)), kTitleColor};
  return cells;
}

CellMap Text(int row, int col, bool down, const std::string& text) {
  CellMap cells;
  for (size_t i = 0; i < text.size(); ++i)
    cells[{row + (down ? int(i) : 0), col + (down ? 0 : int(i))}] =
        Cell{static_cast<std::uint8_t>(text[i]), kTitleColor};
  return cells;
}

TEST_F(TitleTest, PlacementAndCutting) {
  const std::string thirty = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234";
  const struct {
    const char* what;
    int top, left, bottom, right, pos, closeBox;
    std::string title;
    int row, col;
    bool down;
    std::string shown;
  } cases[] = {
      {"top left", 6, 4, 13, 17, 1, 0, "Demo", 6, 5, false, " Demo "},
      {"top centred", 6, 4, 13, 17, 2, 0, "Demo", 6, 8, false, " Demo "},
      {"top right", 6, 4, 13, 17, 3, 0, "Demo", 6, 11, false, " Demo "},
      {"bottom left", 6, 4, 13, 17, 4, 0, "Demo", 13, 5, false, " Demo "},
      {"bottom centred", 6, 4, 13, 17, 5, 0, "Demo", 13, 8, false, " Demo "},
      {"bottom right", 6, 4, 13, 17, 6, 0, "Demo", 13, 11, false, " Demo "},
      {"odd spare width centres leftwards", 6, 4, 13, 18, 2, 0, "Demo", 6, 8, false, " Demo "},
      {"30 characters cut to 14", 3, 10, 8, 29, 2, 0, thirty, 3, 12, false,
       " " + thirty.substr(0, 14) + " "},
      {"cut on the bottom line", 3, 10, 8, 29, 6, 0, thirty, 8, 13, false,
       " " + thirty.substr(0, 14) + " "},
      {"title exactly the room is whole", 3, 10, 8, 29, 1, 0, thirty.substr(0, 14), 3, 11, false,
       " " + thirty.substr(0, 14) + " "},
      {"empty title is two blanks", 6, 4, 13, 17, 2, 0, "", 6, 10, false, "  "},
      {"marker: left title starts after brackets", 6, 4, 13, 17, 1, 1, "Demo", 6, 7, false,
       " Demo "},
      {"marker: room shrinks by 4 on the top line", 6, 4, 13, 17, 2, 1, "ABCDEFGHIJ", 6, 8, false,
       " ABCD "},
      {"marker: right title", 6, 4, 13, 17, 3, 1, "ABCDEFGHIJ", 6, 11, false, " ABCD "},
      {"marker: narrow centred title moves past it", 6, 4, 13, 11, 2, 1, "AB", 6, 7, false, " AB "},
      {"marker: bottom line keeps full room", 6, 4, 13, 17, 4, 1, "ABCDEFGHIJ", 13, 5, false,
       " ABCDEFGH "},
      {"vertical right", 6, 4, 13, 17, 8, 0, "Demo", 8, 17, true, "Demo"},
      {"vertical left", 6, 4, 13, 17, 7, 0, "Demo", 8, 4, true, "Demo"},
      {"vertical cut to the interior height", 6, 4, 10, 17, 8, 0, "Demo", 7, 17, true, "Dem"},
      {"vertical odd spare height", 6, 4, 12, 17, 7, 0, "Demo", 7, 4, true, "Demo"},
      {"vertical with marker", 6, 4, 13, 17, 7, 1, "Demo", 8, 4, true, "Demo"},
      {"position 0 draws none", 6, 4, 13, 17, 0, 0, "Demo", 6, 4, false, ""},
      {"position 9 draws none", 6, 4, 13, 17, 9, 0, "Demo", 6, 4, false, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    UseHeadlessConsole(80, 25);
    WindowRec rec;
    rec.Top = c.top, rec.Left = c.left, rec.Bottom = c.bottom, rec.Right = c.right;
    rec.Frame = 1, rec.TitlePos = c.pos, rec.CloseBox = c.closeBox;
    rec.FrameColor = 0x1F, rec.TitleColor = kTitleColor;
    DrawFrame(rec, c.title);
    EXPECT_EQ(CellMapDiff(TitleCells(), Text(c.row, c.col, c.down, c.shown)), "");
  }
}

TEST_F(TitleTest, LeftTitleBesideMarkerOverwritesOnlyItsLineCharacter) {
  WindowRec rec;
  rec.Top = 6, rec.Left = 4, rec.Bottom = 13, rec.Right = 17;
  rec.Frame = 2, rec.TitlePos = 1, rec.CloseBox = 1;
  rec.FrameColor = 0x1F, rec.TitleColor = kTitleColor;
  DrawFrame(rec, "Demo");
  EXPECT_EQ(test_support::ScreenText(6, 4, 14), "[\xFE] Demo \xCD\xCD\xCD\xCD\xBB");
  for (int col = 4; col <= 6; ++col)
    EXPECT_EQ(ReadCellColor(6, col), 0x1F) << col;
}

TEST_F(TitleTest, TitlesOfAnyScriptAreCutBetweenClusters) {
  const struct {
    int right, pos;
    const char* title;
    int row, col;
    const char* shown;  // from (row, col), rightwards or down, as UTF-8
  } cases[] = {
      {17, 2, "Привет", 6, 7, " Привет "},
      {13, 1, "漢字テスト", 6, 5, " 漢字 "},    // room 4: two wide clusters, not two and a half
      {14, 1, "漢字テスト", 6, 5, " 漢字 "},    // room 5: the third would be split
      {17, 8, "漢e\u0301", 9, 17, "?e\u0301"},  // down a side: a wide one by its stand-in
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    UseHeadlessConsole(80, 25);
    WindowRec rec;
    rec.Top = 6, rec.Left = 4, rec.Bottom = 13, rec.Right = c.right;
    rec.Frame = 1, rec.TitlePos = c.pos;
    rec.FrameColor = 0x1F, rec.TitleColor = kTitleColor;
    DrawFrame(rec, CellString::FromUtf8(c.title));
    std::string shown;
    const bool down = c.pos >= 7;
    for (int i = 0; ReadCellColor(c.row + (down ? i : 0), c.col + (down ? 0 : i)) == kTitleColor;
         ++i)
      shown += ReadCellText(c.row + (down ? i : 0), c.col + (down ? 0 : i));
    EXPECT_EQ(shown, c.shown);
  }
}

}  // namespace
}  // namespace tarvana
