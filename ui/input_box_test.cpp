// A box that asks for a line of text: typing, the focus, a hidden password
// and what the modal call gives.

#include "ui/input_box.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "console/console.h"
#include "testing/headless_test_support.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowUtf8;

class InputBoxTest : public HeadlessTest {};

std::string Screen() {
  std::string shown;
  for (int row = 1; row <= ScreenHeight(); ++row)
    shown += RowUtf8(row) + "\n";
  return shown;
}

TEST_F(InputBoxTest, TheModalCallGivesWhatWasTypedOnOk) {
  const struct {
    const char* value;
    const char* keys;   // by name
    const char* utf8;   // then typed
    const char* after;  // then by name
    std::optional<std::string> answer;
  } cases[] = {
      {"Bob", "", "by", "Enter", "Bobby"},
      {"Bob", "Backspace Backspace Backspace", "Анна", "Enter", "Анна"},
      {"Bob", "Tab Right", "", "Enter", std::nullopt},
      {"Bob", "Tab", "", "Enter", "Bob"},
      {"Bob", "", "x", "Esc", std::nullopt},
      {"", "Home", "漢字", "Tab Enter", "漢字"},
  };
  for (const auto& c : cases) {
    if (*c.keys) console->QueueKeys(c.keys);
    console->QueueUtf8(c.utf8);
    console->QueueKeys(c.after);
    EXPECT_EQ(AskText("Your name:", c.value), c.answer) << c.value << " " << c.keys << c.utf8;
  }
  EXPECT_EQ(console->Beeps(), 0);
}

TEST_F(InputBoxTest, AHiddenFieldShowsNoCharacter) {
  InputBox box("Password:", "", {"OK", "Cancel"}, {}, {.hidden = true});
  console->QueueText("secret");
  for (int i = 0; i < 6; ++i)
    EXPECT_EQ(box.Handle(WaitKeyEvent()), BoxResult::kHandled);
  EXPECT_EQ(box.Value(), "secret");
  EXPECT_EQ(Screen().find("secret"), std::string::npos) << Screen();
  EXPECT_NE(Screen().find("******"), std::string::npos) << Screen();
}

TEST_F(InputBoxTest, TheFieldHoldsNoMoreThanItsLimit) {
  InputBox box("Code:", "", {"OK"}, {}, {.maxInput = 3});
  console->QueueText("abcd");
  for (int i = 0; i < 4; ++i)
    box.Handle(WaitKeyEvent());
  EXPECT_EQ(box.Value(), "abc");
  EXPECT_THROW(InputBox("x", "", {"OK"}, {}, {.maxInput = 0}), std::invalid_argument);
}

}  // namespace
}  // namespace tarvana::ui
