// Tests: typed input events: names of keys, mouse events with their cells.

#include "console/input_event.h"

#include <gtest/gtest.h>

#include <utility>

#include "console/console.h"
#include "console/headless.h"
#include "console/text_input.h"
#include "testing/headless_test_support.h"

namespace tarvana {
namespace {

TEST(InputEventTest, KeysHaveTheNamesTheHeadlessConsoleReads) {
  HeadlessConsole& console = UseHeadlessConsole();
  const char* names[] = {"Enter", "Esc",   "Tab",   "Shift+Tab", "Backspace", "Ctrl+Backspace",
                         "Space", "Up",    "PgDn",  "Del",       "F1",        "F10",
                         "F12",   "Alt+L", "Alt+Q", "Ctrl+Y",    "a",         "Z"};
  for (const char* name : names) {
    console.QueueKeys(name);
    const InputEvent e = WaitEvent();
    EXPECT_EQ(e.kind, InputEvent::Kind::kKey) << name;
    EXPECT_EQ(e.Name(), name);
  }
}

TEST(InputEventTest, AltWithTheKeysBesideTheLetterRowsHasAReadableName) {
  // Alt and a letter give the letter's scan code; the punctuation keys at the
  // rows' ends have no Alt name of their own.
  const struct {
    std::uint8_t scan;
    const char* name;
  } cases[] = {
      {16, "Alt+Q"},        {25, "Alt+P"},        {26, "scan code 26"}, {27, "scan code 27"},
      {30, "Alt+A"},        {38, "Alt+L"},        {39, "scan code 39"}, {40, "scan code 40"},
      {41, "scan code 41"}, {43, "scan code 43"}, {44, "Alt+Z"},        {50, "Alt+M"},
      {51, "scan code 51"}, {52, "scan code 52"}, {53, "scan code 53"},
  };
  for (const auto& c : cases) {
    const std::string name = KeyName(ExtendedKey(c.scan));
    EXPECT_EQ(name.find('\0'), std::string::npos) << "scan code " << int(c.scan);
    EXPECT_EQ(name, c.name) << "scan code " << int(c.scan);
  }
  // Typed with Alt, a punctuation key reads as its character.
  HeadlessConsole& console = UseHeadlessConsole();
  const std::pair<const char*, const char*> typed[] = {
      {"Alt+[", "["}, {"Alt+;", ";"}, {"Alt+,", ","}, {"Alt+Z", "Alt+Z"}};
  for (const auto& [keys, name] : typed) {
    console.QueueKeys(keys);
    EXPECT_EQ(WaitEvent().Name(), name) << keys;
  }
}

TEST(InputEventTest, MouseEventsCarryTheirCell) {
  HeadlessConsole& console = UseHeadlessConsole();
  SetMouse(mouse::kLeft | mouse::kRight, mouse::kPressed | mouse::kReleased);
  SetMouse(true);
  console.QueueClick(7, 12, mouse::kRight);
  console.QueueClick(3, 40);
  const InputEvent press = WaitEvent();
  EXPECT_EQ(press.kind, InputEvent::Kind::kPress);
  EXPECT_EQ(press.Name(), "right press at 7,12");
  EXPECT_EQ(WaitEvent().Name(), "right release at 7,12");
  EXPECT_EQ(WaitKeyEvent().Name(), "left press at 3,40");
  const InputEvent release = PollEvent();
  EXPECT_EQ(release.kind, InputEvent::Kind::kRelease);
  EXPECT_EQ(release.button, mouse::kLeft);
  EXPECT_EQ(release.key, MouseKey(mouse::kReleased, mouse::kLeft));
  EXPECT_EQ(MouseRow() * 100 + MouseCol(), 340);  // the low-level layer reads the same cell
  EXPECT_EQ(PollEvent().kind, InputEvent::Kind::kNone);
}

TEST(InputEventTest, ASizeChangeIsAnEventButNoKey) {
  HeadlessConsole& console = UseHeadlessConsole();
  console.QueueRecord(InputRecord{});
  console.QueueRecord(InputRecord{});
  console.QueueKeys("x");
  EXPECT_EQ(WaitEvent().kind, InputEvent::Kind::kResize);
  EXPECT_EQ(WaitKeyEvent().Name(), "x");
}

TEST(InputEventTest, TypedCharactersCarryTheirTextBesideTheirStandIn) {
  HeadlessConsole& console = UseHeadlessConsole();
  const TextInputScope textInput;
  const struct {
    const char* typed;  // queued as UTF-8, or by key name after "key:"
    KeyCode key;
    const char* text;
  } cases[] = {
      {"a", "a", "a"},
      {"\xc3\xa9", "\x82", "\xc3\xa9"},  // e acute: its own byte
      {"\xd0\xb6", "?", "\xd0\xb6"},
      {"\xe6\xbc\xa2", "?", "\xe6\xbc\xa2"},
      {"\xf0\x9f\x9a\x80", "?", "\xf0\x9f\x9a\x80"},
      {"key:Enter", "\r", ""},
      {"key:Alt+L", ExtendedKey(38), ""},
      {"key:Ctrl+Y", "\x19", ""},
      {"key:Space", " ", " "},
  };
  for (const auto& c : cases) {
    const std::string typed = c.typed;
    if (typed.rfind("key:", 0) == 0)
      console.QueueKeys(typed.substr(4));
    else
      console.QueueUtf8(typed);
    const InputEvent e = WaitKeyEvent();
    EXPECT_EQ(e.key, c.key) << typed;
    EXPECT_EQ(e.text, c.text) << typed;
  }
  EXPECT_EQ(console.Beeps(), 0);
}

TEST(InputEventTest, WithoutTextInputACharacterWithoutStandInBeepsAsBefore) {
  HeadlessConsole& console = UseHeadlessConsole();
  console.QueueUtf8(
      "\xe6\xbc\xa2"
      "a");
  EXPECT_EQ(WaitKey(), "a");
  EXPECT_EQ(console.Beeps(), 1);
}

}  // namespace
}  // namespace tarvana
