// Centred text, the status line, printing at a place, the remembered cursor
// and centred printer output.

#include "tools/prompt_utils.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "console/console.h"
#include "runtime/utf8_path.h"
#include "testing/headless_test_support.h"
#include "testing/scratch_dir.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;

class PromptUtils : public HeadlessTest {};

TEST_F(PromptUtils, CenterTextPlacement) {
  struct Case {
    std::string text;
    int width;
    int firstCol;
    int printed;
  } cases[] = {
      {"Version 1.01", 80, 35, 12},
      {std::string(80, 'x'), 80, 1, 80},
      {std::string(80, 'x'), 0, 1, 80},
      {std::string(85, 'x'), 80, 1, 80},
      {"", 80, 41, 0},
      {"abc", 10, 4, 3},
      {"abcd", -5, 39, 4},
  };
  for (const Case& c : cases) {
    SetColor(7, 0);
    ClearScreen();
    Locate(10, 7);
    CenterText(c.text, c.width);
    EXPECT_EQ(RowText(10),
              std::string(c.printed ? c.firstCol - 1 : 0, ' ') + c.text.substr(0, c.printed))
        << c.text.size() << " chars in " << c.width;
    if (c.printed == 0) {
      EXPECT_EQ(CursorCol(), c.firstCol) << "empty text";
    }
  }
}

TEST_F(PromptUtils, StatusLineLeavesCursorAndOtherRows) {
  Locate(7, 9);
  StatusLine("Press Esc");
  EXPECT_EQ(CursorRow(), 7);
  EXPECT_EQ(CursorCol(), 9);
  EXPECT_EQ(RowText(25), std::string(35, ' ') + "Press Esc");
  EXPECT_EQ(RowText(24), "");

  StatusLine(std::string(80, '='));
  Locate(7, 9);
  PrintText("x");
  EXPECT_EQ(ScreenText(25, 1, 80), std::string(80, '=')) << "no scroll after a full bottom row";
}

TEST_F(PromptUtils, PrintAtAndPrintRC) {
  PrintAt("hi", 3, 4, 0x1E);
  EXPECT_EQ(ScreenText(3, 4, 2), "hi");
  EXPECT_EQ(ReadCellColor(3, 5), 0x1E);
  PrintRC(4, 1, "there");
  EXPECT_EQ(ReadCellColor(4, 1), 0x1E) << "PrintRC keeps the current colour";
}

TEST_F(PromptUtils, RememberedCursor) {
  Locate(5, 6);
  SaveCursor();
  Locate(20, 30);
  RestoreCursor();
  EXPECT_EQ(CursorRow(), 5);
  EXPECT_EQ(CursorCol(), 6);
  Locate(1, 1);
  RestoreCursor();
  EXPECT_EQ(CursorRow(), 5) << "can be restored again";
}

TEST_F(PromptUtils, PrinterLinesAreCentred) {
  const test_support::ScratchDir dir("tarvana-printer-");
  ASSERT_FALSE(dir.Path().empty());
  // A name outside the ANSI code page still names the file on Windows.
  const std::string path = dir.Name() + "/printer \xC3\xA9\xE2\x82\xAC";
  SetPrinterFile(path);
  LPrintCentered("abc", 10);  // column 4
  LPrintCentered("de", 20);   // column 10: blanks from 7
  LPrintCentered("f", 4);     // column 2: already past, new line first
  SetPrinterFile("/nonexistent/dir/printer");
  LPrintCentered("dropped", 0);
  std::ifstream in(PathFromUtf8(path), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  EXPECT_EQ(s.str(), "   abc   de\r\n f");
}

}  // namespace
}  // namespace tarvana
