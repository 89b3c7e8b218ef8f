// InputLine on the headless console: echo, Backspace, keys it passes over,
// the character limit and the cursor afterwards.

#include "text/input_line.h"

#include <gtest/gtest.h>

#include <cstring>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

using test_support::HeadlessTest;
using test_support::RowText;
using test_support::ScreenText;

class InputLineTest : public HeadlessTest {};

TEST_F(InputLineTest, CollectsEchoesAndEnds) {
  struct Case {
    const char* keys;
    int maxChars;
    const char* text;
    int beeps;
  };
  const Case cases[] = {
      {"a b c Enter", 10000, "abc", 0},
      {"a b Backspace c Enter", 10000, "ac", 0},
      {"Backspace Backspace x Enter", 10000, "x", 0},
      {"Down F1 Esc Tab Ctrl+Y Alt+L 7 Enter", 10000, "7", 0},
      {"1 2 3 4 Enter", 3, "123", 1},
      {"1 2 3 Backspace 4 Enter", 3, "124", 0},
      {"1 Enter", 0, "", 1},
      {"Enter", 10000, "", 0},
  };
  for (const Case& c : cases) {
    auto& console = UseHeadlessConsole(80, 25);
    SetMouse(mouse::kLeft, mouse::kReleased);
    SetMouse(true);
    console.QueueClick(3, 3);
    console.QueueKeys(c.keys);
    Locate(5, 11);
    EXPECT_EQ(InputLine(c.maxChars), c.text) << c.keys;
    EXPECT_EQ(ScreenText(5, 1, 80),
              (std::string(10, ' ') + c.text).append(70 - strlen(c.text), ' '))
        << c.keys;
    EXPECT_EQ(CursorRow(), 6) << c.keys;
    EXPECT_EQ(CursorCol(), 1) << c.keys;
    EXPECT_EQ(console.Beeps(), c.beeps) << c.keys;
  }
}

TEST_F(InputLineTest, HighCharactersAreCollected) {
  console->QueueText("\xE9\x7F\x80");
  console->QueueKeys("Enter");
  EXPECT_EQ(InputLine(), "\xE9\x7F\x80");
}

TEST_F(InputLineTest, BackspaceReachesBackAcrossARowEnd) {
  Locate(5, 79);
  console->QueueText("abc");
  console->QueueKeys("Backspace Backspace Enter");
  EXPECT_EQ(InputLine(), "a");
  EXPECT_EQ(RowText(5), std::string(78, ' ') + "a");
  EXPECT_EQ(RowText(6), "");
}

}  // namespace
}  // namespace tarvana
