// CellString: the cells text takes, cut and sliced between clusters, and
// printed as PrintText and PrintUtf8 print.

#include "console/cell_string.h"

#include <gtest/gtest.h>

#include <string>

#include "console/console.h"
#include "console/unicode_text.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;

TEST(CellString, WidthsCutsAndSlicesKeepClustersWhole) {
  const struct {
    const char* utf8;
    int width;
    int cut;            // Cut(cut)
    const char* kept;   // its UTF-8
    int first, count;   // Slice(first, count)
    const char* slice;  // its UTF-8
  } cases[] = {
      {"Größe", 5, 3, "Grö", 1, 3, "röß"},
      {"漢字テスト", 10, 3, "漢", 1, 4, " 字 "},  // halves become spaces
      {"a🚀b", 4, 2, "a", 2, 2, " b"},
      {"e\u0301x", 2, 1, "e\u0301", 0, 1, "e\u0301"},
      {"👍🏽!", 3, 2, "👍🏽", 0, 3, "👍🏽!"},
      {"ab", 2, -1, "", 5, 2, ""},
  };
  for (const auto& c : cases) {
    const CellString s = CellString::FromUtf8(c.utf8);
    EXPECT_EQ(s.Width(), c.width) << c.utf8;
    EXPECT_EQ(s.Cut(c.cut).ToUtf8(), c.kept) << c.utf8;
    EXPECT_EQ(s.Slice(c.first, c.count).ToUtf8(), c.slice) << c.utf8;
    EXPECT_EQ(s.Padded(c.width + 2).Width(), c.width + 2) << c.utf8;
    EXPECT_EQ(s.ToUtf8(), c.utf8) << c.utf8;
  }
}

TEST(CellString, TakesTheCellsTextWidthCounts) {
  for (const char* text : {"a\u0301", "\u0301x", "a\u202Eb", "\x01\x7F", "\xC2\x85", "\xF0\x80",
                           "👍🏽🇩🇪", "\u231A\uFE0E", "\u2764\uFE0F", "\u200B"})
    EXPECT_EQ(CellString::FromUtf8(text).Width(), TextWidth(text)) << text;
}

TEST(CellString, FoldedScalarsMatchAcrossCaseAndScript) {
  const CellString a = CellString::FromUtf8("ЖΣaÄ"), b = CellString::FromUtf8("жσAä");
  for (int i = 0; i < a.Width(); ++i)
    EXPECT_EQ(a.FoldedScalar(i), b.FoldedScalar(i)) << i;
  // A code page 437 byte folds as its glyph: 0x8E is Ä.
  EXPECT_EQ(CellString::FromCp437("\x8E").FoldedScalar(0), b.FoldedScalar(3));
}

class CellStringPrintTest : public HeadlessTest {};

TEST_F(CellStringPrintTest, PrintsTheCellsPrintTextAndPrintUtf8Print) {
  const std::string cp437 = "\x01\xDA\xC4 x\x7F";
  Locate(1, 1);
  PrintText(cp437);
  Locate(2, 1);
  PrintCells(CellString::FromCp437(cp437));
  for (int col = 1; col <= 8; ++col) {
    EXPECT_EQ(ReadCell(2, col), ReadCell(1, col)) << col;
    EXPECT_EQ(ReadCellText(2, col), ReadCellText(1, col)) << col;
  }
  // A wide cluster that would start in the last column starts the next row.
  Locate(3, ScreenWidth() - 1);
  PrintCells(CellString::FromUtf8("a漢"));
  EXPECT_EQ(ReadCellText(3, ScreenWidth()), " ");
  EXPECT_EQ(ReadCellText(4, 1), "漢");
  EXPECT_EQ(CursorRow(), 4);
  EXPECT_EQ(CursorCol(), 3);
}

}  // namespace
}  // namespace tarvana
