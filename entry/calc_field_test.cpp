// CalcField: a number that fills from the right, its point, its leading zeros
// and its editing keys.

#include "entry/calc_field.h"

#include <gtest/gtest.h>

#include "entry/calc_field_state.h"
#include "entry/entry_test_support.h"

namespace tarvana {
namespace {

using internal::FieldStep;
using test_support::EntryTest;
using test_support::ScreenText;
using test_support::TestField;

const std::string kExitKeys = "\r\x1b";
constexpr int kFieldCol = 17;  // column 10 plus the prompt "Total: "

class CalcFieldTest : public EntryTest {
 protected:
  KeyCode Edit(FieldRec& field, std::string& value) {
    return CalcField(field, "Total: ", value, kExitKeys);
  }
};

TEST_F(CalcFieldTest, StepsFillFromTheRight) {
  FieldRec field = TestField(1, 4, 8);
  std::string value;
  auto s = internal::StartCalcField(field, "Total: ", value, kExitKeys);
  EXPECT_EQ(value, "0") << "an empty value becomes 0 at the start";
  EXPECT_EQ(ScreenText(5, kFieldCol, 8), "       0");
  struct Step {
    KeyCode key;
    FieldStep want;
    const char* shown;
  } steps[] = {
      {"1", FieldStep::kEdited, "       1"},
      {"2", FieldStep::kEdited, "      12"},
      {".", FieldStep::kEdited, "     12."},
      {"5", FieldStep::kEdited, "    12.5"},
      {".", FieldStep::kRefused, "    12.5"},
      {"\b", FieldStep::kEdited, "     12."},
      {"\b", FieldStep::kEdited, "      12"},
      {".", FieldStep::kEdited, "     12."},
      {"\x19", FieldStep::kEdited, "       0"},
      {"0", FieldStep::kEdited, "       0"},
      {".", FieldStep::kEdited, "       ."},
      {"5", FieldStep::kEdited, "      .5"},
      {"a", FieldStep::kRefused, "      .5"},
      {ExtendedKey(scan::kDel), FieldStep::kEdited, "       ."},
      {ExtendedKey(scan::kLeft), FieldStep::kIgnored, "       ."},
      {"\x7f", FieldStep::kEdited, "       0"},
      {"\r", FieldStep::kEnded, "       0"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE("key " + std::to_string(static_cast<unsigned char>(step.key.back())));
    EXPECT_EQ(internal::StepCalcField(s, step.key), step.want);
    EXPECT_EQ(s.text, step.shown);
    EXPECT_EQ(ScreenText(5, kFieldCol, 8), step.shown);
  }
  EXPECT_EQ(console->Beeps(), 2);
}

TEST_F(CalcFieldTest, KeysAndResults) {
  struct Case {
    const char* what;
    std::uint8_t length;
    const char* value;
    const char* keys;
    const char* want;
    int wantChanged, wantBeeps;
  } cases[] = {
      {"the text is stored with its leading spaces", 8, "", "1 2 Enter", "      12", -1, 0},
      {"leading zeros become blanks", 8, "", "0 0 7 Enter", "       7", -1, 0},
      {"a full field refuses", 3, "", "1 2 3 4 Enter", "123", -1, 1},
      {"the first key starts a new number", 8, "345", "9 Enter", "       9", -1, 0},
      {"the first key may be a point", 8, "3.5", ". 2 5 Enter", "     .25", -1, 0},
      {"a value with blanks around it", 8, "  12  ", "Enter", "      12", 0, 0},
      {"unchanged", 8, "12.5", "Esc", "    12.5", 0, 0},
      {"Ctrl-Backspace", 8, "12.5", "7 Ctrl+Backspace Enter", "    12.5", 0, 0},
      {"a one-cell field", 1, "", "5 6 Enter", "5", -1, 1},
      {"a too long value keeps its last digits", 3, "12345", "Enter", "345", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto& fresh = UseHeadlessConsole();
    FieldRec field = TestField(1, 4, c.length);
    std::string value = c.value;
    fresh.QueueKeys(c.keys);
    Edit(field, value);
    EXPECT_EQ(value, c.want);
    EXPECT_EQ(field.Changed, c.wantChanged);
    EXPECT_EQ(fresh.Beeps(), c.wantBeeps);
  }
}

TEST_F(CalcFieldTest, CursorStaysOnTheLastCellWithItsHeight) {
  FieldRec field = TestField(1, 4, 8);
  std::string value = "42";
  SetCursor(50);
  console->QueueKeys("1");
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, value); }));
  EXPECT_TRUE(watcher->cursorVisible);
  EXPECT_EQ(watcher->cursorHeight, 50);
  EXPECT_EQ(watcher->cursorCol, kFieldCol + 7);
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x0B);

  console->QueueKeys("Esc");
  EXPECT_EQ(Edit(field, value), "\x1b");
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x74);
  ShowScreen();
  EXPECT_FALSE(watcher->cursorVisible);
}

TEST_F(CalcFieldTest, ModeZeroOnlyDraws) {
  FieldRec field = TestField(1, 0, 6);
  std::string value;
  EXPECT_EQ(Edit(field, value), "\r");
  EXPECT_EQ(value, "0");
  EXPECT_EQ(ScreenText(5, 10, 13), "Total:      0");
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x74);
}

}  // namespace
}  // namespace tarvana
