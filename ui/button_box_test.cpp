// Dialog boxes of text and buttons: their layout, keys, size and the screen
// they leave.

#include "ui/button_box.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "console/console.h"
#include "console/screen_save.h"
#include "testing/headless_test_support.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowUtf8;

class ButtonBoxTest : public HeadlessTest {};

std::string Rows(int top, int bottom) {
  std::string shown;
  for (int row = top; row <= bottom; ++row)
    shown += RowUtf8(row) + "\n";
  return shown;
}

TEST_F(ButtonBoxTest, TextWrappedAboveARuleAndTheButtons) {
  const ScreenSave before = SaveScreen();
  {
    ButtonBox box("Install the selected packages now? It takes a while.", {"Yes", "No"},
                  {.title = "Install", .cols = 30});
    EXPECT_EQ(Rows(10, 16),
              "                         ┌───────── Install ──────────┐▄\n"
              "                         │ Install the selected       │█\n"
              "                         │ packages now? It takes a   │█\n"
              "                         │ while.                     │█\n"
              "                         ├────────────────────────────┤█\n"
              "                         │    < Yes  >    <  No  >    │█\n"
              "                         └────────────────────────────┘█\n")
        << Rows(1, 25);
    const struct {
      const char* key;
      BoxResult result;
      std::size_t button;
    } steps[] = {{"Right", BoxResult::kHandled, 1},
                 {"x", BoxResult::kNotForTheBox, 1},
                 {"Enter", BoxResult::kPressed, 1},
                 {"y", BoxResult::kPressed, 0},
                 {"Esc", BoxResult::kCancelled, 0}};
    for (const auto& s : steps) {
      console->QueueKeys(s.key);
      EXPECT_EQ(box.Handle(WaitKeyEvent()), s.result) << s.key;
      EXPECT_EQ(box.Button(), s.button) << s.key;
    }
  }
  EXPECT_TRUE(SaveScreen().Cells() == before.Cells());
}

TEST_F(ButtonBoxTest, SizesFitTakeTheScreenOrAreRefused) {
  {
    ButtonBox whole("All of it", {"OK"}, {.rows = -1, .cols = -1});
    EXPECT_EQ(RowUtf8(1).substr(0, 3), "┌");
    EXPECT_NE(RowUtf8(25).find("┘"), std::string::npos);
    EXPECT_NE(RowUtf8(24).find("<  OK  >"), std::string::npos) << Rows(1, 25);
  }
  {
    ButtonBox larger("Reduced to the screen", {"OK"}, {.rows = 99, .cols = 300});
    EXPECT_EQ(RowUtf8(1).substr(0, 3), "┌") << "a size past the screen is reduced";
  }
  EXPECT_THROW(ButtonBox("A text that needs rows", {"OK"}, {.rows = 4}), std::invalid_argument);
  EXPECT_THROW(ButtonBox("x", {"OK", ""}), std::invalid_argument);
  EXPECT_THROW(ButtonBox("x", {"OK"}, {}, 1), std::invalid_argument);
}

TEST_F(ButtonBoxTest, TheModalCallGivesTheButtonPressedOrNothing) {
  const struct {
    const char* keys;
    std::optional<std::size_t> answer;
  } cases[] = {{"Enter", 0}, {"Right Enter", 1}, {"n", 1}, {"Esc", std::nullopt}};
  for (const auto& c : cases) {
    console->QueueKeys(c.keys);
    EXPECT_EQ(ShowButtonBox("Go on?", {"Yes", "No"}), c.answer) << c.keys;
  }
}

TEST_F(ButtonBoxTest, ABoxFollowsTheScreenToANewSize) {
  SetFollowTerminalSize(true);
  ButtonBox box("Centred", {"OK"});
  const auto top = [] {
    for (int row = 1; row <= ScreenHeight(); ++row)
      if (RowUtf8(row).find("┌") != std::string::npos) return row;
    return 0;
  };
  const int before = top();
  console->QueueResize(100, 35);
  EXPECT_EQ(WaitEvent().kind, InputEvent::Kind::kResize);
  EXPECT_EQ(top(), before + 5);
  EXPECT_NE(Rows(1, 35).find("<  OK  >"), std::string::npos) << Rows(1, 35);
}

}  // namespace
}  // namespace tarvana::ui
