// A row of buttons: where they stand, and what each key and click does.

#include "ui/button_row.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowUtf8;

TEST(ButtonColumnsTest, ButtonsSpreadWithEqualGaps) {
  const struct {
    std::vector<int> widths;
    int left, width;
    std::vector<int> columns;
  } cases[] = {
      {{8}, 1, 20, {7}},
      {{8, 8}, 1, 30, {5, 17}},
      {{8, 8}, 10, 30, {14, 26}},
      {{8, 8, 8}, 1, 24, {1, 10, 19}},
      {{8, 8, 8}, 1, 40, {5, 17, 29}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ButtonColumns(c.widths, c.left, c.width), c.columns)
        << c.widths.size() << " buttons in " << c.width << " from " << c.left;
}

class ButtonRowTest : public HeadlessTest {};

TEST_F(ButtonRowTest, KeysAndClicksMoveAndPress) {
  ButtonRow row({"OK", "Cancel", "Help"});
  row.Draw(10, 1, 40, schemes::kBlue, true);
  EXPECT_EQ(RowUtf8(10), "    <  OK  >    <Cancel>    < Help >");
  const struct {
    const char* keys;  // queued by name
    ButtonResult result;
    std::size_t current;
  } steps[] = {
      {"Right", ButtonResult::kHandled, 1},
      {"Right", ButtonResult::kHandled, 2},
      {"Right", ButtonResult::kHandled, 0},
      {"Left", ButtonResult::kHandled, 2},
      {"Enter", ButtonResult::kPressed, 2},
      {"c", ButtonResult::kPressed, 1},
      {"O", ButtonResult::kPressed, 0},
      {"x", ButtonResult::kNotForTheButtons, 0},
      {"Tab", ButtonResult::kNotForTheButtons, 0},
      {"Space", ButtonResult::kPressed, 0},
  };
  for (const auto& s : steps) {
    console->QueueKeys(s.keys);
    EXPECT_EQ(row.Handle(WaitKeyEvent()), s.result) << s.keys;
    EXPECT_EQ(row.Current(), s.current) << s.keys;
  }
  InputEvent click;
  click.kind = InputEvent::Kind::kRelease;
  click.button = 1;
  click.row = 10;
  click.col = 20;  // inside "<Cancel>"
  EXPECT_EQ(row.Handle(click), ButtonResult::kPressed);
  EXPECT_EQ(row.Current(), 1u);
  click.col = 15;  // between two buttons
  EXPECT_EQ(row.Handle(click), ButtonResult::kNotForTheButtons);
}

TEST(ButtonRowArgumentsTest, BadLabelsAreRefused) {
  EXPECT_THROW(ButtonRow(std::vector<std::string>{}), std::invalid_argument);
  EXPECT_THROW(ButtonRow({"OK", ""}), std::invalid_argument);
  EXPECT_THROW(ButtonRow({"OK"}, 1), std::invalid_argument);
}

}  // namespace
}  // namespace tarvana::ui
