// The file viewer on UTF-8 files: which files count as UTF-8, clusters and
// wide characters in cells, tabs and sideways scrolling by cells, a byte order
// mark, and code page 437 files drawn byte for byte as before.

#include "text/view_utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/unicode_text.h"
#include "runtime/unicode/unicode_test_support.h"
#include "testing/headless_test_support.h"
#include "testing/screen_golden.h"
#include "text/file_viewer.h"
#include "text/file_viewer_state.h"
#include "text/view_test_files.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::ScreenText;
using test_support::ViewTestFiles;
using unicode_test::Utf8;

// Text rows 3 to 8, twelve text columns from column 4; column 16 is the
// margin and 17 the frame.
const WindowRec kNarrow{2, 2, 9, 17, 1, 2, 0, 0, 0, 31, 30, 27};
constexpr int kTextCol = 4, kTextWidth = 12;
// Columns 3, 16 and 17 of the six text rows, as the window draws them.
const std::string kPlainEdges = [] {
  std::string edges;
  for (int row = 0; row < 6; ++row)
    edges += "  \xE2\x94\x82";
  return edges;
}();

std::string Spelled(std::string_view bytes) {
  std::string out;
  char hex[4];
  for (const unsigned char b : bytes) {
    std::snprintf(hex, sizeof hex, "%02X ", b);
    out += hex;
  }
  return out;
}

class ViewUtf8Test : public HeadlessTest {
 protected:
  int Open(const std::string& path, const WindowRec& window = kNarrow, int tabWidth = 8) {
    view.reset();
    view.emplace();
    return OpenFileView(*view, path, window, tabWidth, 0, false);
  }
  void Press(std::string_view names) {
    console->QueueKeys(names);
    for (KeyCode key = InKey(); !key.empty(); key = InKey())
      StepFileView(*view, key);
  }
  // The text of a page row's cells as ReadCellText gives them (nothing for
  // the second cell of a wide cluster), trailing blanks kept.
  static std::string PageCells(int row, int col = kTextCol, int count = kTextWidth) {
    std::string out;
    for (int c = col; c < col + count; ++c)
      out += ReadCellText(row, c);
    return out;
  }
  // The margin and frame columns of the text rows.
  static std::string Edges(const WindowRec& window = kNarrow) {
    std::string out;
    for (int row = window.Top + 1; row < window.Bottom; ++row)
      out += ReadCellText(row, window.Left + 1) + ReadCellText(row, window.Right - 1) +
             ReadCellText(row, window.Right);
    return out;
  }

  ViewTestFiles files;
  std::optional<FileView> view;
};

TEST(Utf8Head, DecidesByValidityAndHighBytes) {
  struct Case {
    const char* head;
    bool more;
    bool utf8;
  };
  const Case cases[] = {
      {"", false, false},
      {"plain ASCII\n", false, false},
      {"caf\xC3\xA9", false, true},
      {"\xEF\xBB\xBFplain after a byte order mark", false, true},
      {"caf\xE9", false, false},           // Latin-1
      {"caf\xC3", true, true},             // cut by the probe's end
      {"caf\xE2\x82", true, true},         // so is this
      {"caf\xC3", false, false},           // cut by the file's end
      {"caf\xE0\x80", true, false},        // E0 80 starts no sequence
      {"caf\x80", true, false},            // a lone continuation byte
      {"\xC0\xAF", false, false},          // overlong
      {"\xED\xA0\x80", false, false},      // a surrogate
      {"\xF4\x90\x80\x80", false, false},  // past U+10FFFF
      {"\xF0\x9F\x9A\x80 ok \xC3", true, true},
      {"\xC3\xA9 then \xFF", false, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(IsUtf8Head(c.head, c.more), c.utf8) << Spelled(c.head) << " more " << c.more;
}

TEST_F(ViewUtf8Test, MixedScriptsLookRight) {
  console = &UseHeadlessConsole(40, 12);
  const std::filesystem::path home = std::filesystem::current_path();
  files.Write("utf8.txt", Utf8(U"Gr\u00F6\u00DFe caf\u00E9 na\u00EFve\n"
                               U"\u041F\u0440\u0438\u0432\u0435\u0442 \u043C\u0438\u0440\n"
                               U"\u6F22\u5B57\u30C6\u30B9\u30C8\n"
                               U"rocket \U0001F680 done\n"
                               U"\u6F22\tx\n"
                               U"e\u0301\n"));
  std::filesystem::current_path(files.Dir());
  const WindowRec window{2, 3, 10, 27, 1, 2, 0, 6, 112, 31, 30, 27};
  const int opened = Open("utf8.txt", window);
  std::filesystem::current_path(home);
  ASSERT_EQ(opened, 0);
  EXPECT_TRUE(test_support::ScreenMatchesGolden("text/testdata/viewer_utf8_page.txt"));
}

TEST_F(ViewUtf8Test, LinesBecomeCells) {
  struct Case {
    std::string line;
    int tabWidth;
    std::u32string cells;  // the row's cells as ReadCellText gives them
  };
  // A cluster keeps its first 64 bytes: a and 31 marks of two bytes.
  const std::string manyMarks = "a" + Utf8(std::u32string(1000, U'\u0301')) + "z";
  const std::u32string someMarks = U"a" + std::u32string(31, U'\u0301') + U"z";
  const Case cases[] = {
      {manyMarks, 8, someMarks},
      {Utf8(U"\u6F22\tx"), 4, U"\u6F22  x"},               // a tab after a wide char
      {Utf8(U"e\u0301\tx"), 4, U"e\u0301   x"},            // after a mark
      {Utf8(U"\t\u0301\tx"), 4, U"    \u25CC\u0301   x"},  // a mark after a tab
      {"a\tz", -1, U"a\u25CBz"},                           // tabs kept: their glyph
      {"a\xE2\x82z", 8, U"a\uFFFDz"},                      // bad bytes: one U+FFFD for E2 82
      {"a\x01\x7Fz", 8, U"a\u263A\u2302z"},                // C0 and DEL glyphs
      {"a\xC2\x85z", 8, U"a\uFFFDz"},                      // C1
      {Utf8(U"a\u202Ez"), 8, U"az"},                       // RIGHT-TO-LEFT OVERRIDE: left out
      {Utf8(U"\u0301x"), 8, U"\u25CC\u0301x"},             // a line starting with a mark
  };
  // After the first 64 KiB, which make the file UTF-8: it is its last line.
  const std::string probed = Utf8(U"\u00E9\n") + std::string(kUtf8ProbeBytes, 'a') + "\n";
  for (const Case& c : cases) {
    ASSERT_EQ(Open(files.Write("line.txt", probed + c.line + "\n"), kNarrow, c.tabWidth), 0);
    Press("End Up");
    std::string shown = PageCells(3);
    EXPECT_EQ(shown.erase(shown.find_last_not_of(' ') + 1), Utf8(c.cells)) << Spelled(c.line);
    EXPECT_EQ(Edges(), kPlainEdges) << Spelled(c.line);
  }
}

TEST_F(ViewUtf8Test, WideCharsCutByTheEdgesShowBlanks) {
  const std::string kan = Utf8(U"\u6F22"), ji = Utf8(U"\u5B57");  // two cells each
  const std::string rocket = Utf8(U"\U0001F680"), accented = Utf8(U"\u6F22\u0301");
  struct Case {
    std::string line;
    int rights;         // presses of Right, ten cells each
    std::string cells;  // the twelve cells shown, as ReadCellText gives them
  };
  const Case cases[] = {
      {"abcdefghi" + kan + "xyz", 1, " xyz        "},              // the left half hidden
      {"abcdefghij" + kan + "xyz", 1, kan + "xyz       "},         // whole again
      {"abcdefghijk" + kan, 0, "abcdefghijk "},                    // the right half hidden
      {"abcdefghijklmnopqrstu" + kan, 1, "klmnopqrstu "},          // there after scrolling
      {"abcdefghi" + kan + "0123456789" + ji, 1, " 0123456789 "},  // at both edges
      {"123456789" + rocket + "x", 1, " x          "},             // an emoji
      {"123456789" + accented + "z", 1, " z          "},           // a mark on it goes too
      {"\t" + kan + "\t" + kan, 1, "      " + kan + "    "},       // tabs by cells
      {"abcdefghi" + kan + "xyz", 2, "            "},              // scrolled past the line
  };
  for (const Case& c : cases) {
    ASSERT_EQ(Open(files.Write("wide.txt", c.line + "\n")), 0);
    for (int i = 0; i < c.rights; ++i)
      Press("Right");
    EXPECT_EQ(PageCells(3), c.cells) << c.line << " after " << c.rights << " Right";
    EXPECT_EQ(Edges(), kPlainEdges) << c.line << " after " << c.rights << " Right";
  }
}

TEST_F(ViewUtf8Test, ALineKeeps65536Cells) {
  const std::string de = Utf8(U"\u0434");  // two bytes, one cell
  std::string ends;
  for (const int count : {40000, 70000}) {
    std::string line;
    for (int i = 0; i < count; ++i)
      line += de;
    ends += line + "END\n";
  }
  ASSERT_EQ(Open(files.Write("long.txt", ends)), 0);
  view->leftColumn = 39997;
  DrawViewPage(*view);
  EXPECT_EQ(PageCells(3), de + de + de + de + "END     ") << "cells, not bytes, are kept";
  view->leftColumn = 65533;
  DrawViewPage(*view);
  EXPECT_EQ(PageCells(4), de + de + de + de + "        ") << "up to 65536 cells";
  EXPECT_EQ(Utf8ViewLine(Utf8(U"\u6F22\u6F22\u6F22"), 8, 5).Width(), 4) << "no half at the end";
  EXPECT_EQ(Utf8ViewLine("ab\t", 8, 5).Width(), 5) << "a tab's blanks up to the limit";
}

TEST_F(ViewUtf8Test, AByteOrderMarkIsNotShown) {
  ASSERT_EQ(Open(files.Write("bom.txt", "\xEF\xBB\xBFplain\n\xEF\xBB\xBFsecond\n")), 0);
  EXPECT_EQ(PageCells(3), "plain       ");
  EXPECT_EQ(PageCells(4), Utf8(U"\uFFFDsecond     ")) << "only at the file's start";
  Press("Down Up");
  EXPECT_EQ(PageCells(3), "plain       ") << "nor when line 1 is read again";
}

TEST_F(ViewUtf8Test, OtherFilesStayCodePage437BytesCellForCell) {
  const std::string utf8 = Utf8(U"Gr\u00F6\u00DFe");
  const std::string latin1 = "Gr\xF6\xDF" + std::string("e caf\xE9");
  for (const std::string& line : {latin1, std::string(kUtf8ByteOrderMark) + "caf\xE9"}) {
    ASSERT_EQ(Open(files.Write("latin1.txt", line + "\n" + utf8 + "\n")), 0);
    EXPECT_FALSE(view->utf8) << Spelled(line);
    EXPECT_EQ(ScreenText(3, kTextCol, static_cast<int>(line.size())), line) << Spelled(line);
    EXPECT_EQ(ScreenText(4, kTextCol, static_cast<int>(utf8.size())), utf8) << Spelled(line);
  }
}

TEST_F(ViewUtf8Test, TheFirst64KiBDecide) {
  const std::string longLine(kUtf8ProbeBytes - 2, 'a');  // then LF, then é across the end
  const std::string rest = "\xC3\xA9\nx\xFFy\n";
  ASSERT_EQ(Open(files.Write("cut.txt", longLine + "\n" + rest)), 0);
  EXPECT_TRUE(view->utf8) << "a sequence cut by the probe's end";
  EXPECT_EQ(PageCells(4), Utf8(U"\u00E9           "));
  EXPECT_EQ(PageCells(5), Utf8(U"x\uFFFDy         ")) << "a bad byte after the probe";

  ASSERT_EQ(Open(files.Write("late.txt", longLine + "\n\n" + rest)), 0);
  EXPECT_FALSE(view->utf8) << "ASCII up to the probe's end";
  EXPECT_EQ(ScreenText(5, kTextCol, 2), "\xC3\xA9");
}

}  // namespace
}  // namespace tarvana
