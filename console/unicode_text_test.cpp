// UTF-8 text on the screen: clusters in cells, wide clusters over two cells,
// what code page 437 readers see of them, and the edges of the screen.

#include "console/unicode_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "console/cell_text.h"
#include "console/console.h"
#include "console/headless.h"
#include "runtime/unicode/utf8_decode.h"
#include "runtime/utf8.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

// The scalars of UTF-8 text spelled U+XXXX, for failure messages.
std::string Spelled(std::string_view utf8) {
  std::string out;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const bool start = pos == 0;
    const char32_t c = DecodeUtf8(utf8, pos);
    char code[16];
    std::snprintf(code, sizeof code, "%sU+%04X", start ? "" : " ", static_cast<unsigned>(c));
    out += code;
  }
  return out;
}

std::vector<Cell> WholeScreen() {
  std::vector<Cell> cells;
  ReadScreenBlock(cells);
  return cells;
}

// One cell as the test expects it: its text, the byte ReadCell gives, and
// whether it is a code page 437 cell (text field 0).
struct Expected {
  std::string text;
  int ch;
  bool plain;
};

struct PrintCase {
  std::string utf8;
  std::vector<Expected> cells;
};

// One table of texts and the cells they give: whole, the cases read side by side.
TEST(UnicodeText, ClustersLandInCellsAsExpected) {
  const std::string replacement = "\xEF\xBF\xBD";
  const std::vector<PrintCase> cases = {
      {"\xE2\x96\x91\xC3\xA9", {{"\xE2\x96\x91", 176, true}, {"\xC3\xA9", 130, true}}},
      {"\xD0\x96\xD1\x83", {{"\xD0\x96", '?', false}, {"\xD1\x83", '?', false}}},
      {"\xE4\xB8\xAD\xE6\x96\x87",
       {{"\xE4\xB8\xAD", '?', false},
        {"", ' ', true},
        {"\xE6\x96\x87", '?', false},
        {"", ' ', true}}},
      // thumbs up with a skin tone; a ZWJ family of three
      {"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD!",
       {{"\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD", '?', false}, {"", ' ', true}, {"!", '!', true}}},
      {"\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7",
       {{"\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x91\xA7", '?', false},
        {"", ' ', true}}},
      // e with a combining acute stays two scalars in one cell; a lone mark
      // sits on a dotted circle
      {"e\xCC\x81x", {{"e\xCC\x81", 'e', false}, {"x", 'x', true}}},
      {"\xCC\x81"
       "a",
       {{"\xE2\x97\x8C\xCC\x81", '?', false}, {"a", 'a', true}}},
      // ill-formed bytes: one U+FFFD per maximal subpart
      {"a\xE2\x82"
       "b\xF0\x80\x80",
       {{"a", 'a', true},
        {replacement, '?', false},
        {"b", 'b', true},
        {replacement, '?', false},
        {replacement, '?', false},
        {replacement, '?', false}}},
      // C0 and DEL as the glyphs PrintText shows; C1 and a zero-width space
      // as U+FFFD; CR LF two cells
      {"\x01\x7F\xC2\x85\xE2\x80\x8B\r\n",
       {{"\xE2\x98\xBA", 1, true},
        {"\xE2\x8C\x82", 127, true},
        {replacement, '?', false},
        {replacement, '?', false},
        {"\xE2\x99\xAA", 13, true},
        {"\xE2\x97\x99", 10, true}}},
      // bidirectional controls take no cell
      {"a\xE2\x80\xAE"
       "b\xE2\x81\xA6"
       "c\xE2\x80\x8F\xD8\x9C"
       "d",
       {{"a", 'a', true}, {"b", 'b', true}, {"c", 'c', true}, {"d", 'd', true}}},
  };
  for (const PrintCase& c : cases) {
    UseHeadlessConsole(20, 3);
    PrintUtf8(c.utf8);
    SCOPED_TRACE(Spelled(c.utf8));
    const std::vector<Cell> cells = WholeScreen();
    for (size_t i = 0; i < c.cells.size(); ++i) {
      const int col = static_cast<int>(i) + 1;
      SCOPED_TRACE("column " + std::to_string(col));
      EXPECT_EQ(Spelled(ReadCellText(1, col)), Spelled(c.cells[i].text));
      EXPECT_EQ(ReadCell(1, col), c.cells[i].ch);
      EXPECT_EQ(cells[i].text == 0, c.cells[i].plain);
    }
    EXPECT_EQ(ReadCell(1, static_cast<int>(c.cells.size()) + 1), ' ');
    EXPECT_EQ(CursorCol(), static_cast<int>(c.cells.size()) + 1);
  }
}

// The cells and cursor of a screen after some printing.
struct Outcome {
  std::vector<Cell> cells;
  int row, col;
  bool operator==(const Outcome&) const = default;
};

Outcome Print(int cols, int rows, int row, int col, void (*print)(std::string_view),
              std::string_view text) {
  UseHeadlessConsole(cols, rows);
  SetColor(14, 1);
  Locate(row, col);
  print(text);
  return {WholeScreen(), CursorRow(), CursorCol()};
}

TEST(UnicodeText, AsciiGivesTheCellsAndCursorOfPrintText) {
  const std::vector<std::string> texts = {"", "Hello", "0123456789abc",
                                          std::string(40, 'x') + "end", "tail at the corner"};
  for (const std::string& text : texts)
    for (const int col : {1, 5}) {
      SCOPED_TRACE(text + " from column " + std::to_string(col));
      EXPECT_TRUE(Print(10, 3, 3, col, PrintUtf8, text) == Print(10, 3, 3, col, PrintText, text));
    }
}

TEST(UnicodeText, AWideClusterNeverStartsInTheLastColumn) {
  // 中 from column 5 of 5: a space there, the cluster at the next row's start,
  // as three cells of PrintText would move the cursor (and scroll).
  for (const int row : {1, 2}) {
    SCOPED_TRACE("row " + std::to_string(row));
    const Outcome text = Print(5, 2, row, 5, PrintText, "   ");
    const Outcome wide = Print(5, 2, row, 5, PrintUtf8, "\xE4\xB8\xAD");
    EXPECT_EQ(wide.row, text.row);
    EXPECT_EQ(wide.col, text.col);
    EXPECT_EQ(ReadCellText(1, 5), " ");
    EXPECT_EQ(test_support::RowUtf8(2), "\xE4\xB8\xAD");
  }
}

struct OverwriteCase {
  int col;
  void (*print)(std::string_view);
  std::string text;
  std::string row;  // the row read back as UTF-8
};

TEST(UnicodeText, OverwritingHalfAWideClusterBlanksTheOtherHalf) {
  const std::vector<OverwriteCase> cases = {
      {1, PrintText, "y", "y \xE6\x96\x87"},
      {2, PrintText, "x", " x\xE6\x96\x87"},
      {2, PrintText, "xy", " xy"},
      {1, PrintUtf8, "y", "y \xE6\x96\x87"},
      {2, PrintUtf8, "x", " x\xE6\x96\x87"},
      {2, PrintUtf8, "\xE5\xAD\x97", " \xE5\xAD\x97"},  // 字 over both clusters' halves
  };
  for (const OverwriteCase& c : cases) {
    SCOPED_TRACE(Spelled(c.text) + " at column " + std::to_string(c.col));
    UseHeadlessConsole(10, 2);
    PrintUtf8("\xE4\xB8\xAD\xE6\x96\x87");  // 中文
    SetColor(2, 4);
    Locate(1, c.col);
    c.print(c.text);
    EXPECT_EQ(test_support::RowUtf8(1), c.row);
    // the blanked half takes the colour of what was written
    EXPECT_EQ(ReadCellColor(1, c.col == 1 ? 2 : 1), 0x42);
  }
}

TEST(UnicodeText, ARectangleThatCutsAWideClusterLeavesNoHalfOnTheScreen) {
  const struct {
    int readCol, cols;  // a rectangle of row 1 read back
    int writeCol;       // and written back at (2, writeCol) over 中文 of row 2
    const char* row2;
  } cases[] = {
      {2, 2, 6, "中文"},  // two halves alone: blanks, nothing beside them changed
      {1, 2, 1, "中文"},  // a whole cluster over the same one
      {1, 2, 2, " 中"},   // a whole cluster over two halves: both partners blank
      {3, 1, 1, "文文"},  // a head over a head: it pairs with the second half there
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.row2);
    UseHeadlessConsole(10, 2);
    PrintUtf8("\xE4\xB8\xAD\xE6\x96\x87");  // 中文
    Locate(2, 1);
    PrintUtf8("\xE4\xB8\xAD\xE6\x96\x87");
    std::vector<Cell> rect(static_cast<std::size_t>(c.cols));
    ReadScreenRect(rect, 1, c.readCol, 1, c.cols);
    WriteScreenRect(rect, 2, c.writeCol, 1, c.cols);
    EXPECT_EQ(test_support::RowUtf8(2), c.row2);
  }
}

TEST(UnicodeText, NothingLeftHalfAtTheEdgeOfAResizedScreen) {
  UseHeadlessConsole(10, 2);
  PrintUtf8("abcd\xE4\xB8\xAD");
  SetConsoleSize(5, 2);
  EXPECT_EQ(test_support::RowUtf8(1), "abcd");
  EXPECT_EQ(ReadCell(1, 5), ' ');
}

TEST(UnicodeText, OutsideTheScreenACellHasNoText) {
  UseHeadlessConsole(10, 2);
  EXPECT_EQ(ReadCellText(0, 1), "");
  EXPECT_EQ(ReadCellText(1, 11), "");
  EXPECT_EQ(ReadCellText(3, 1), "");
  EXPECT_EQ(ReadCellText(1, 1), " ");
}

TEST(UnicodeText, PlainLineOutputGetsTheCodePage437Bytes) {
  HeadlessConsole& console = UseHeadlessConsole(10, 2);
  PrintUtf8("a\xC3\xA9\xE4\xB8\xAD");
  EXPECT_FALSE(console.FullScreen());
  EXPECT_EQ(console.Stream(), "a\x82? ");
}

// The store of long clusters fills up in a child process, so that the rest of
// the tests keep an empty one.
TEST(UnicodeText, APileOfMarksIsKeptToTheStoresLimitBetweenScalars) {
  UseHeadlessConsole(10, 2);
  std::string pile = "a";
  for (int i = 0; i < 100; ++i)
    pile += "\xCC\x81";  // U+0301, two bytes
  PrintUtf8(pile + "b");
  EXPECT_EQ(ReadCellText(1, 1), pile.substr(0, 63));  // a and 31 marks: 63 bytes
  EXPECT_EQ(ReadCellText(1, 2), "b");
}

TEST(UnicodeText, AFullClusterStoreKeepsNewClustersAsTheirFirstScalar) {
  EXPECT_EXIT(
      {
        std::string cluster;
        for (char32_t base = 0x4E00; StoredClusterCount() < kMaxStoredClusters; ++base)
          for (const char* mark : {"\xCC\x80", "\xCC\x81", "\xCC\x82", "\xCC\x83"}) {
            cluster.clear();
            AppendUtf8(cluster, base);
            CellTextOfCluster(cluster + mark);
          }
        UseHeadlessConsole(10, 2);
        PrintUtf8(
            "\xE4\xB8\x80\xCC\x81"
            "q\xCC\x88");  // 一 + acute: stored early; q + diaeresis: new
        const bool ok = StoredClusterCount() == kMaxStoredClusters &&
                        ReadCellText(1, 1) == "\xE4\xB8\x80\xCC\x81" && ReadCellText(1, 3) == "q";
        std::exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace tarvana
