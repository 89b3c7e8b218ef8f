// TextField driven by queued keys on the headless console: the text it
// returns, where the cursor ends, the beeps, and what the screen shows.

#include "entry/text_field.h"

#include <gtest/gtest.h>

#include "entry/calc_field.h"
#include "entry/decimal_field.h"
#include "entry/entry_test_support.h"
#include "entry/template_field.h"

namespace tarvana {
namespace {

using test_support::EntryTest;
using test_support::ScreenText;
using test_support::TestField;

const std::string kExitKeys = "\r" + ExtendedKey(scan::kF10);
constexpr int kFieldCol = 16;  // column 10 plus the prompt "Name: "

class TextFieldTest : public EntryTest {
 protected:
  KeyCode Edit(FieldRec& field, std::string& value, std::int16_t& insert, std::uint8_t& cursor,
               std::string_view exitKeys = kExitKeys) {
    return TextField(field, "Name: ", value, exitKeys, cursor, insert);
  }
};

// A table of key sequences, one row each, under a few lines that run them:
// it stays whole so that a row reads beside the loop that checks it.
TEST_F(TextFieldTest, KeysEditTheText) {
  struct Case {
    const char* what;
    std::uint8_t type, mode, length;
    const char* value;
    std::int16_t insert;
    std::uint8_t cursor;
    const char* keys;
    const char* want;
    int wantCursor, wantBeeps, wantChanged;
  } cases[] = {
      {"mode 1: a digit replaces the text", 1, 1, 5, "123", 0, 0, "7 Enter", "7", 1, 0, -1},
      {"mode 1: a letter is refused", 1, 1, 5, "123", 0, 0, "a Enter", "123", 0, 1, 0},
      {"mode 1: after a refused key a digit inserts", 1, 1, 5, "123", -1, 0, "a 7 Enter", "7123", 1,
       1, -1},
      {"mode 1: Home first, then a digit inserts", 1, 1, 5, "123", -1, 0, "Home 7 Enter", "7123", 1,
       0, -1},
      {"mode 1: Home first, then a digit overwrites", 1, 1, 5, "123", 0, 0, "Home 7 Enter", "723",
       1, 0, -1},
      {"mode 1: End stops on the last cell", 8, 1, 3, "abc", 0, 0, "End Enter", "abc", 2, 0, 0},
      {"mode 3: the first character empties", 8, 3, 5, "abc", -1, 2, "x Enter", "x", 1, 0, -1},
      {"mode 4: the first character inserts", 8, 4, 5, "abc", -1, 2, "x Enter", "abxc", 3, 0, -1},
      {"mode 2: typing keeps replacing the last cell", 8, 2, 3, "abc", 0, 0, "End x y Enter", "aby",
       2, 0, -1},
      {"mode 4: End rests past the text", 8, 4, 3, "abc", 0, 0, "End Enter", "abc", 3, 0, 0},
      {"insert: a full field refuses", 8, 4, 3, "abc", -1, 0, "End d Home d Enter", "abc", 0, 2, 0},
      {"overwrite: a full field still takes replacements", 8, 4, 3, "abc", 0, 0, "x Enter", "xbc",
       1, 0, -1},
      {"overwrite: nothing is added to a full field", 8, 4, 3, "abc", 0, 0, "End x Enter", "abc", 3,
       1, 0},
      {"Left at the start", 8, 4, 5, "ab", 0, 0, "Left Enter", "ab", 0, 1, 0},
      {"Right stops at the end of the text", 8, 4, 5, "ab", 0, 0, "Right Right Right Enter", "ab",
       2, 1, 0},
      {"Del", 8, 4, 5, "abc", 0, 1, "Del Enter", "ac", 1, 0, -1},
      {"Del at the end", 8, 4, 5, "abc", 0, 3, "Del Enter", "abc", 3, 1, 0},
      {"Backspace", 8, 4, 5, "abc", 0, 2, "Backspace Enter", "ac", 1, 0, -1},
      {"Backspace at the start", 8, 4, 5, "abc", 0, 0, "Backspace Enter", "abc", 0, 1, 0},
      {"Ctrl-Y", 8, 4, 5, "abc", 0, 2, "Ctrl+Y Enter", "", 0, 0, -1},
      {"Ctrl-T: a word and its space", 8, 4, 20, "one two three", 0, 4, "Ctrl+T Enter", "one three",
       4, 0, -1},
      {"Ctrl-T: to the end without a space", 8, 4, 20, "one two", 0, 4, "Ctrl+T Enter", "one ", 4,
       0, -1},
      {"Ctrl-T at the end", 8, 4, 20, "one", 0, 3, "Ctrl+T Enter", "one", 3, 1, 0},
      {"Ctrl-Backspace: the text given, unchanged", 8, 4, 10, "abc", -1, 1,
       "x Ctrl+Y y Ctrl+Backspace Enter", "abc", 0, 0, 0},
      {"type 6 upper-cases", 6, 4, 5, "", -1, 0, "n y Space Enter", "NY ", 3, 0, -1},
      {"type 6 refuses a digit", 6, 4, 5, "", -1, 0, "1 Enter", "", 0, 1, 0},
      {"type 10", 10, 4, 1, "", -1, 0, "x Y Enter", "Y", 1, 1, -1},
      {"type 2", 2, 4, 6, "", -1, 0, "1 . 5 - Enter", "1.5", 3, 1, -1},
      {"type 3", 3, 4, 6, "", -1, 0, "- 1 . Enter", "-1", 2, 1, -1},
      {"type 7", 7, 4, 6, "", -1, 0, "a 1 - / Enter", "a1-", 3, 1, -1},
      {"a control key that is no exit key", 8, 4, 5, "ab", -1, 2, "Esc Tab Enter", "ab", 2, 2, 0},
      {"a text longer than the field is cut", 8, 4, 3, "abcdef", 0, 0, "Enter", "abc", 0, 0, 0},
      {"a cursor past the text starts at its end", 8, 4, 10, "ab", -1, 9, "x Enter", "abx", 3, 0,
       -1},
      {"F10 stores the text typed so far", 8, 4, 10, "", -1, 0, "a b F10", "ab", 2, 0, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto& fresh = UseHeadlessConsole();
    FieldRec field = TestField(c.type, c.mode, c.length);
    field.Changed = 5;
    std::string value = c.value;
    std::int16_t insert = c.insert;
    std::uint8_t cursor = c.cursor;
    fresh.QueueKeys(c.keys);
    const KeyCode key = Edit(field, value, insert, cursor);
    EXPECT_EQ(key, std::string(c.keys).ends_with("F10") ? ExtendedKey(scan::kF10) : "\r");
    EXPECT_EQ(value, c.want);
    EXPECT_EQ(cursor, c.wantCursor);
    EXPECT_EQ(fresh.Beeps(), c.wantBeeps);
    EXPECT_EQ(field.Changed, c.wantChanged);
  }
}

TEST_F(TextFieldTest, ModesFiveAndSixCompleteWhenFull) {
  struct Case {
    const char* what;
    std::uint8_t mode;
    const char* value;
    const char* keys;
    const char* want;
  } cases[] = {
      {"mode 6: typing the last cell", 6, "", "a b c", "abc"},
      {"mode 6: End on a full text", 6, "xyz", "End", "xyz"},
      {"mode 6: Right from the last cell", 6, "xyz", "Right Right Right", "xyz"},
      {"mode 5: the first key starts afresh", 5, "xyz", "a b c", "abc"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto& fresh = UseHeadlessConsole();
    FieldRec field = TestField(8, c.mode, 3);
    std::string value = c.value;
    std::int16_t insert = -1;
    std::uint8_t cursor = 0;
    fresh.QueueKeys(c.keys);
    fresh.QueueKeys("q");
    EXPECT_EQ(Edit(field, value, insert, cursor), "\r");
    EXPECT_EQ(value, c.want);
    EXPECT_EQ(cursor, 3);
    EXPECT_EQ(InKey(), "q") << "the field ended without another key";
  }
}

TEST_F(TextFieldTest, DrawsPromptAndFieldInTheirColours) {
  FieldRec field = TestField(8, 4, 6);
  std::string value = "abc";
  std::int16_t insert = -1;
  std::uint8_t cursor = 0;
  console->QueueKeys("x");
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, value, insert, cursor); }));
  EXPECT_EQ(ScreenText(5, 10, 12), "Name: xabc  ");
  EXPECT_EQ(ReadCellColor(5, 10), 0x71);
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x0B);
  EXPECT_EQ(ReadCellColor(5, kFieldCol + 5), 0x0B);
  EXPECT_EQ(ReadCellColor(5, kFieldCol + 6), 0x07) << "nothing drawn past the field";
  EXPECT_TRUE(watcher->cursorVisible);
  EXPECT_EQ(watcher->cursorRow, 5);
  EXPECT_EQ(watcher->cursorCol, kFieldCol + 1);

  console->QueueKeys("Enter");
  EXPECT_EQ(Edit(field, value, insert, cursor), "\r");
  EXPECT_EQ(ScreenText(5, kFieldCol, 6), "abc   ") << "the value given this time";
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x74);
  ShowScreen();
  EXPECT_FALSE(watcher->cursorVisible) << "the cursor is hidden on return";
}

TEST_F(TextFieldTest, RefusedLetterLeavesTheDisplayAsItWas) {
  FieldRec field = TestField(1, 1, 5);
  std::string value = "123";
  std::int16_t insert = 0;
  std::uint8_t cursor = 0;
  console->QueueKeys("a");
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, value, insert, cursor); }));
  EXPECT_EQ(ScreenText(5, kFieldCol, 5), "123  ");
  EXPECT_EQ(console->Beeps(), 1);
  EXPECT_EQ(watcher->cursorCol, kFieldCol);
}

TEST_F(TextFieldTest, MaskCharacterShowsOneStarPerCharacter) {
  FieldRec field = TestField(8, 4, 6, 42);
  std::string value = "abc";
  std::int16_t insert = -1;
  std::uint8_t cursor = 0;
  console->QueueKeys("End Left x");
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, value, insert, cursor); }));
  EXPECT_EQ(ScreenText(5, kFieldCol, 6), "****  ");
  EXPECT_EQ(watcher->cursorCol, kFieldCol + 3) << "the cursor moves over the stars";
  console->QueueKeys("End Left x Enter");
  Edit(field, value, insert, cursor);
  EXPECT_EQ(value, "abxc");
  EXPECT_EQ(ScreenText(5, kFieldCol, 6), "****  ");
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x74);
}

TEST_F(TextFieldTest, MaskZeroShowsNothingAndAppends) {
  FieldRec field = TestField(8, 4, 6, 0);
  std::string value = "abc";
  std::int16_t insert = -1;
  std::uint8_t cursor = 2;
  console->QueueKeys("x End y");
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, value, insert, cursor); }));
  EXPECT_EQ(ScreenText(5, kFieldCol, 6), "      ");
  EXPECT_EQ(watcher->cursorCol, kFieldCol) << "the cursor stays at the start";
  console->QueueKeys("x End y Enter");
  Edit(field, value, insert, cursor);
  EXPECT_EQ(value, "abcxy");
  EXPECT_EQ(cursor, 0);
  insert = 0;
  console->QueueKeys("z z Enter");
  Edit(field, value, insert, cursor);
  EXPECT_EQ(value, "abcxyz") << "overwrite mode appends too, up to the field's length";
  EXPECT_EQ(console->Beeps(), 1);
}

TEST_F(TextFieldTest, ExitListWithUpTakesTheLetterHAsText) {
  FieldRec field = TestField(8, 4, 6);
  std::string value;
  std::int16_t insert = -1;
  std::uint8_t cursor = 0;
  console->QueueKeys("H i Up");
  EXPECT_EQ(Edit(field, value, insert, cursor, "\r" + ExtendedKey(scan::kUp)),
            ExtendedKey(scan::kUp));
  EXPECT_EQ(value, "Hi");
}

TEST_F(TextFieldTest, InsTogglesTheCallersFlagAndTheCursorHeight) {
  FieldRec field = TestField(8, 4, 6);
  std::string value = "ab";
  std::int16_t insert = -1;
  std::uint8_t cursor = 0;
  console->QueueKeys("x");
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, value, insert, cursor); }));
  EXPECT_EQ(watcher->cursorHeight, 99) << "full height in insert mode";

  console->QueueKeys("Ins");
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, value, insert, cursor); }));
  EXPECT_EQ(insert, 0);
  EXPECT_EQ(watcher->cursorHeight, 10) << "low in overwrite mode";

  console->QueueKeys("y Enter");
  Edit(field, value, insert, cursor);
  EXPECT_EQ(value, "yb") << "the next call starts in overwrite mode";
  console->QueueKeys("Ins Enter");
  Edit(field, value, insert, cursor);
  EXPECT_EQ(insert, -1);
}

TEST_F(TextFieldTest, MouseEventsAreIgnored) {
  SetMouse(mouse::kLeft | mouse::kRight, mouse::kPressed | mouse::kReleased);
  SetMouse(true);
  FieldRec field = TestField(1, 1, 4);
  std::string value = "12";
  std::int16_t insert = -1;
  std::uint8_t cursor = 0;
  console->QueueClick(5, kFieldCol + 1);
  console->QueueClick(5, kFieldCol + 1, 2);
  console->QueueKeys("3 Enter");
  EXPECT_EQ(Edit(field, value, insert, cursor), "\r");
  EXPECT_EQ(value, "3") << "the first key after the clicks still starts afresh";
  EXPECT_EQ(console->Beeps(), 0);
}

TEST_F(TextFieldTest, LabelsAndDisplayOnlyFieldsReadNoKey) {
  struct Case {
    const char* what;
    std::uint8_t type, mode;
    const char* screen;
    ColorAttr fieldColor;
  } cases[] = {
      {"label", 255, 4, "Name:       ", 0x07},
      {"display-only type", 0, 4, "Name: abc   ", 0x74},
      {"display-only mode", 8, 0, "Name: abc   ", 0x74},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UseHeadlessConsole();
    FieldRec field = TestField(c.type, c.mode, 5);
    field.Changed = -1;
    std::string value = "abc";
    std::int16_t insert = -1;
    std::uint8_t cursor = 3;
    EXPECT_EQ(Edit(field, value, insert, cursor), "\r");
    EXPECT_EQ(ScreenText(5, 10, 12), c.screen);
    EXPECT_EQ(ReadCellColor(5, 10), 0x71);
    EXPECT_EQ(ReadCellColor(5, kFieldCol), c.fieldColor);
    EXPECT_EQ(field.Changed, 0);
    EXPECT_EQ(value, "abc");
    EXPECT_EQ(cursor, 3);
  }
}

// Every field editor refuses a field whose prompt and cells would leave the
// screen: nothing drawn, no key read, value and Changed as they were.
TEST_F(TextFieldTest, FieldsOffTheScreenDrawNothingAndReadNoKey) {
  const struct {
    int row, col, length;
  } places[] = {{0, 10, 10}, {26, 10, 10}, {5, 0, 10}, {5, 66, 10}, {255, 255, 255}};
  const std::string templ = "\1\1/\1\1";
  for (const auto& p : places) {
    SCOPED_TRACE(::testing::Message() << "row " << p.row << " col " << p.col);
    FieldRec field = TestField(8, 4, static_cast<std::uint8_t>(p.length));
    field.Row = static_cast<std::uint8_t>(p.row);
    field.Col = static_cast<std::uint8_t>(p.col);
    field.Changed = 7;
    std::vector<Cell> before, after;
    ReadScreenBlock(before);
    console->QueueKeys("a Enter");
    std::string value = "keep", whole = "1", decimals = "2";
    std::int16_t insert = 0;
    std::uint8_t cursor = 3;
    EXPECT_EQ(Edit(field, value, insert, cursor), "");
    EXPECT_EQ(TemplateField(field, "Name: ", templ + std::string(p.length, '\1'), value, kExitKeys),
              "");
    EXPECT_EQ(CalcField(field, "Name: ", value, kExitKeys), "");
    EXPECT_EQ(DecimalField(field, "Name: ", static_cast<std::int16_t>(p.length - 3), 2, whole,
                           decimals, kExitKeys),
              "");
    field.FieldType = field_type::kLabel;
    EXPECT_EQ(TextField(field, std::string(80, 'p'), value, kExitKeys, cursor, insert), "");
    ReadScreenBlock(after);
    EXPECT_TRUE(after == before);
    EXPECT_EQ(value, "keep");
    EXPECT_EQ(whole + decimals, "12");
    EXPECT_EQ(field.Changed, 7);
    EXPECT_EQ(cursor, 3);
    EXPECT_EQ(console->Queued(), 2u) << "no key read";
    InKey(), InKey();
  }
  FieldRec lastCell = TestField(8, 4, 5);
  lastCell.Row = 25, lastCell.Col = 70;  // "Name: " and five cells end in column 80
  console->QueueKeys("a Enter");
  std::string value;
  std::int16_t insert = 0;
  std::uint8_t cursor = 0;
  EXPECT_EQ(Edit(lastCell, value, insert, cursor), "\r");
  EXPECT_EQ(value, "a");
}

}  // namespace
}  // namespace tarvana
