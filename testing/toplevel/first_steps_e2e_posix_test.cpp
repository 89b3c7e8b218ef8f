// The first-steps menu program in a pseudo-terminal: a click on a menu entry
// of the modern layer, and the terminal given back by its session.

#include <gtest/gtest.h>
#include <termios.h>

#include <string>

#include "testing/pty_terminal_posix.h"

namespace tarvana {
namespace {

using test_support::PtyTerminal;

TEST(FirstSteps, MenuAnswersAClickAndTheSessionGivesTheTerminalBack) {
  PtyTerminal term({std::string(TARVANA_BINARY_DIR) + "/bin/hello_menu"}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(term.Started());
  const termios before = term.InitialSettings();
  ASSERT_TRUE(term.WaitForText("What time is it?")) << term.Screen().Text();
  EXPECT_NE(term.Screen().MouseMode(), 0) << "mouse clicks not reported";
  term.Click(12, 33);  // "Say hello", the first entry of the centred box
  ASSERT_TRUE(term.WaitForText("Hello, world!")) << term.Screen().Text();
  term.SendKeys(" ");
  ASSERT_TRUE(term.WaitUntil(
      [&] { return term.Screen().Text().find("Hello, world!") == std::string::npos; }));
  term.SendKeys("q");
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0);
  EXPECT_FALSE(term.Screen().AltScreen());
  EXPECT_EQ(term.Screen().MouseMode(), 0);
  EXPECT_EQ(term.Settings().c_lflag, before.c_lflag);
}

}  // namespace
}  // namespace tarvana
