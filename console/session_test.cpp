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
