// The box menu driven through queued keys and clicks on the headless console.

#include "menu/box_menu.h"

#include <gtest/gtest.h>

#include <cstring>

#include "console/console.h"
#include "console/screen_save.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;

struct Menu {
  BasedArray<std::string> items{1, {"Alpha", "Bravo", "Charlie", "Delta", "Echo"}};
  BasedArray<std::uint8_t> hot{1, {1, 1, 1, 1, 1}};
  BasedArray<std::string> help{1, {"help A", "help B", "help C", "help D", "help E"}};
  BasedArray<std::uint8_t> disabled{1, {0, 0, 0, 0, 0}};
  std::uint8_t choice = 1;
  WindowRec window{5, 10, 0, 0, 1, 2, 0, 2, 7, 0x1F, 0x1E, 0x1B};
  int helpRow = 25;

  int Run() {
    return BoxMenu(items, hot, help, disabled, choice, window, "Menu", helpRow, 0x1E, 0x18, 0x7F,
                   0x71);
  }
};

class BoxMenuTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(0, 7);
    ClearScreen();
    Locate(25, 1);
    PrintText("bottom line text");
  }
  // The entry whose row carries the bar colour while the menu waits.
  int HighlightedEntry(const Menu& m) {
    for (int row = m.window.Top + 1; row < m.window.Top + 1 + m.items.Count(); ++row)
      if (ReadCellColor(row, m.window.Left + 3) == 0x71) return row - m.window.Top;
    return 0;
  }
  Menu menu;
};

TEST_F(BoxMenuTest, KeysMoveTheBarWithWrapAround) {
  struct Case {
    const char* keys;
    int start;
    int want;
  } cases[] = {
      {"Up Enter", 1, 5},   {"Down Enter", 5, 1},  {"Down Down Enter", 1, 3},
      {"End Enter", 2, 5},  {"PgDn Enter", 2, 5},  {"Home Enter", 4, 1},
      {"PgUp Enter", 4, 1}, {"Up Up Enter", 2, 5}, {"Enter", 3, 3},
  };
  for (const Case& c : cases) {
    Menu m;
    m.choice = static_cast<std::uint8_t>(c.start);
    console->QueueKeys(c.keys);
    EXPECT_EQ(m.Run(), c.want) << c.keys << " from " << c.start;
    EXPECT_EQ(m.choice, c.want) << c.keys << " from " << c.start;
  }
}

TEST_F(BoxMenuTest, DisabledEntriesAreSkippedAndNeverChosen) {
  struct Case {
    const char* keys;
    int start;
    int want;
  } cases[] = {
      {"Down Enter", 3, 5},
      {"Up Enter", 5, 3},
      {"d", 1, -1},
      {"D Esc", 2, -1},
  };
  for (const Case& c : cases) {
    Menu m;
    m.disabled[4] = 1;
    m.choice = static_cast<std::uint8_t>(c.start);
    console->QueueKeys(c.keys);
    if (c.want == -1 && std::string(c.keys) == "d") console->QueueKeys("Esc");
    EXPECT_EQ(m.Run(), c.want) << c.keys << " from " << c.start;
  }
}

TEST_F(BoxMenuTest, EndAndHomeStopOnEnabledEntries) {
  Menu m;
  m.disabled[5] = 1;
  m.disabled[1] = 1;
  m.choice = 3;
  console->QueueKeys("End Enter");
  EXPECT_EQ(m.Run(), 4);
  console->QueueKeys("Home Enter");
  EXPECT_EQ(m.Run(), 2);
}

TEST_F(BoxMenuTest, InitialChoiceOnADisabledEntry) {
  Menu m;
  m.disabled[2] = 1;
  m.choice = 2;
  console->QueueKeys("Enter");
  EXPECT_EQ(m.Run(), 3);

  Menu none;
  none.disabled[4] = none.disabled[5] = 1;
  none.choice = 4;
  const auto before = ScreenText(5, 1, 80);
  EXPECT_EQ(none.Run(), -2) << "earlier enabled entries do not count";
  EXPECT_EQ(none.choice, 4);
  EXPECT_EQ(ScreenText(5, 1, 80), before);
  EXPECT_EQ(console->Queued(), 0u);
}

TEST_F(BoxMenuTest, HotKeysIgnoreCaseAndTheLowerNumberWins) {
  Menu m;
  m.items = BasedArray<std::string>(1, {"bar", "Box", "Cat", "bee", "Dog"});
  struct Case {
    const char* key;
    int disabledEntry;
    int want;
  } cases[] = {{"b", 0, 1}, {"B", 0, 1}, {"b", 1, 2}, {"c", 0, 3}, {"D", 0, 5}};
  for (const Case& c : cases) {
    Menu t = m;
    if (c.disabledEntry) t.disabled[c.disabledEntry] = 1;
    t.choice = 3;
    console->QueueKeys(c.key);
    EXPECT_EQ(t.Run(), c.want) << "key " << c.key;
    EXPECT_EQ(t.choice, c.want);
  }
}

TEST_F(BoxMenuTest, HotKeysOfCodePage437Letters) {
  Menu m;
  m.items = BasedArray<std::string>(1, {"one", "\x84re", "two", "\x94l", "x"});
  console->QueueKeyCode(KeyCode(1, '\x99'));  // upper-case O with diaeresis
  EXPECT_EQ(m.Run(), 4);
}

TEST_F(BoxMenuTest, UnmatchedLettersAreSilentAndOtherKeysBeep) {
  console->QueueKeys("z Q 7 F1 Left Esc");
  EXPECT_EQ(menu.Run(), -1);
  EXPECT_EQ(console->Beeps(), 2);
}

TEST_F(BoxMenuTest, EscReturnsMinusOneAndKeepsTheHighlightedEntry) {
  menu.choice = 2;
  console->QueueKeys("Down Down Esc");
  EXPECT_EQ(menu.Run(), -1);
  EXPECT_EQ(menu.choice, 4);
}

TEST_F(BoxMenuTest, BoxIsSizedFromTheLongestEntry) {
  console->QueueKeys("Esc");
  menu.Run();
  EXPECT_EQ(menu.window.Bottom, 5 + 5 + 1);
  EXPECT_EQ(menu.window.Right, 10 + 7 + 3);
}

TEST_F(BoxMenuTest, MouseClicks) {
  // Box: rows 5-11, columns 10-20; entries on rows 6-10.
  struct Case {
    int row, col, button;
    int want;
  } cases[] = {
      {8, 12, 1, 3},    // interior row of entry 3
      {6, 19, 1, 1},    // last interior column
      {8, 20, 1, -1},   // right frame
      {5, 12, 1, -1},   // top frame
      {15, 40, 1, -1},  // outside
      {8, 12, 2, -1},   // right button anywhere
  };
  for (const Case& c : cases) {
    Menu m;
    test_support::EnableClicks();
    console->QueueClick(c.row, c.col, c.button);
    EXPECT_EQ(m.Run(), c.want) << "click at " << c.row << "," << c.col << " button " << c.button;
  }
}

TEST_F(BoxMenuTest, ClickOnADisabledEntryIsIgnored) {
  test_support::EnableClicks();
  menu.disabled[4] = 1;
  menu.choice = 2;
  console->QueueClick(9, 12);
  console->QueueKeys("Enter");
  EXPECT_EQ(menu.Run(), 2);
}

TEST_F(BoxMenuTest, DrawsEntriesHotKeysAndHelpLine) {
  menu.items[2] = "bravo";
  menu.hot[2] = 2;
  menu.hot[3] = 0;
  menu.disabled[4] = 1;
  menu.choice = 2;
  // Look at the screen while the menu waits: the queue runs dry there.
  EXPECT_THROW(menu.Run(), HeadlessInputExhausted);
  EXPECT_EQ(ScreenText(7, 12, 5), "bRavo") << "the hot-key letter is shown upper-cased";
  EXPECT_EQ(ReadCellColor(6, 12), 0x1E) << "hot-key colour";
  EXPECT_EQ(ReadCellColor(6, 13), 0x1F) << "entry text in the fill colour";
  EXPECT_EQ(ReadCellColor(9, 12), 0x18) << "disabled entry";
  EXPECT_EQ(ReadCellColor(7, 11), 0x71) << "the bar covers the whole interior width";
  EXPECT_EQ(ReadCellColor(7, 19), 0x71);
  EXPECT_EQ(ReadCellColor(7, 20), 0x1E) << "but not the frame";
  EXPECT_EQ(RowText(25), "help B");
  EXPECT_EQ(ReadCellColor(25, 79), 0x7F) << "the help row is cleared over 79 columns";
  EXPECT_EQ(ReadCellColor(25, 80), 0x70);
  EXPECT_EQ(ReadCellColor(8, 11), 0x1F) << "entry without a hot key has no letter colour";
}

TEST_F(BoxMenuTest, MovingTheBarRepaintsTheOldHotKeyAndTheHelpLine) {
  console->QueueKeys("Down Down");
  EXPECT_THROW(menu.Run(), HeadlessInputExhausted);
  EXPECT_EQ(HighlightedEntry(menu), 3);
  EXPECT_EQ(ReadCellColor(6, 12), 0x1E);
  EXPECT_EQ(ReadCellColor(7, 12), 0x1E);
  EXPECT_EQ(ReadCellColor(7, 13), 0x1F);
  EXPECT_EQ(RowText(25), "help C");
}

// The help row is cleared to the screen's width less one before each help
// line, so a long line leaves nothing behind a shorter one.
TEST_F(BoxMenuTest, AShorterHelpLineLeavesNothingOfTheLongerOne) {
  for (int width : {80, 120}) {
    HeadlessConsole& wide = UseHeadlessConsole(width, 25);
    SetColor(0, 7);
    ClearScreen();
    Menu m;
    m.help[1] = std::string(width - 1, 'h');
    wide.QueueKeys("Down");
    EXPECT_THROW(m.Run(), HeadlessInputExhausted) << width << " columns";
    EXPECT_EQ(RowText(25), "help B") << width << " columns";
    EXPECT_EQ(ReadCellColor(25, width - 1), 0x7F) << width << " columns";
    EXPECT_EQ(ReadCellColor(25, width), 0x70) << width << " columns: the last cell is left alone";
  }
}

TEST_F(BoxMenuTest, HelpRowZeroDrawsNoHelp) {
  menu.helpRow = 0;
  EXPECT_THROW(menu.Run(), HeadlessInputExhausted);
  EXPECT_EQ(RowText(25), "bottom line text");
}

TEST_F(BoxMenuTest, LeavesTheScreenExactlyAsFound) {
  std::vector<Cell> before, after;
  ReadScreenBlock(before);
  console->QueueKeys("Down Down Enter");
  EXPECT_EQ(menu.Run(), 3);
  ReadScreenBlock(after);
  EXPECT_EQ(before, after);
}

TEST_F(BoxMenuTest, AnyLowerBound) {
  Menu m;
  m.items = BasedArray<std::string>(0, {"zero", "one", "two"});
  m.hot = BasedArray<std::uint8_t>(0, {1, 1, 2});
  m.help = BasedArray<std::string>(0, {"", "", ""});
  m.disabled = BasedArray<std::uint8_t>(0, {0, 0, 0});
  m.choice = 0;
  console->QueueKeys("w");
  EXPECT_EQ(m.Run(), 2);
  m.choice = 0;
  console->QueueKeys("Up Enter");
  EXPECT_EQ(m.Run(), 2);
  EXPECT_EQ(m.window.Bottom, 5 + 3 + 1);
}

// Refused menus read no key and leave the screen, the choice and the window
// record as they were.
TEST_F(BoxMenuTest, MismatchedArraysAndBoxesOffTheScreenDrawNothing) {
  struct Case {
    const char* what;
    void (*change)(Menu&);
  } cases[] = {
      {"short hot keys",
       [](Menu& m) {
         m.hot = BasedArray<std::uint8_t>(1, {1, 1, 1, 1});
       }},
      {"short help",
       [](Menu& m) {
         m.help = BasedArray<std::string>(1, {"a", "b", "c", "d"});
       }},
      {"short disabled", [](Menu& m) { m.disabled = BasedArray<std::uint8_t>(1, {0}); }},
      {"help from 2", [](Menu& m) { m.help = BasedArray<std::string>(2, 6); }},
      {"no entries", [](Menu& m) { m.items = BasedArray<std::string>(1, 0); }},
      {"top 0", [](Menu& m) { m.window.Top = 0; }},
      {"left 0", [](Menu& m) { m.window.Left = 0; }},
      {"past the bottom", [](Menu& m) { m.window.Top = 20; }},
      {"past the right edge", [](Menu& m) { m.window.Left = 71; }},
      {"bottom past a byte", [](Menu& m) { m.items = BasedArray<std::string>(1, 300); }},
      {"right past a byte", [](Menu& m) { m.items[1] = std::string(300, 'x'); }},
  };
  for (const Case& c : cases) {
    Menu m;
    c.change(m);
    m.choice = 2;
    const WindowRec window = m.window;
    std::vector<Cell> before, after;
    ReadScreenBlock(before);
    console->QueueKeys("Esc");
    EXPECT_EQ(m.Run(), -2) << c.what;
    ReadScreenBlock(after);
    EXPECT_EQ(after, before) << c.what;
    EXPECT_EQ(m.choice, 2) << c.what;
    EXPECT_EQ(std::memcmp(&m.window, &window, sizeof window), 0) << c.what;
    EXPECT_EQ(InKey(), "\x1b") << c.what << ": the Esc is still queued";
  }
  Menu fits;
  fits.window.Top = 19;
  fits.window.Left = 70;
  console->QueueKeys("Enter");
  EXPECT_EQ(fits.Run(), 1) << "a box reaching the bottom-right corner";
}

TEST_F(BoxMenuTest, HelpLinesStayOnTheirRow) {
  struct Case {
    int helpRow;
    std::string help;
    const char* row25;
  } cases[] = {
      {26, "help off the screen", "bottom line text"},
      {255, "help off the screen", "bottom line text"},
      {25, std::string(100, 'h'), nullptr},
  };
  for (const Case& c : cases) {
    Menu m;
    m.helpRow = c.helpRow;
    m.help[1] = c.help;
    EXPECT_THROW(m.Run(), HeadlessInputExhausted);
    EXPECT_EQ(ScreenText(10, 12, 4), "Echo") << "help row " << c.helpRow;
    EXPECT_EQ(RowText(5).substr(9), "\xDA\xC4 Menu \xC4\xC4\xBF") << "help row " << c.helpRow;
    EXPECT_EQ(RowText(25), c.row25 ? c.row25 : std::string(80, 'h')) << "help row " << c.helpRow;
    ClearScreen();
    Locate(25, 1);
    PrintText("bottom line text");
  }
}

}  // namespace
}  // namespace tarvana
