// Tests: typed input events: names of keys, mouse events with their cells.

#include "console/input_event.h"

#include <gtest/gtest.h>

#include "console/console.h"
#include "console/headless.h"
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

}  // namespace
}  // namespace tarvana
