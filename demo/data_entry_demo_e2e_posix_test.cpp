// The data entry screen of the demonstration end to end, in a pseudo-terminal.

#include <gtest/gtest.h>

#include <string>

#include "testing/pty_terminal_posix.h"

namespace tarvana {
namespace {

constexpr int kZipCol = 52;

// End to end: the program in a pseudo-terminal, keys as a terminal sends them.
const std::string kDemo = std::string(TARVANA_BINARY_DIR) + "/bin/tarvana-demo";

TEST(DataEntryDemoEndToEnd, StateZipCodeAndTheF10Report) {
  test_support::PtyTerminal term({kDemo}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  ASSERT_TRUE(term.WaitForText("Tarvana")) << term.Screen().Text();
  term.SendKeys(" ");
  ASSERT_TRUE(term.WaitForText("Data Entry")) << term.Screen().Text();
  term.SendKeys("E");
  ASSERT_TRUE(term.WaitForText("Phone Number: (000) 000-0000")) << term.Screen().Text();
  const auto& screen = term.Screen();
  EXPECT_NE(screen.RowText(14).find("Zip Code: 00000-0000"), std::string::npos);

  term.SendKeys("\x1b[B\x1b[B\x1b[B\x1b[B");
  ASSERT_TRUE(term.WaitUntil([&] { return screen.CursorRow() == 14 && screen.CursorCol() == 38; }))
      << "cursor at " << screen.CursorRow() << "," << screen.CursorCol();
  term.SendKeys("ny");
  ASSERT_TRUE(term.WaitUntil([&] {
    return screen.RowText(14).find("State: NY") != std::string::npos && screen.CursorRow() == 14 &&
           screen.CursorCol() == kZipCol;
  })) << term.Screen().Text()
      << "cursor at " << screen.CursorRow() << "," << screen.CursorCol();
  EXPECT_TRUE(screen.CursorVisible());

  term.SendKeys("\x1b[21~");  // F10
  ASSERT_TRUE(term.WaitForText("You entered data in at least one field.")) << screen.Text();
  EXPECT_TRUE(screen.Contains("You pressed F10 to exit the entry screen."));

  term.SendKeys("x");
  ASSERT_TRUE(term.WaitUntil([&] { return !screen.Contains("You pressed F10"); }));
  term.SendKeys("\x1b");
  ASSERT_TRUE(term.WaitForText("quit?")) << screen.Text();
  term.SendKeys("y");
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0);
}

}  // namespace
}  // namespace tarvana
