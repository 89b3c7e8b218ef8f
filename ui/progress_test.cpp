// The progress gauge: its bar and percentage as the work goes on, drawn at
// once and only when they change, Esc noticed without waiting, the screen
// given back.

#include "ui/progress.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "console/console.h"
#include "console/screen_save.h"
#include "testing/headless_test_support.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowUtf8;

class ProgressTest : public HeadlessTest {};

// The interior of the gauge's bar row, between its frames.
std::string Bar() {
  const std::string row = RowUtf8(14);
  const std::size_t left = row.find("\u2502") + 3;
  return row.substr(left, row.find("\u2502", left) - left);
}

std::string Expected(int full, const char* percent) {
  std::string bar;
  for (int i = 0; i < 35; ++i)
    bar += i < full ? "\u2588" : "\u2591";
  return bar + percent;
}

TEST_F(ProgressTest, ShowsThePartDoneAtOnceAndOnlyWhenItChanges) {
  const ScreenSave before = SaveScreen();
  {
    Progress gauge("Copying files\nto the disk", {.title = "Install"});
    EXPECT_NE(RowUtf8(11).find("Copying files"), std::string::npos);
    const struct {
      double done;
      int full;
      const char* percent;
    } cases[] = {
        {0, 0, "   0%"},  {0.5, 17, "  50%"}, {0.999, 34, "  99%"}, {1, 35, " 100%"},
        {-1, 0, "   0%"}, {7, 35, " 100%"},   {NAN, 0, "   0%"},
    };
    for (const auto& c : cases) {
      gauge.Update(c.done);
      EXPECT_EQ(Bar(), Expected(c.full, c.percent)) << c.done;
    }
    const int presents = console->Presents();
    gauge.Update(0.0001);  // still 0 %: nothing to draw or show
    EXPECT_EQ(console->Presents(), presents);
    gauge.Update(0.25, "Checking");
    EXPECT_GT(console->Presents(), presents);
    EXPECT_NE(RowUtf8(11).find("Checking"), std::string::npos);
    EXPECT_EQ(RowUtf8(12).find("to the disk"), std::string::npos);
  }
  EXPECT_TRUE(SaveScreen().Cells() == before.Cells());
}

TEST_F(ProgressTest, NoticesEscWithoutWaiting) {
  Progress gauge("Working");
  EXPECT_FALSE(gauge.Cancelled());  // nothing typed: it does not wait
  console->QueueKeys("x Enter");
  EXPECT_FALSE(gauge.Cancelled());
  console->QueueKeys("Esc");
  EXPECT_TRUE(gauge.Cancelled());
  EXPECT_TRUE(gauge.Cancelled());  // and stays so
  EXPECT_THROW(Progress("x", {.width = 200}), std::invalid_argument);
}

}  // namespace
}  // namespace tarvana::ui
