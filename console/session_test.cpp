// Tests: sessions over an installed device: full screen and clicks for the
// outermost session's life.

#include "console/session.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/headless.h"

namespace tarvana {
namespace {

TEST(SessionTest, OnlyTheOutermostSessionGivesTheScreenAndTheMouseBack) {
  HeadlessConsole& console = UseHeadlessConsole();
  {
    Session outer;
    EXPECT_TRUE(console.FullScreen());
    EXPECT_TRUE(console.MouseReporting());
    { Session inner(SessionOptions{.mouse = false}); }
    EXPECT_TRUE(console.FullScreen());
    EXPECT_TRUE(console.MouseReporting());
  }
  EXPECT_FALSE(console.FullScreen());
  EXPECT_FALSE(console.MouseReporting());
  EXPECT_TRUE(ConsoleHoldsDevice()) << "an installed device is kept";
}

// In a session Ctrl+C interrupts the program instead of arriving as a key,
// unless the session asks for the key; without one it stays a key.
TEST(SessionTest, CtrlCInterruptsInASessionUnlessItAsksForTheKey) {
  HeadlessConsole& console = UseHeadlessConsole();
  console.QueueKeys("Ctrl+C a");
  EXPECT_EQ(WaitKey(), KeyCode(1, '\x03')) << "no session: a key";
  EXPECT_EQ(WaitKey(), "a");
  {
    Session session;
    console.QueueKeys("b Ctrl+C c");
    EXPECT_EQ(WaitKey(), "b");
    EXPECT_EQ(WaitKey(), "c");
    EXPECT_EQ(console.Interrupts(), 1);
    {
      Session keys(SessionOptions{.ctrlCInterrupts = false});
      console.QueueKeys("Ctrl+C");
      EXPECT_EQ(WaitKey(), KeyCode(1, '\x03'));
    }
    console.QueueKeys("Ctrl+C d");
    EXPECT_EQ(WaitKey(), "d") << "the outer session's choice comes back";
    EXPECT_EQ(console.Interrupts(), 2);
  }
  console.QueueKeys("Ctrl+C");
  EXPECT_EQ(WaitKey(), KeyCode(1, '\x03'));
  EXPECT_EQ(console.Interrupts(), 2);
}

// Without a session, drawing takes the full screen but asks for mouse reports
// only when the program does.
TEST(SessionTest, WithoutASessionTheMouseIsReportedOnlyWhenAskedFor) {
  HeadlessConsole& console = UseHeadlessConsole();
  ClearScreen();
  EXPECT_TRUE(console.FullScreen());
  EXPECT_FALSE(console.MouseReporting());
  SetMouse(true);
  EXPECT_TRUE(console.MouseReporting());
}

}  // namespace
}  // namespace tarvana
