// The pick list demonstration end to end in a pseudo-terminal: typing W then
// Enter reports "Weasel".

#include <gtest/gtest.h>

#include "testing/demo_session.h"

namespace tarvana {
namespace {

using test_support::DemoProgram;
using test_support::Press;
using test_support::PtyTerminal;

TEST(PickListEndToEnd, TypingWThenEnterReportsWeasel) {
  PtyTerminal term({DemoProgram()}, TARVANA_SOURCE_DIR);
  ASSERT_TRUE(test_support::ReachMainMenu(term)) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "p"));
  ASSERT_TRUE(term.WaitForText("Give it a try now:")) << term.Screen().Text();
  ASSERT_TRUE(term.WaitForText("Aardvark")) << term.Screen().Text();
  ASSERT_TRUE(Press(term, "W"));
  ASSERT_TRUE(Press(term, "\r"));
  ASSERT_TRUE(term.WaitForText("You selected Weasel")) << term.Screen().Text();
  EXPECT_EQ(term.Screen().RowText(25), "  You selected Weasel");
  ASSERT_TRUE(Press(term, "\x1b"));
  ASSERT_TRUE(term.WaitForText("Demo Main Menu")) << term.Screen().Text();
  EXPECT_EQ(term.Screen().RowText(25), "Use a Pick List");
  EXPECT_TRUE(test_support::LeaveDemo(term));
}

}  // namespace
}  // namespace tarvana
