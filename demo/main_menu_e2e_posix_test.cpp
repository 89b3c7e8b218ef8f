// The main menu end to end in a pseudo-terminal: keys, a click, the sample
// dialog, the windowing screen, and quitting.

#include <gtest/gtest.h>

#include "testing/demo_session.h"

namespace tarvana {
namespace {

using test_support::DemoProgram;
using test_support::Press;
using test_support::PtyTerminal;

TEST(MainMenuEndToEnd, KeysClicksDialogWindowsAndQuitting) {
  PtyTerminal term({DemoProgram()}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(test_support::ReachMainMenu(term)) << term.Screen().Text();
  EXPECT_EQ(term.Screen().RowText(25), "Sample Bar Menu");

  ASSERT_TRUE(Press(term, "\x1b[B"));  // Down
  EXPECT_EQ(term.Screen().RowText(25), "Sample Box Menu (you're using a Box Menu now)");

  term.Click(9, 32);  // "Dialog Boxes"
  ASSERT_TRUE(term.WaitForText("This is a sample Dialog Box.")) << term.Screen().Text();
  term.Click(2, 2);
  ASSERT_TRUE(term.WaitUntil([&] { return !term.Screen().Contains("This is a sample"); }));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu"));
  EXPECT_EQ(term.Screen().RowText(25), "Sample Dialog Box");

  ASSERT_TRUE(Press(term, "w"));
  ASSERT_TRUE(term.WaitForText("Press any key to remove the boxes.")) << term.Screen().Text();
  ASSERT_TRUE(Press(term, " "));
  ASSERT_TRUE(term.WaitForText("Moving Box")) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "\x1b"));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu")) << term.Screen().Text();
  EXPECT_EQ(term.Screen().RowText(25), "Powerful Windowing Tools");

  ASSERT_TRUE(Press(term, "\x1b"));
  ASSERT_TRUE(term.WaitForText("Are you sure you want to quit?"));
  ASSERT_TRUE(Press(term, "n"));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu"));
  EXPECT_FALSE(term.Screen().Contains("quit?"));
  ASSERT_TRUE(Press(term, "\x1b"));
  ASSERT_TRUE(term.WaitForText("Are you sure you want to quit?"));
  term.SendKeys("y");
  ASSERT_TRUE(term.WaitForExit());
  EXPECT_EQ(term.ExitStatus(), 0);
  EXPECT_FALSE(term.Screen().AltScreen());
  EXPECT_TRUE(term.Screen().Contains("Thank you for your interest in the Tarvana Toolbox!"));
}

}  // namespace
}  // namespace tarvana
