// The screen model through the public console routines.

#include <gtest/gtest.h>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::ScreenText;

class ConsoleScreen : public HeadlessTest {};

TEST_F(ConsoleScreen, LocateKeepsEachOutOfRangeCoordinateOnItsOwn) {
  struct Case {
    int row, col, wantRow, wantCol;
  } cases[] = {
      {0, 5, 3, 5}, {26, 81, 3, 7}, {-1, 80, 3, 80}, {25, 0, 25, 7}, {1, 1, 1, 1},
  };
  for (const Case& c : cases) {
    Locate(3, 7);
    Locate(c.row, c.col);
    EXPECT_EQ(CursorRow(), c.wantRow) << "Locate(" << c.row << ", " << c.col << ")";
    EXPECT_EQ(CursorCol(), c.wantCol) << "Locate(" << c.row << ", " << c.col << ")";
  }
}

TEST_F(ConsoleScreen, SetColorKeepsAnOutOfRangeHalf) {
  struct Case {
    int fg, bg;
    ColorAttr want;
  } cases[] = {{20, 1, 0x17}, {14, 16, 0x0E}, {-1, 4, 0x47}, {15, 1, 0x1F}};
  for (const Case& c : cases) {
    SetColor(7, 0);
    SetColor(c.fg, c.bg);
    Locate(1, 1);
    PrintText("x");
    EXPECT_EQ(ReadCellColor(1, 1), c.want) << "SetColor(" << c.fg << ", " << c.bg << ")";
  }
}

TEST_F(ConsoleScreen, PrintTextShowsControlCodesAsGlyphs) {
  Locate(2, 1);
  PrintText(std::string("\x07\r\n\x18\x19", 5));
  EXPECT_EQ(ScreenText(2, 1, 5), std::string("\x07\r\n\x18\x19", 5));
  EXPECT_EQ(CursorRow(), 2);
  EXPECT_EQ(CursorCol(), 6);
  EXPECT_EQ(console->Beeps(), 0);
}

TEST_F(ConsoleScreen, PrintTextWrapsAtTheRightEdge) {
  Locate(4, 79);
  PrintText("abcd");
  EXPECT_EQ(ScreenText(4, 79, 2), "ab");
  EXPECT_EQ(ScreenText(5, 1, 2), "cd");
  EXPECT_EQ(CursorRow(), 5);
  EXPECT_EQ(CursorCol(), 3);
}

TEST_F(ConsoleScreen, BottomRightCellLeavesTheScrollPending) {
  Locate(1, 1);
  PrintText("top");
  Locate(25, 80);
  PrintText("x");
  EXPECT_EQ(ScreenText(1, 1, 3), "top") << "writing the last cell must not scroll";
  EXPECT_EQ(ReadCell(25, 80), 'x');
  EXPECT_EQ(CursorRow(), 25);
  EXPECT_EQ(CursorCol(), 1);
  PrintText("y");
  EXPECT_EQ(ScreenText(24, 80, 1), "x") << "the next text scrolls first";
  EXPECT_EQ(ReadCell(25, 1), 'y');
  EXPECT_EQ(ScreenText(25, 2, 79), std::string(79, ' '));
}

TEST_F(ConsoleScreen, LocateCancelsThePendingScroll) {
  Locate(25, 80);
  PrintText("x");
  Locate(25, 1);
  PrintText("y");
  EXPECT_EQ(ReadCell(25, 80), 'x');
  EXPECT_EQ(ReadCell(25, 1), 'y');
}

TEST_F(ConsoleScreen, NewLineScrollsOnTheBottomRow) {
  Locate(1, 1);
  PrintText("one");
  Locate(25, 10);
  NewLine();
  EXPECT_EQ(CursorRow(), 25);
  EXPECT_EQ(CursorCol(), 1);
  EXPECT_EQ(ScreenText(1, 1, 3), "   ");

  // With a scroll pending the screen moves up two lines.
  Locate(23, 1);
  PrintText("mark");
  Locate(25, 80);
  PrintText("z");
  NewLine();
  EXPECT_EQ(ScreenText(21, 1, 4), "mark");
  EXPECT_EQ(ReadCell(23, 80), 'z');
}

TEST_F(ConsoleScreen, ScrolledInLineTakesTheCurrentColour) {
  Locate(25, 1);
  SetColor(14, 1);
  NewLine();
  EXPECT_EQ(ReadCellColor(25, 40), 0x1E);
}

TEST_F(ConsoleScreen, ClearScreenFillsInTheCurrentColourAndHomesTheCursor) {
  SetColor(0, 7);
  Locate(10, 10);
  ClearScreen();
  EXPECT_EQ(CursorRow(), 1);
  EXPECT_EQ(CursorCol(), 1);
  EXPECT_EQ(ReadCellColor(25, 80), 0x70);
  EXPECT_EQ(ReadCell(13, 40), ' ');
}

TEST_F(ConsoleScreen, SetConsoleSizeIgnoresHugeValues) {
  SetConsoleSize(10000, 25);
  EXPECT_EQ(ScreenWidth(), 80);
  SetConsoleSize(100, 40);
  EXPECT_EQ(ScreenWidth(), 100);
  EXPECT_EQ(ScreenHeight(), 40);
}

// A terminal's reported size is taken up to 2048 by 1024 cells, so that a
// wrong or hostile size cannot make the screen take gigabytes; the bounded
// screen is still drawn on.
TEST_F(ConsoleScreen, ReportedSizeIsBounded) {
  const struct {
    int cols, rows, wantCols, wantRows;
  } cases[] = {{200, 60, 200, 60},         {2048, 1024, 2048, 1024}, {10000, 10000, 2048, 1024},
               {65535, 65535, 2048, 1024}, {65535, 1, 2048, 1},      {1, 65535, 1, 1024}};
  for (const auto& c : cases) {
    UseHeadlessConsole(c.cols, c.rows);
    EXPECT_EQ(ScreenWidth(), c.wantCols) << c.cols << " x " << c.rows;
    EXPECT_EQ(ScreenHeight(), c.wantRows) << c.cols << " x " << c.rows;
    Locate(ScreenHeight(), ScreenWidth());
    PrintText("Z");
    EXPECT_EQ(ReadCell(c.wantRows, c.wantCols), 'Z') << c.cols << " x " << c.rows;
  }
}

TEST_F(ConsoleScreen, BlockOperationsKeepCursorAndColour) {
  SetColor(14, 1);
  Locate(5, 6);
  PrintText("ab");
  std::vector<Cell> block;
  ReadScreenRect(block, 5, 6, 1, 2);
  ASSERT_EQ(block.size(), 2u);
  EXPECT_EQ(block[1].ch, 'b');
  WriteScreenRect(block, 10, 70, 1, 2);
  EXPECT_EQ(ScreenText(10, 70, 2), "ab");
  EXPECT_EQ(ReadCellColor(10, 71), 0x1E);
  EXPECT_EQ(CursorRow(), 5);
  EXPECT_EQ(CursorCol(), 8);
}

TEST_F(ConsoleScreen, OutsideCellsReadAsZero) {
  EXPECT_EQ(ReadCell(0, 1), 0);
  EXPECT_EQ(ReadCellColor(26, 1), 0);
}

TEST_F(ConsoleScreen, ColoursSplitAndMake) {
  int fg = 0, bg = 0;
  SplitColor(0x4F, fg, bg);
  EXPECT_EQ(fg, 15);
  EXPECT_EQ(bg, 4);
  EXPECT_EQ(MakeColor(15, 1), 31);
  EXPECT_EQ(MakeColor(14, 7), 126);
  EXPECT_EQ(MakeColor(15, 31), 0xFF) << "kept to eight bits";
}

TEST_F(ConsoleScreen, ClockTextsComeFromTheConsoleClock) {
  console->SetClock({2026, 12, 8, 7, 5, 3, 250});
  EXPECT_EQ(ClockDate(), "12-08-2026");
  EXPECT_EQ(ClockTime(), "07:05:03");
  EXPECT_DOUBLE_EQ(Timer(), 7 * 3600 + 5 * 60 + 3.25);
  Pause(1000);
  EXPECT_EQ(ClockTime(), "07:05:04");
}

TEST_F(ConsoleScreen, RandomNumbersRepeatForTheSameStartAndStayInRange) {
  Randomize(1234.5);
  std::vector<double> first;
  for (int i = 0; i < 100; ++i)
    first.push_back(Rnd());
  Randomize(1234.5);
  for (int i = 0; i < 100; ++i) {
    const double r = Rnd();
    EXPECT_EQ(r, first[i]);
    EXPECT_GE(r, 0.0);
    EXPECT_LT(r, 1.0);
  }
}

TEST_F(ConsoleScreen, WaitingWithNothingQueuedFailsAtOnce) {
  EXPECT_THROW(WaitKey(), HeadlessInputExhausted);
  console->SetPollLimit(10);
  EXPECT_THROW(
      {
        for (;;)
          InKey();
      },
      HeadlessInputExhausted);
}

TEST_F(ConsoleScreen, PlainLinesBeforeTheScreenIsTakenOver) {
  PrintText("hello");
  NewLine();
  EXPECT_FALSE(console->FullScreen());
  EXPECT_EQ(console->Stream(), "hello\n");
  Locate(3, 3);
  EXPECT_TRUE(console->FullScreen());
  PrintText("x");
  EXPECT_EQ(console->Stream(), "hello\n") << "full-screen text is not streamed";
  LeaveFullScreen();
  EXPECT_FALSE(console->FullScreen());
}

}  // namespace
}  // namespace tarvana
