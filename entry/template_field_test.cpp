// TemplateField, DrawTemplate and LastSlot: blank templates, slot movement
// over the literals, the limits of each mode and the Changed values.

#include "entry/template_field.h"

#include <gtest/gtest.h>

#include "entry/entry_test_support.h"
#include "entry/template_field_state.h"

namespace tarvana {
namespace {

using internal::FieldStep;
using test_support::EntryTest;
using test_support::ScreenText;
using test_support::TestField;

const std::string kPhone = "(\1\1\1) \1\1\1-\1\1\1\1";
const std::string kBirthDate = "\1\1/\1\1/19\1\1";
const std::string kZip = "\1\1\1\1\1-\1\1\1\1";
const std::string kExitKeys = "\r\x1b";
constexpr int kFieldCol = 17;  // column 10 plus the prompt "Value: "

class TemplateFieldTest : public EntryTest {
 protected:
  KeyCode Edit(FieldRec& field, const std::string& templ, std::string& value) {
    return TemplateField(field, "Value: ", templ, value, kExitKeys);
  }
};

TEST(LastSlotTest, PositionOfTheLastSlot) {
  struct Case {
    std::string templ;
    int want;
  } cases[] = {
      {kPhone, 14}, {kBirthDate, 10}, {"\1", 1}, {"ab", 0}, {"", 0}, {"\12-", 1}, {"\13-", 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(LastSlot(c.templ), c.want) << c.templ.size();
}

TEST_F(TemplateFieldTest, TelephoneTemplateStartsBlankWithTheCursorOnTheFirstSlot) {
  FieldRec field = TestField(9, 6, 0);
  std::string value;
  EXPECT_TRUE(WaitsForMore([&] { Edit(field, kPhone, value); }));
  EXPECT_EQ(ScreenText(5, 10, 21), "Value: (000) 000-0000");
  EXPECT_EQ(ReadCellColor(5, 10), 0x71);
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x0B);
  EXPECT_EQ(watcher->cursorCol, kFieldCol + 1);
  EXPECT_EQ(watcher->cursorHeight, 10);
  EXPECT_EQ(value, "") << "nothing is written before the call ends";
}

TEST_F(TemplateFieldTest, StepsSkipTheLiteralsAndKeepTheLimits) {
  FieldRec field = TestField(9, 4, 0);
  auto s = internal::StartTemplateField(field, "Value: ", kPhone, "", kExitKeys);
  struct Step {
    KeyCode key;
    FieldStep want;
    int pos;
    const char* value;
  } steps[] = {
      {ExtendedKey(scan::kLeft), FieldStep::kRefused, 1, "(000) 000-0000"},
      {"5", FieldStep::kEdited, 2, "(500) 000-0000"},
      {"5", FieldStep::kEdited, 3, "(550) 000-0000"},
      {"5", FieldStep::kEdited, 6, "(555) 000-0000"},
      {"x", FieldStep::kRefused, 6, "(555) 000-0000"},
      {ExtendedKey(scan::kLeft), FieldStep::kMoved, 3, "(555) 000-0000"},
      {ExtendedKey(scan::kRight), FieldStep::kMoved, 6, "(555) 000-0000"},
      {"1", FieldStep::kEdited, 7, "(555) 100-0000"},
      {ExtendedKey(scan::kHome), FieldStep::kMoved, 1, "(555) 100-0000"},
      {ExtendedKey(scan::kDel), FieldStep::kEdited, 1, "(055) 100-0000"},
      {ExtendedKey(scan::kEnd), FieldStep::kMoved, 14, "(055) 100-0000"},
      {"9", FieldStep::kRefused, 14, "(055) 100-0000"},
      {ExtendedKey(scan::kRight), FieldStep::kRefused, 14, "(055) 100-0000"},
      {ExtendedKey(scan::kDel), FieldStep::kRefused, 14, "(055) 100-0000"},
      {ExtendedKey(scan::kLeft), FieldStep::kMoved, 13, "(055) 100-0000"},
      {"7", FieldStep::kEdited, 14, "(055) 100-0007"},
      {"\b", FieldStep::kEdited, 13, "(055) 100-0000"},
      {ExtendedKey(scan::kF1), FieldStep::kIgnored, 13, "(055) 100-0000"},
      {"\x19", FieldStep::kEdited, 1, "(000) 000-0000"},
      {"\x1b", FieldStep::kEnded, 1, "(000) 000-0000"},
  };
  int beeps = 0;
  for (const Step& step : steps) {
    SCOPED_TRACE("key " + std::to_string(static_cast<unsigned char>(step.key.back())));
    EXPECT_EQ(internal::StepTemplateField(s, step.key), step.want);
    EXPECT_EQ(s.pos, step.pos);
    EXPECT_EQ(s.value, step.value);
    if (step.want == FieldStep::kRefused) ++beeps;
  }
  EXPECT_EQ(console->Beeps(), beeps);
  EXPECT_EQ(ScreenText(5, kFieldCol, 14), "(000) 000-0000");
}

TEST_F(TemplateFieldTest, KeysAndResults) {
  struct Case {
    const char* what;
    std::string templ;
    std::uint8_t mode;
    const char* value;
    const char* keys;
    KeyCode wantKey;
    const char* want;
    int wantChanged, wantBeeps;
  } cases[] = {
      {"mode 6: the last digit ends the call", kPhone, 6, "", "5 5 5 1 2 3 4 5 6 7", "\r",
       "(555) 123-4567", 1, 0},
      {"mode 6: Right from the last slot ends it", kZip, 6, "12345-6789", "End Right", "\r",
       "12345-6789", 0, 0},
      {"mode 3: past the last slot a digit is refused", kBirthDate, 3, "", "1 2 3 1 6 5 7 Enter",
       "\r", "12/31/1965", 1, 1},
      {"mode 2: the cursor stays on the last slot", kZip, 2, "12345-6789", "End 1 2 Enter", "\r",
       "12345-6782", 1, 0},
      {"mode 5: the first character starts afresh", kZip, 5, "12345-6789", "9 Esc", "\x1b",
       "90000-0000", 1, 0},
      {"mode 6: the first character overwrites", kZip, 6, "12345-6789", "9 Esc", "\x1b",
       "92345-6789", 1, 0},
      {"Del marks the field -1", kZip, 4, "12345-6789", "Right Del Esc", "\x1b", "10345-6789", -1,
       0},
      {"Backspace at the first slot", kZip, 4, "12345-6789", "Backspace Esc", "\x1b", "12345-6789",
       0, 1},
      {"Ctrl-Y blanks everything", kZip, 4, "12345-6789", "Ctrl+Y Esc", "\x1b", "00000-0000", -1,
       0},
      {"Ctrl-Backspace brings back the value given", kZip, 4, "12345-6789",
       "1 1 Ctrl+Backspace Esc", "\x1b", "12345-6789", 0, 0},
      {"after Ctrl-Backspace the first key starts afresh again", kZip, 5, "12345-6789",
       "Right Ctrl+Backspace 7 Esc", "\x1b", "70000-0000", 1, 0},
      {"letter slots blank to spaces, code 6 upper-cases", "\6\6-\5", 4, "", "a b c Enter", "\r",
       "AB-c", 1, 0},
      {"a yes-no slot", "\12", 4, "", "x y Enter", "\r", "y", 1, 1},
      {"a short value is completed from the blank template", kZip, 4, "123", "Esc", "\x1b",
       "12300-0000", 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto& fresh = UseHeadlessConsole();
    FieldRec field = TestField(9, c.mode, 0);
    field.Changed = 7;
    std::string value = c.value;
    fresh.QueueKeys(c.keys);
    fresh.QueueKeys("q");
    EXPECT_EQ(Edit(field, c.templ, value), c.wantKey);
    EXPECT_EQ(value, c.want);
    EXPECT_EQ(field.Changed, c.wantChanged);
    EXPECT_EQ(fresh.Beeps(), c.wantBeeps);
    EXPECT_EQ(InKey(), "q");
  }
}

TEST_F(TemplateFieldTest, EndsInTheNormalColourWithTheCursorHidden) {
  FieldRec field = TestField(9, 6, 0);
  std::string value;
  SetMouse(mouse::kLeft, mouse::kReleased);
  SetMouse(true);
  console->QueueClick(5, kFieldCol + 4);
  console->QueueKeys("5 Esc");
  EXPECT_EQ(Edit(field, kPhone, value), "\x1b");
  EXPECT_EQ(value, "(500) 000-0000") << "the click did not move the cursor";
  EXPECT_EQ(ScreenText(5, kFieldCol, 14), "(500) 000-0000");
  EXPECT_EQ(ReadCellColor(5, kFieldCol), 0x74);
  ShowScreen();
  EXPECT_FALSE(watcher->cursorVisible);
}

TEST_F(TemplateFieldTest, ModeZeroAndTemplatesWithoutSlotsOnlyDraw) {
  struct Case {
    const char* what;
    std::string templ;
    std::uint8_t mode;
    const char* shown;
  } cases[] = {
      {"mode 0", kZip, 0, "00000-0000"},
      {"no slots", "N/A", 4, "N/A"},
      {"empty template", "", 4, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    UseHeadlessConsole();
    FieldRec field = TestField(9, c.mode, 0);
    std::string value;
    EXPECT_EQ(Edit(field, c.templ, value), "\r");
    EXPECT_EQ(value, "");
    EXPECT_EQ(ScreenText(5, kFieldCol, static_cast<int>(c.templ.size())), c.shown);
  }
}

TEST_F(TemplateFieldTest, DrawTemplateFitsTheValueAndUsesTheCurrentColour) {
  struct Case {
    std::string value;
    const char* fitted;
    const char* shown;
  } cases[] = {
      {"", "(000) 000-0000", "(000) 000-0000"},
      {"(555) 123-4567", "(555) 123-4567", "(555) 123-4567"},
      {"x555y 123z4567", "x555y 123z4567", "(555) 123-4567"},
      {"(55", "(55", "(550) 000-0000"},
      {"(555) 123-4567 and more", "(555) 123-4567", "(555) 123-4567"},
  };
  const FieldRec field = TestField(9, 4, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    SetColor(14, 1);
    std::string value = c.value;
    DrawTemplate(field, 30, kPhone, value);
    EXPECT_EQ(value.substr(0, std::string(c.fitted).size()), c.fitted);
    EXPECT_EQ(value.size(), kPhone.size());
    EXPECT_EQ(ScreenText(5, 30, 14), c.shown);
    EXPECT_EQ(ReadCellColor(5, 30), 0x1E);
  }
}

}  // namespace
}  // namespace tarvana
