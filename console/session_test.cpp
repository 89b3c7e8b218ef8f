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

}  // namespace
}  // namespace tarvana
