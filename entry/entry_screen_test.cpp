// EntryScreen: drawing a form, moving around it, the Changed flags and the
// keys that end it.

#include "entry/entry_screen.h"

#include <gtest/gtest.h>

#include "entry/entry_navigation.h"
#include "entry/entry_test_support.h"

namespace tarvana {
namespace {

using internal::EntryMove;
using test_support::EntryTest;
using test_support::RowText;
using test_support::ScreenText;

const std::string kEsc = "\x1b";
const std::string kF10 = ExtendedKey(scan::kF10);

// A name-and-address form indexed from `lower`: a label, six text fields and
// two template fields.
struct Form {
  explicit Form(int lower = 1)
      : fields(lower, lower + 7),
        prompts(lower, lower + 7),
        values(lower, lower + 7),
        templates(lower, lower + 7),
        first(lower) {
    Add(0, "Enter your name, address, and phone number.", 9, 3, 0, 255, 4);
    Add(1, "First Name: ", 11, 3, 10, 8, 4);
    Add(2, "Last Name: ", 12, 3, 15, 8, 4);
    Add(3, "Address: ", 13, 3, 30, 8, 4);
    Add(4, "City: ", 14, 3, 20, 8, 4);
    Add(5, "State: ", 14, 31, 2, 6, 6);
    Add(6, "Zip Code: ", 14, 42, 0, 9, 6);
    Add(7, "Phone Number: ", 15, 3, 0, 9, 6);
    templates[lower + 6] = "\1\1\1\1\1-\1\1\1\1";
    templates[lower + 7] = "(\1\1\1) \1\1\1-\1\1\1\1";
  }
  void Add(int offset, const char* prompt, int row, int col, int length, int type, int mode) {
    FieldRec& f = fields[first + offset];
    f.Row = static_cast<std::uint8_t>(row);
    f.Col = static_cast<std::uint8_t>(col);
    f.Length = static_cast<std::uint8_t>(length);
    f.FieldType = static_cast<std::uint8_t>(type);
    f.EditMode = static_cast<std::uint8_t>(mode);
    f.PromptColor = 113;
    f.NormalColor = 116;
    f.EditColor = 11;
    prompts[first + offset] = prompt;
  }
  KeyCode Run(std::int16_t showFirst = 0) {
    return EntryScreen(fields, prompts, values, templates, current, kEsc + kF10, showFirst,
                       insertMode, anyChanged);
  }
  BasedArray<FieldRec> fields;
  BasedArray<std::string> prompts, values, templates;
  int first;
  std::int16_t current = 2, insertMode = -1, anyChanged = 0;
};

class EntryScreenTest : public EntryTest {};

TEST_F(EntryScreenTest, DisplayOnlyFieldsArePassedOver) {
  Form form;
  form.fields[4].FieldType = 0;
  std::int16_t current = 3;
  internal::StepEntryScreen(form.fields, current, "\r");
  EXPECT_EQ(current, 5);
  internal::StepEntryScreen(form.fields, current, ExtendedKey(scan::kUp));
  EXPECT_EQ(current, 3);
  EXPECT_EQ(internal::StepEntryScreen(form.fields, current, ExtendedKey(scan::kPgDn)),
            EntryMove::kEnded);
  EXPECT_EQ(current, 3);
}

TEST_F(EntryScreenTest, AFieldInModeZeroSendsTheFormOnward) {
  struct Case {
    const char* keys;
    int want;
  } cases[] = {{"Enter Esc", 4}, {"Enter Up Esc", 4}, {"Enter Up Up Esc", 4}};
  for (const Case& c : cases) {
    auto& fresh = UseHeadlessConsole();
    Form form;
    form.values[3] = "Lee";
    form.fields[3].EditMode = 0;
    fresh.QueueKeys(c.keys);
    EXPECT_EQ(form.Run(), kEsc) << c.keys;
    EXPECT_EQ(form.current, c.want) << c.keys;
    EXPECT_EQ(ScreenText(12, 14, 3), "Lee") << c.keys;
  }
}

TEST_F(EntryScreenTest, DrawsEveryFieldFirst) {
  Form form;
  form.values[2] = "Ann";
  form.fields[2].Changed = -1;
  EXPECT_TRUE(WaitsForMore([&] { form.Run(-1); }));
  EXPECT_EQ(RowText(9), "  Enter your name, address, and phone number.");
  EXPECT_EQ(ReadCellColor(9, 3), 113);
  EXPECT_EQ(ScreenText(11, 3, 22), "First Name: Ann       ");
  EXPECT_EQ(ReadCellColor(11, 15), 11) << "First Name is being edited";
  EXPECT_EQ(ReadCellColor(12, 14), 116) << "Last Name is drawn in its normal colour";
  EXPECT_EQ(ScreenText(14, 42, 20), "Zip Code: 00000-0000");
  EXPECT_EQ(ScreenText(15, 3, 28), "Phone Number: (000) 000-0000");
  EXPECT_EQ(ReadCellColor(15, 17), 116);
  EXPECT_EQ(form.fields[2].Changed, 0) << "drawing clears the Changed flags";
  EXPECT_EQ(form.values[7], "") << "drawing writes no values";
  EXPECT_EQ(watcher->cursorRow, 11);
  EXPECT_EQ(watcher->cursorCol, 15);
}

TEST_F(EntryScreenTest, MovesAroundTheFormWithWrapAround) {
  struct Case {
    const char* keys;
    int want;
  } cases[] = {
      {"Up Esc", 8},      {"Up Down Esc", 2},        {"Shift+Tab Esc", 8},
      {"Tab Tab Esc", 4}, {"Enter Enter Up Esc", 3}, {"Down Down Down Down Esc", 6},
  };
  for (const Case& c : cases) {
    auto& fresh = UseHeadlessConsole();
    Form form;
    fresh.QueueKeys(c.keys);
    EXPECT_EQ(form.Run(), kEsc) << c.keys;
    EXPECT_EQ(form.current, c.want) << c.keys;
    EXPECT_EQ(form.anyChanged, 0) << c.keys;
  }
}

TEST_F(EntryScreenTest, TypedTextIsStoredForEveryEndingKey) {
  Form form;
  console->QueueKeys("A n n Tab L e e Down");
  console->QueueText("Main St");
  console->QueueKeys("F10");
  EXPECT_EQ(form.Run(), kF10);
  EXPECT_EQ(form.current, 4);
  EXPECT_EQ(form.values[2], "Ann");
  EXPECT_EQ(form.values[3], "Lee");
  EXPECT_EQ(form.values[4], "Main St");
  EXPECT_EQ(form.anyChanged, -1);
  EXPECT_EQ(ReadCellColor(13, 12), 116) << "the last field is left in its normal colour";
}

TEST_F(EntryScreenTest, FullFieldsMoveOnByThemselves) {
  Form form;
  form.current = 6;
  console->QueueKeys("n y 1 2 3 4 5 6 7 8 9");
  EXPECT_TRUE(WaitsForMore([&] { form.Run(); }));
  EXPECT_EQ(form.current, 8);
  EXPECT_EQ(form.values[6], "NY");
  EXPECT_EQ(form.values[7], "12345-6789");
  EXPECT_EQ(watcher->cursorRow, 15);
  EXPECT_EQ(watcher->cursorCol, 18);
}

TEST_F(EntryScreenTest, ChangedIsKeptAcrossVisits) {
  Form form;
  console->QueueKeys("x Tab");
  console->QueueKeys("Esc");
  EXPECT_EQ(form.Run(), kEsc);
  EXPECT_EQ(form.fields[2].Changed, -1);
  EXPECT_EQ(form.current, 3);

  form.current = 2;
  form.anyChanged = 0;
  console->QueueKeys("Tab Esc");
  EXPECT_EQ(form.Run(), kEsc);
  EXPECT_EQ(form.fields[2].Changed, -1) << "a field changed on an earlier visit stays changed";
  EXPECT_EQ(form.anyChanged, -1);
  EXPECT_EQ(form.fields[3].Changed, 0);

  form.current = 2;
  form.anyChanged = 0;
  console->QueueKeys("Tab Esc");
  EXPECT_EQ(form.Run(-1), kEsc);
  EXPECT_EQ(form.fields[2].Changed, 0) << "drawing first starts the flags afresh";
  EXPECT_EQ(form.anyChanged, 0);
}

TEST_F(EntryScreenTest, ExitOnChange) {
  Form form;
  form.fields[3].ExitOnChange = -1;
  console->QueueKeys("Tab Tab Esc");
  EXPECT_EQ(form.Run(), kEsc) << "an unchanged field is left normally";
  EXPECT_EQ(form.current, 4);

  form.current = 3;
  console->QueueKeys("x Enter");
  EXPECT_EQ(form.Run(), "\xFE");
  EXPECT_EQ(form.current, 3) << "the form ends on the changed field";
  EXPECT_EQ(form.values[3], "x");
  EXPECT_EQ(form.anyChanged, -1);
}

TEST_F(EntryScreenTest, StopMarkerEndsTheForm) {
  Form form;
  form.fields[5].FieldType = 254;
  console->QueueKeys("Enter Enter Enter");
  EXPECT_EQ(form.Run(), "\xFF");
  EXPECT_EQ(form.current, 5);

  form.current = 5;
  EXPECT_EQ(form.Run(), "\xFF") << "a form that starts on the marker ends at once";
}

TEST_F(EntryScreenTest, InsertModeCarriesFromFieldToField) {
  Form form;
  form.values[3] = "bc";
  console->QueueKeys("Ins Tab a Esc");
  EXPECT_EQ(form.Run(), kEsc);
  EXPECT_EQ(form.values[3], "ac") << "overwrite mode in the next field";
  EXPECT_EQ(form.insertMode, 0) << "and back at the caller";
}

TEST_F(EntryScreenTest, AnyLowerBound) {
  Form form(-3);
  form.current = -2;
  console->QueueKeys("Up a Tab b Esc");
  EXPECT_EQ(form.Run(), kEsc);
  EXPECT_EQ(form.current, -2);
  EXPECT_EQ(form.values[4], "(000) 000-0000") << "the letter was refused in the phone number";
  EXPECT_EQ(form.values[-2], "b");

  Form other(0);
  other.current = 99;
  console->QueueKeys("z Esc");
  EXPECT_EQ(other.Run(), kEsc);
  EXPECT_EQ(other.current, 1) << "a current outside the range starts on the first field";
  EXPECT_EQ(other.values[1], "z");
}

TEST_F(EntryScreenTest, FormsThatCannotWorkReturnAtOnce) {
  {
    Form form;
    BasedArray<std::string> shortValues(1, 5);
    std::int16_t current = 2, insert = 0, any = 0;
    EXPECT_EQ(EntryScreen(form.fields, form.prompts, shortValues, form.templates, current, kEsc, 0,
                          insert, any),
              "");
  }
  {
    Form form;
    for (FieldRec& f : form.fields)
      f.FieldType = 255;
    EXPECT_EQ(form.Run(-1), "") << "only labels";
  }
  {
    Form form;
    for (FieldRec& f : form.fields)
      f.EditMode = 0;
    EXPECT_EQ(form.Run(), "") << "nothing but display-only fields";
  }
  {
    Form form;
    form.fields[4].Col = 75;  // "City: " and 20 cells pass column 80
    std::vector<Cell> before, after;
    ReadScreenBlock(before);
    console->QueueKeys("Esc");
    EXPECT_EQ(form.Run(-1), "") << "a field off the screen";
    ReadScreenBlock(after);
    EXPECT_TRUE(after == before) << "nothing drawn";
    EXPECT_EQ(InKey(), kEsc) << "no key read";
  }
  {
    Form form(40000);  // numbers past the 16-bit current
    form.current = 1;
    console->QueueKeys("Esc");
    EXPECT_EQ(form.Run(-1), "") << "field numbers past 16 bits";
    EXPECT_EQ(InKey(), kEsc) << "no key read";
  }
  {
    Form form;
    BasedArray<FieldRec> none;
    EXPECT_EQ(EntryScreen(none, form.prompts, form.values, form.templates, form.current, kEsc, -1,
                          form.insertMode, form.anyChanged),
              "");
  }
}

}  // namespace
}  // namespace tarvana
