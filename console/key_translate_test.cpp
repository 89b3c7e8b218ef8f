// Input records to KeyCodes: every step of the translation (key releases,
// characters, keys without one, mouse events, other records), the mouse masks
// and remembered state, and the same
// rules through InKey, WaitKey and KeyWaiting on the headless console.

#include "console/key_translate.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "console/terminal/fuzz/key_decoder_check.h"
#include "testing/headless_test_support.h"
#include "testing/input_records.h"

namespace tarvana {
namespace {

using keyDecoderCheck::Describe;
using keyDecoderCheck::Escaped;

using test_support::K;
using test_support::kAlt;
using test_support::kCaps;
using test_support::kCtrl;
using test_support::kShift;
using test_support::kUp;

KeyCode X(int scan) {
  return ExtendedKey(static_cast<std::uint8_t>(scan));
}

struct KeyCase {
  InputRecord record;
  KeyCode want;
};

void ExpectKeys(const std::vector<KeyCase>& cases) {
  for (const KeyCase& c : cases) {
    MouseState mouse;
    EXPECT_EQ(Escaped(TranslateRecord(c.record, mouse)), Escaped(c.want)) << Describe(c.record);
  }
}

// ---- Key records ----

TEST(KeyTranslate, KeyReleasesAreSkipped) {
  ExpectKeys({
      {K('a', 30, kUp), ""},
      {K(13, 28, kUp), ""},
      {K(0, 72, kUp), ""},
      {K(0, 1, kUp), ""},
      {K(27, 1, kUp), ""},
      {K('l', 38, kAlt | kUp), ""},
      {K('1', 2, kCaps | kUp), ""},
  });
}

TEST(KeyTranslate, AltWithALetterKeyGivesNulAndScan) {
  ExpectKeys({
      {K('l', 38, kAlt), X(38)},  // Alt+L
      {K('L', 38, kAlt | kShift), X(38)},
      {K('q', 16, kAlt), X(16)},  // the first and last key of each letter row
      {K('p', 25, kAlt), X(25)},
      {K('a', 30, kAlt), X(30)},
      {K('l', 38, kAlt), X(38)},
      {K('z', 44, kAlt), X(44)},
      {K('m', 50, kAlt), X(50)},
      {K('x', 45, kAlt | kCaps), X(45)},
      {K(12, 38, kAlt | kCtrl), X(38)},  // Ctrl+Alt+L
      // Keys just outside the letter rows keep their character.
      {K('1', 2, kAlt), "1"},  // Alt+1
      {K('\t', 15, kAlt), "\t"},
      {K('[', 26, kAlt), "["},
      {K(13, 28, kAlt), "\r"},
      {K(';', 39, kAlt), ";"},
      {K('\\', 43, kAlt), "\\"},
      {K(',', 51, kAlt), ","},
      {K(' ', 57, kAlt), " "},
      {K(130, 0, kAlt), "\x82"},
      // Without Alt a letter is its character.
      {K('l', 38), "l"},
      {K('L', 38, kShift), "L"},
  });
}

TEST(KeyTranslate, CapsLockNeverChangesDigitAndPunctuationKeys) {
  struct Dual {
    int scan;
    char plain, shifted;
  } keys[] = {
      {2, '1', '!'},   {3, '2', '@'},  {4, '3', '#'},   {5, '4', '$'},  {6, '5', '%'},
      {7, '6', '^'},   {8, '7', '&'},  {9, '8', '*'},   {10, '9', '('}, {11, '0', ')'},
      {12, '-', '_'},  {13, '=', '+'}, {26, '[', '{'},  {27, ']', '}'}, {39, ';', ':'},
      {40, '\'', '"'}, {41, '`', '~'}, {43, '\\', '|'}, {51, ',', '<'}, {52, '.', '>'},
      {53, '/', '?'},
  };
  std::vector<KeyCase> cases;
  for (const Dual& d : keys) {
    // Whatever character the console reported, the Shift state decides.
    cases.push_back({K(d.shifted, d.scan, kCaps), std::string(1, d.plain)});
    cases.push_back({K(d.plain, d.scan, kCaps | kShift), std::string(1, d.shifted)});
    cases.push_back({K(d.plain, d.scan, kCaps), std::string(1, d.plain)});
    cases.push_back({K(d.shifted, d.scan, kCaps | kShift), std::string(1, d.shifted)});
    // Without CapsLock the reported character stands.
    cases.push_back({K(d.shifted, d.scan), std::string(1, d.shifted)});
    cases.push_back({K(d.plain, d.scan, kShift), std::string(1, d.plain)});
  }
  ExpectKeys(cases);
  ExpectKeys({
      {K('1', 2, kCaps), "1"},           // CapsLock on the 1 key: 1 without Shift
      {K('!', 2, kCaps | kShift), "!"},  // and ! with Shift
      {K('A', 30, kCaps), "A"},          // letters are as reported
      {K('a', 30, kCaps | kShift), "a"},
      {K(' ', 57, kCaps), " "},
      {K(13, 28, kCaps), "\r"},
      {K('1', 2, kCaps | kAlt), "1"},  // Alt first, then CapsLock
  });
}

TEST(KeyTranslate, KeysWithACharacterGiveTheCharacter) {
  ExpectKeys({
      {K(13, 28), "\r"},
      {K(9, 15), "\t"},
      {K(9, 15, kShift), "\t"},  // the console gives Shift+Tab a character
      {K(8, 14), "\b"},
      {K(27, 1), "\x1b"},
      {K(1, 30, kCtrl), "\x01"},
      {K(26, 44, kCtrl), "\x1a"},
      {K(127, 14, kCtrl), "\x7f"},
      {K('a', 30), "a"},
      {K(130, 0), "\x82"},
      {K(255, 0), "\xff"},
  });
}

TEST(KeyTranslate, EscWithoutCharacterIs27) {
  ExpectKeys({
      {K(0, 1), "\x1b"},
      {K(0, 1, kShift), "\x1b"},
      {K(0, 1, kAlt), "\x1b"},
  });
}

TEST(KeyTranslate, ModifierKeysAloneAreSkipped) {
  ExpectKeys({
      {K(0, 29, kCtrl), ""},   // Ctrl
      {K(0, 42, kShift), ""},  // left Shift
      {K(0, 54, kShift), ""},  // right Shift
      {K(0, 56, kAlt), ""},    // Alt
      {K(0, 58, kCaps), ""},   // CapsLock
      {K(0, 69), ""},          // NumLock
      {K(0, 70), ""},          // ScrollLock
  });
}

TEST(KeyTranslate, OtherKeysGiveNulAndScanWhateverTheModifiers) {
  ExpectKeys({
      {K(0, 72), X(72)},         {K(0, 80), X(80)},
      {K(0, 73), X(73)},         {K(0, 81), X(81)},
      {K(0, 75), X(75)},         {K(0, 77), X(77)},
      {K(0, 71), X(71)},         {K(0, 79), X(79)},
      {K(0, 82), X(82)},         {K(0, 83), X(83)},
      {K(0, 75, kCtrl), X(75)},                             // Ctrl+Left is Left
      {K(0, 77, kCtrl), X(77)},  {K(0, 71, kCtrl), X(71)},  // Ctrl+Home is Home
      {K(0, 79, kCtrl), X(79)},  {K(0, 72, kShift | kAlt), X(72)},
      {K(0, 15, kShift), X(15)},  // back-tab from a terminal's ESC [ Z
      {K(0, 59), X(59)},         {K(0, 68), X(68)},
      {K(0, 87), X(87)},         {K(0, 88), X(88)},
      {K(0, 59, kShift), X(59)}, {K(0, 76), X(76)},
  });
}

TEST(KeyTranslate, OtherRecordsAreSkipped) {
  MouseState mouse;
  mouse.on = true;
  mouse.buttonMask = 7;
  mouse.eventMask = 15;
  EXPECT_EQ(TranslateRecord(InputRecord{}, mouse), "");
  EXPECT_EQ(mouse.previousButtons, 0);
}

// ---- Mouse records ----

MouseRecord Mouse(int buttons, int row = 4, int col = 9) {
  MouseRecord m;
  m.buttons = buttons;
  m.row = row;
  m.col = col;
  return m;
}
MouseRecord Moved(int buttons, int row = 4, int col = 9) {
  MouseRecord m = Mouse(buttons, row, col);
  m.moved = true;
  return m;
}
MouseRecord Double(int buttons, int row = 4, int col = 9) {
  MouseRecord m = Mouse(buttons, row, col);
  m.doubleClick = true;
  return m;
}
MouseRecord Wheel(int buttons, int row = 4, int col = 9) {
  MouseRecord m = Mouse(buttons, row, col);
  m.wheel = true;
  return m;
}

struct MouseCase {
  const char* name;
  bool on;
  int buttonMask, eventMask;
  struct Event {
    MouseRecord record;
    KeyCode want;
    int row, col;  // MouseRow and MouseCol after it
  };
  std::vector<Event> events;
};

std::string ShowMouse(const MouseRecord& m) {
  return Describe(InputRecord::Mouse(m));
}

void ExpectMouse(const std::vector<MouseCase>& cases) {
  for (const MouseCase& c : cases) {
    MouseState state;
    state.on = c.on;
    state.buttonMask = c.buttonMask;
    state.eventMask = c.eventMask;
    int i = 0;
    for (const MouseCase::Event& e : c.events) {
      SCOPED_TRACE(std::string(c.name) + ", event " + std::to_string(i++) + ": " +
                   ShowMouse(e.record));
      EXPECT_EQ(Escaped(TranslateRecord(InputRecord::Mouse(e.record), state)), Escaped(e.want));
      EXPECT_EQ(state.row, e.row);
      EXPECT_EQ(state.col, e.col);
    }
  }
}

const int kAllButtons = mouse::kLeft | mouse::kRight | mouse::kMiddle;
const int kAllEvents = mouse::kMoved | mouse::kDoubleClick | mouse::kPressed | mouse::kReleased;
const int kDemoButtons = mouse::kLeft | mouse::kRight;

// One table of every mask against every mouse record: whole, it shows the gaps.
TEST(KeyTranslate, MouseEventsByButtonAndEventMask) {
  const KeyCode none;
  ExpectMouse({
      {"mouse off",
       false,
       kAllButtons,
       kAllEvents,
       {{Mouse(1), none, 0, 0}, {Mouse(0), none, 0, 0}, {Moved(0), none, 0, 0}}},
      {"the demonstration's settings",
       true,
       kDemoButtons,
       mouse::kReleased,
       {{Mouse(1), none, 0, 0},             // pressing left: nothing
        {Mouse(0), MouseKey(8, 1), 5, 10},  // releasing it: 255 255 8 1
        {Mouse(4, 1, 1), none, 5, 10},      // the middle button: nothing at all
        {Mouse(0, 1, 1), none, 5, 10},
        {Mouse(2, 7, 3), none, 5, 10},
        {Mouse(0, 7, 3), MouseKey(8, 2), 8, 4}}},
      {"every event",
       true,
       kAllButtons,
       kAllEvents,
       {{Mouse(1), MouseKey(4, 1), 5, 10},
        {Moved(1, 5, 5), MouseKey(1, 0), 6, 6},  // move: button byte 0
        {Mouse(0, 5, 5), MouseKey(8, 1), 6, 6},
        {Double(1, 5, 5), MouseKey(2, 1), 6, 6},
        {Mouse(0, 5, 5), MouseKey(8, 1), 6, 6},
        {Mouse(4, 0, 0), MouseKey(4, 4), 1, 1},
        {Mouse(0, 0, 0), MouseKey(8, 4), 1, 1}}},
      {"moves not asked for",
       true,
       kAllButtons,
       mouse::kPressed | mouse::kReleased,
       {{Moved(0, 2, 2), none, 0, 0},
        {Mouse(1, 3, 3), MouseKey(4, 1), 4, 4},
        {Moved(1, 9, 9), none, 4, 4}}},
      {"double-clicks not asked for",
       true,
       kAllButtons,
       mouse::kPressed,
       {{Mouse(1), MouseKey(4, 1), 5, 10},
        {Mouse(0), none, 5, 10},
        {Double(1, 1, 1), none, 5, 10}}},  // and not a press either
      {"double-click of a button outside the mask",
       true,
       kDemoButtons,
       kAllEvents,
       {{Double(4), none, 0, 0}, {Double(5), MouseKey(2, 5), 5, 10}}},
      {"double-click gives the whole button state",
       true,
       kAllButtons,
       mouse::kDoubleClick,
       {{Mouse(2), none, 0, 0}, {Double(3), MouseKey(2, 3), 5, 10}}},
      {"the lowest-numbered button that changed",
       true,
       kAllButtons,
       kAllEvents,
       {{Mouse(3), MouseKey(4, 1), 5, 10},       // left and right at once: left
        {Mouse(3), none, 5, 10},                 // no change
        {Mouse(6, 1, 1), MouseKey(8, 1), 2, 2},  // left up, middle down: left
        {Mouse(0, 2, 2), MouseKey(8, 2), 3, 3}}},
      {"a press outside the button mask",
       true,
       mouse::kLeft,
       kAllEvents,
       {{Mouse(2), none, 0, 0}, {Mouse(3, 1, 1), MouseKey(4, 1), 2, 2}}},
      {"previous state from events not delivered",
       true,
       kAllButtons,
       mouse::kReleased,
       {{Moved(1), none, 0, 0},  // a drag whose press was never seen
        {Mouse(0, 2, 2), MouseKey(8, 1), 3, 3}}},
      {"previous state from a double-click not delivered",
       true,
       kDemoButtons,
       mouse::kReleased,
       {{Mouse(1), none, 0, 0},
        {Mouse(0), MouseKey(8, 1), 5, 10},
        {Double(1, 2, 2), none, 5, 10},
        {Mouse(0, 2, 2), MouseKey(8, 1), 3, 3}}},
      {"the wheel changes no button",
       true,
       kAllButtons,
       kAllEvents,
       {{Mouse(1), MouseKey(4, 1), 5, 10},
        {Wheel(1, 0, 0), none, 5, 10},
        {Mouse(0, 0, 0), MouseKey(8, 1), 1, 1}}},
  });
}

TEST(KeyTranslate, KeyRecordsLeaveTheMouseStateAlone) {
  MouseState mouse;
  mouse.on = true;
  mouse.buttonMask = kAllButtons;
  mouse.eventMask = kAllEvents;
  TranslateRecord(InputRecord::Mouse(Mouse(1)), mouse);
  EXPECT_EQ(TranslateRecord(K('a', 30), mouse), "a");
  EXPECT_EQ(mouse.previousButtons, 1);
  EXPECT_EQ(mouse.row, 5);
  EXPECT_EQ(mouse.col, 10);
}

// ---- Through the console ----

class KeyTranslateConsole : public test_support::HeadlessTest {};

TEST_F(KeyTranslateConsole, KeyWaitingRemovesAKeyReleaseAndSaysNo) {
  console->QueueRecord(K('a', 30, kUp));
  EXPECT_FALSE(KeyWaiting());
  EXPECT_EQ(InKey(), "");  // the release is gone
  console->QueueRecord(K('b', 48));
  EXPECT_EQ(InKey(), "b");
}

TEST_F(KeyTranslateConsole, KeyWaitingLeavesAKeyInPlace) {
  console->QueueRecord(K('a', 30, kUp));
  console->QueueRecord(K('x', 45));
  EXPECT_TRUE(KeyWaiting());
  EXPECT_TRUE(KeyWaiting());
  EXPECT_EQ(InKey(), "x");
  EXPECT_EQ(InKey(), "");
}

TEST_F(KeyTranslateConsole, CtrlPressedAndReleasedAloneYieldsNothing) {
  console->QueueRecord(K(0, 29, kCtrl));
  console->QueueRecord(K(0, 29, kUp));
  EXPECT_FALSE(KeyWaiting());
  EXPECT_EQ(InKey(), "");
}

TEST_F(KeyTranslateConsole, CapsLockAltEscAndCtrlArrowThroughInKey) {
  console->QueueRecord(K('1', 2, kCaps));
  console->QueueRecord(K('!', 2, kCaps | kShift));
  console->QueueKeys("Alt+L Alt+1 Esc");
  console->QueueRecord(K(0, 75, kCtrl));
  EXPECT_EQ(InKey(), "1");
  EXPECT_EQ(InKey(), "!");
  EXPECT_EQ(InKey(), X(38));
  EXPECT_EQ(InKey(), "1");
  EXPECT_EQ(InKey(), "\x1b");
  EXPECT_EQ(InKey(), X(75));
  EXPECT_EQ(InKey(), "");
}

TEST_F(KeyTranslateConsole, WaitKeySkipsRecordsThatYieldNothing) {
  console->QueueRecord(K('a', 30, kUp));
  console->QueueRecord(K(0, 42, kShift));
  console->QueueRecord(InputRecord{});
  console->QueueRecord(K('q', 16));
  EXPECT_EQ(WaitKey(), "q");
}

TEST_F(KeyTranslateConsole, DemonstrationMouseSettings) {
  test_support::EnableClicks();
  console->QueueClick(5, 10, mouse::kMiddle);
  EXPECT_FALSE(KeyWaiting());  // the middle button yields nothing at all
  EXPECT_EQ(MouseRow(), 0);
  console->QueueClick(5, 10, mouse::kLeft);
  EXPECT_TRUE(KeyWaiting());
  EXPECT_EQ(InKey(), MouseKey(mouse::kReleased, mouse::kLeft));
  EXPECT_EQ(MouseRow(), 5);
  EXPECT_EQ(MouseCol(), 10);
  console->QueueClick(7, 3, mouse::kRight);
  EXPECT_EQ(WaitKey(), MouseKey(mouse::kReleased, mouse::kRight));
  EXPECT_EQ(MouseRow(), 7);
  EXPECT_EQ(MouseCol(), 3);
  SetMouse(false);
  EXPECT_EQ(MouseRow(), 0);
  EXPECT_EQ(MouseCol(), 0);
  console->QueueClick(2, 2, mouse::kLeft);
  EXPECT_FALSE(KeyWaiting());  // mouse off: skipped
}

TEST_F(KeyTranslateConsole, KeyWaitingCountsASkippedMouseEventAsRead) {
  SetMouse(mouse::kLeft, mouse::kReleased);
  SetMouse(true);
  MouseRecord press = Mouse(1, 1, 1), release = Mouse(0, 1, 1);
  console->QueueRecord(InputRecord::Mouse(press));
  EXPECT_FALSE(KeyWaiting());  // the press is removed, yet its buttons are remembered
  console->QueueRecord(InputRecord::Mouse(release));
  EXPECT_EQ(InKey(), MouseKey(mouse::kReleased, mouse::kLeft));
}

}  // namespace
}  // namespace tarvana
