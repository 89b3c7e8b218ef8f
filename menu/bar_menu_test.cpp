// The bar menu driven through queued keys and clicks on the headless console.

#include "menu/bar_menu.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;

struct Bar {
  BasedArray<std::string> items{1,
                                {"File", "Edit", "Search", "Run", "Compile", "Options", "Debug"}};
  BasedArray<std::uint8_t> hot{1, {1, 1, 1, 1, 1, 1, 1}};
  BasedArray<std::string> help{1, {"hF", "hE", "hS", "hR", "hC", "hO", "hD"}};
  BasedArray<std::uint8_t> disabled{1, {0, 0, 0, 1, 0, 0, 0}};
  std::uint8_t choice = 1;
  int barRow = 1;

  int Run() {
    return BarMenu(items, hot, help, disabled, barRow, 25, choice, 0x5E, 0x1E, 0x1B, 0x10, 0x71);
  }
};

class BarMenuTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(0, 7);
    ClearScreen();
    Locate(1, 1);
    PrintText("under the bar");
    Locate(25, 1);
    PrintText("under the help");
    test_support::EnableClicks();
  }
  Bar bar;
};

TEST_F(BarMenuTest, EntriesAreLaidOutTwoColumnsApart) {
  EXPECT_THROW(bar.Run(), HeadlessInputExhausted);
  const int starts[] = {2, 8, 14, 22, 27, 36, 45};
  for (int i = 1; i <= 7; ++i)
    EXPECT_EQ(ScreenText(1, starts[i - 1], bar.items[i].size()), bar.items[i]) << "entry " << i;
  EXPECT_EQ(ReadCellColor(1, 80), 0x1E) << "the whole row takes the normal colour";
  EXPECT_EQ(ReadCellColor(1, 22), 0x10) << "disabled entry";
  EXPECT_EQ(ReadCellColor(1, 8), 0x1B) << "hot-key letter";
  EXPECT_EQ(ReadCellColor(1, 9), 0x1E);
  EXPECT_EQ(ReadCellColor(1, 1), 0x5E) << "the highlight covers the blank before the text";
  EXPECT_EQ(ReadCellColor(1, 6), 0x5E) << "and the blank after it";
  EXPECT_EQ(ReadCellColor(1, 7), 0x1E);
  EXPECT_EQ(RowText(25), "hF");
  EXPECT_EQ(ReadCellColor(25, 79), 0x71);
}

TEST_F(BarMenuTest, KeysMoveAndSkipTheDisabledEntry) {
  struct Case {
    const char* keys;
    int start;
    int want;
    int beeps;
  } cases[] = {
      {"Right Enter", 3, 5, 0},   {"Left Enter", 5, 3, 0},      {"Left Enter", 1, 7, 0},
      {"Right Enter", 7, 1, 0},   {"End Enter", 2, 7, 0},       {"Home Enter", 6, 1, 0},
      {"Up Down Enter", 2, 2, 2}, {"PgUp PgDn Enter", 2, 2, 2}, {"r c", 1, 5, 0},
  };
  for (const Case& c : cases) {
    Bar b;
    auto& fresh = UseHeadlessConsole(80, 25);
    fresh.QueueKeys(c.keys);
    b.choice = static_cast<std::uint8_t>(c.start);
    EXPECT_EQ(b.Run(), c.want) << c.keys << " from " << c.start;
    EXPECT_EQ(fresh.Beeps(), c.beeps) << c.keys << " from " << c.start;
  }
  Bar b;
  auto& fresh = UseHeadlessConsole(80, 25);
  fresh.QueueKeys("Up Down Esc");
  b.choice = 2;
  EXPECT_EQ(b.Run(), -1);
  EXPECT_EQ(fresh.Beeps(), 2);
  EXPECT_EQ(b.choice, 2);
}

TEST_F(BarMenuTest, EndStopsOnTheLastEnabledEntry) {
  bar.disabled[7] = 1;
  console->QueueKeys("End Enter");
  EXPECT_EQ(bar.Run(), 6);
}

TEST_F(BarMenuTest, Clicks) {
  struct Case {
    int row, col, button;
    int want;  // 0: ignored, so the following Esc gives -1 after the click
  } cases[] = {
      {1, 7, 1, 2},    // blank before "Edit"
      {1, 12, 1, 2},   // blank after "Edit"
      {1, 13, 1, 3},   // blank before "Search": cells touch, the first in order wins
      {1, 22, 1, 0},   // disabled Run
      {1, 52, 1, 0},   // right of the last entry's cell
      {5, 10, 1, -1},  // another row
      {1, 10, 2, -1},  // right button
  };
  for (const Case& c : cases) {
    Bar b;
    auto& fresh = UseHeadlessConsole(80, 25);
    test_support::EnableClicks();
    fresh.QueueClick(c.row, c.col, c.button);
    fresh.QueueKeys("Esc");
    EXPECT_EQ(b.Run(), c.want == 0 ? -1 : c.want) << "click at " << c.row << "," << c.col;
    EXPECT_EQ(fresh.Queued(), 0u);
  }
}

TEST_F(BarMenuTest, AClickChoosesEntryZeroOfArraysFromZero) {
  Bar b;
  b.items = BasedArray<std::string>(0, b.items.Items());
  b.hot = BasedArray<std::uint8_t>(0, b.hot.Items());
  b.help = BasedArray<std::string>(0, b.help.Items());
  b.disabled = BasedArray<std::uint8_t>(0, b.disabled.Items());
  b.choice = 1;
  console->QueueClick(1, 3, 1);  // on "File"
  console->QueueKeys("Esc");
  EXPECT_EQ(b.Run(), 0);
}

TEST_F(BarMenuTest, RestoresTheBarRowAndTheHelpRow) {
  std::vector<Cell> before, after;
  ReadScreenBlock(before);
  console->QueueKeys("Right Right Enter");
  EXPECT_EQ(bar.Run(), 3);
  ReadScreenBlock(after);
  EXPECT_EQ(before, after);
  EXPECT_EQ(RowText(1), "under the bar");
}

TEST_F(BarMenuTest, MismatchedArraysAndBarsOffTheScreenDrawNothing) {
  struct Case {
    const char* what;
    void (*change)(Bar&);
  } cases[] = {
      {"short hot keys",
       [](Bar& b) {
         b.hot = BasedArray<std::uint8_t>(1, {1, 1});
       }},
      {"short help", [](Bar& b) { b.help = BasedArray<std::string>(2, 7); }},
      {"short disabled", [](Bar& b) { b.disabled = BasedArray<std::uint8_t>(1, 6); }},
      {"row 0", [](Bar& b) { b.barRow = 0; }},
      {"row 26", [](Bar& b) { b.barRow = 26; }},
      {"entries past column 80", [](Bar& b) { b.items[7] = std::string(37, 'x'); }},
  };
  for (const Case& c : cases) {
    Bar b;
    c.change(b);
    std::vector<Cell> before, after;
    ReadScreenBlock(before);
    console->QueueKeys("Esc");
    EXPECT_EQ(b.Run(), -2) << c.what;
    ReadScreenBlock(after);
    EXPECT_EQ(after, before) << c.what;
    EXPECT_EQ(b.choice, 1) << c.what;
    EXPECT_EQ(InKey(), "\x1b") << c.what << ": the Esc is still queued";
  }
}

TEST_F(BarMenuTest, AnEntryEndingInTheLastColumnHighlightsNoCellOfTheNextRow) {
  Bar b;
  b.items[7] = std::string(36, 'x');  // columns 45-80
  b.choice = 7;
  EXPECT_THROW(b.Run(), HeadlessInputExhausted);
  EXPECT_EQ(ReadCellColor(1, 80), 0x5E);
  EXPECT_EQ(ReadCellColor(2, 1), 0x70);
}

}  // namespace
}  // namespace tarvana
