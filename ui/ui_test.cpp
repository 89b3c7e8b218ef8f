// The modern layer driven by queued keys and clicks on the headless console.

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/screen_save.h"
#include "datetime/dates.h"
#include "testing/headless_test_support.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/lists.h"
#include "ui/menus.h"
#include "ui/popup.h"
#include "ui/text.h"

namespace tarvana::ui {
namespace {

using tarvana::test_support::EnableClicks;
using tarvana::test_support::HeadlessTest;
using tarvana::test_support::RowText;
using tarvana::test_support::RowUtf8;
using tarvana::test_support::ScreenText;

class UiTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    SetColor(7, 0);
    ClearScreen();
    EnableClicks();
    before = SaveScreen();
  }
  // The screen is as it was before the routine ran.
  void ExpectScreenRestored() { EXPECT_TRUE(SaveScreen().Cells() == before.Cells()); }
  ScreenSave before;
};

const std::vector<MenuEntry> kEntries = {
    {"Open", 'O', "Open a file"}, {"Save", 'S', "Save the file", false}, {"Quit", 'Q', "Leave"}};

TEST_F(UiTest, MenuAnswersClicksKeysAndCancelWithZeroBasedIndices) {
  // The centred box: 5 rows by 8 columns, entries from row 12, text from column 39.
  console->QueueClick(14, 39);
  EXPECT_EQ(ShowMenu(kEntries), 2u);
  ExpectScreenRestored();
  console->QueueKeys("q");
  EXPECT_EQ(ShowMenu(kEntries), 2u);
  console->QueueKeys("Down Enter");  // passes over the disabled entry
  EXPECT_EQ(ShowMenu(kEntries), 2u);
  console->QueueKeys("Esc");
  EXPECT_EQ(ShowMenu(kEntries), std::nullopt);
  console->QueueKeys("Enter");
  EXPECT_EQ(ShowMenuBar(kEntries), 0u);
  console->QueueKeys("q");
  EXPECT_EQ(ShowMenu({{"Open", 'O'}, {"Quit", 'Q'}}), 1u);  // a braced list
  ExpectScreenRestored();
}

TEST_F(UiTest, ArgumentsThatCanNeverWorkThrowNamingTheArgument) {
  const std::vector<MenuEntry> wrongKey = {{"Open", 'x'}};
  const std::vector<MenuEntry> noneEnabled = {{"Open", 'O', "", false}};
  const std::vector<std::string> none;
  const std::vector<std::string> sameLetter = {"Yes", "yes"};
  const std::vector<FormField> noPattern = {{"Code", FieldKind::kTemplate}};
  const std::vector<FormField> nowhereToType = {{"Code", FieldKind::kTemplate, 0, "", "x-y"}};
  const std::vector<FormField> editorCode = {{"Code", FieldKind::kTemplate, 0, "", "##\t##"}};
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* named;
  } cases[] = {
      {"hot key", [&] { ShowMenu(wrongKey); }, "entries[0].hotKey"},
      {"nothing enabled", [&] { ShowMenu(noneEnabled); }, "no enabled entry"},
      {"initial", [&] { ShowMenu(kEntries, {.initial = 3}); }, "options.initial"},
      {"no items", [&] { PickOne(none); }, "items is empty"},
      {"answers", [&] { Ask("?", sameLetter); }, "answers[1]"},
      {"pattern", [&] { FillForm(noPattern); }, "fields[0].pattern"},
      {"nowhere to type", [&] { FillForm(nowhereToType); }, "fields[0].pattern has no"},
      {"editor's code", [&] { FillForm(editorCode); }, "fields[0].pattern holds a control"},
      {"too big", [&] { Popup(30, 10); }, "does not fit"},
  };
  for (const Case& c : cases) {
    try {
      c.call();
      ADD_FAILURE() << c.what << ": no exception";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(c.named), std::string::npos)
          << c.what << ": " << e.what();
    }
  }
  ExpectScreenRestored();
}

TEST_F(UiTest, PickListsWorkOnAnyRangeOfStrings) {
  const std::vector<std::string> animals = {"Zebra", "Ant", "Moose", "Cat"};
  console->QueueKeys("Down Enter");
  EXPECT_EQ(PickOne(animals, {.order = SortOrder::kAscending}), 3u);  // Ant, Cat
  const std::string fixed[] = {"One", "Two", "Three"};
  console->QueueKeys("Space Down Space Down Space Enter");
  const std::size_t marked[] = {0};
  EXPECT_EQ(PickMany(fixed, marked), (std::vector<std::size_t>{1, 2}));
  ExpectScreenRestored();
}

TEST_F(UiTest, ChecklistsToggleWithSpaceAndEndWithEnterOrEsc) {
  const struct {
    const char* keys;
    std::optional<std::vector<std::size_t>> result;
  } cases[] = {
      {"Enter", std::vector<std::size_t>{2}},                 // the marks given
      {"Space Enter", std::vector<std::size_t>{0, 2}},        // Space marks in place
      {"Down Down Space Enter", std::vector<std::size_t>{}},  // and unmarks
      {"Space Space Space Enter", std::vector<std::size_t>{0, 2}},
      {"Down Space Esc", std::nullopt},  // Esc cancels
  };
  for (const auto& c : cases) {
    console->QueueKeys(c.keys);
    EXPECT_EQ(PickMany({"One", "Two", "Three"}, {2}), c.result) << c.keys;
  }
  // A click on a row marks its item; the highlight goes with it.
  console->QueueClick(7, 12);
  console->QueueKeys("Space Enter");
  EXPECT_EQ(PickMany({"One", "Two", "Three"}, {2}, {.row = 5, .col = 10}),
            (std::vector<std::size_t>{2}));
  ExpectScreenRestored();
}

TEST_F(UiTest, ListsStartOnTheItemAsked) {
  const std::vector<std::string> numbers = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
  const struct {
    std::size_t highlighted;
    SortOrder order;
    const char* keys;
    std::size_t chosen;
  } cases[] = {
      {0, SortOrder::kAsGiven, "Enter", 0},
      {6, SortOrder::kAsGiven, "Enter", 6},
      {9, SortOrder::kAsGiven, "Up Enter", 8},      // past the first page
      {9, SortOrder::kAscending, "Down Enter", 1},  // "10" sorts second: "2" follows it
  };
  for (const auto& c : cases) {
    console->QueueKeys(c.keys);
    EXPECT_EQ(PickOne(numbers, {.rows = 4, .order = c.order, .highlighted = c.highlighted}),
              c.chosen)
        << c.highlighted << " " << c.keys;
  }
  EXPECT_THROW(PickOne(numbers, {.highlighted = 10}), std::invalid_argument);
  ExpectScreenRestored();
}

TEST_F(UiTest, FormKeepsARefusedFieldOpenWithItsMessageUntilItPasses) {
  std::vector<std::string> seen;
  std::string messageRow;
  std::vector<FormField> fields = {
      {.label = "Name", .width = 10},
      {.label = "Born", .kind = FieldKind::kDate, .validator = [&](const std::string& v) {
         seen.push_back(v);
         if (seen.size() == 2) messageRow = RowText(14);  // the form is 4 rows from row 11
         return DaysBetween(v, "05-15-2004") > 0 ? "" : "The date must be in the past";
       }}};
  // 13-45-2000 is no date; 12-31-2030 is refused by the validator.
  console->QueueText("Ann\r13452000\r");
  console->QueueKeys("Ctrl+Y");
  console->QueueText("12312030\r");
  console->QueueKeys("Ctrl+Y");
  console->QueueText("01011990\r");
  const auto values = FillForm(fields, {.title = "Person"});
  ASSERT_TRUE(values.has_value());
  EXPECT_EQ(*values, (std::vector<std::string>{"Ann", "01-01-1990"}));
  EXPECT_EQ(seen, (std::vector<std::string>{"12-31-2030", "01-01-1990", "01-01-1990"}));
  EXPECT_NE(messageRow.find("The date must be in the past"), std::string::npos) << messageRow;
  ExpectScreenRestored();
  console->QueueKeys("Esc");
  EXPECT_EQ(FillForm(fields), std::nullopt);
}

TEST_F(UiTest, FormMessagesAreShownWholeOverAsManyRowsAsTheyNeed) {
  // One field: the form's frame is columns 20 to 60 from its top row, the
  // message rows start 3 rows below and hold 37 cells from column 22. A form
  // grown past the screen's last row moves up.
  const struct {
    FieldKind kind;
    const char* refused;  // typed first
    const char* message;  // the validator's message for it
    const char* passed;   // typed after Ctrl+Y
    std::vector<std::string> rows;
    int row = 0;
    int top = 11;
  } cases[] = {
      {FieldKind::kDate, "13452000", "", "01011990", {"Not a date: enter it as MM-DD-YYYY"}},
      {FieldKind::kText,
       "a",
       "The name must be given as it is written in the passport, with every given name",
       "b",
       {"The name must be given as it is", "written in the passport, with every", "given name"}},
      {FieldKind::kText,
       "a",
       "Bad: ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcdefghij",
       "b",
       {"Bad:", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789a", "bcdefghij"}},
      {FieldKind::kText, "a", "First line\nsecond line", "b", {"First line", "second line"}},
      {FieldKind::kText,
       "a",
       "The name must be given as it is written in the passport, with every given name",
       "b",
       {"The name must be given as it is", "written in the passport, with every", "given name"},
       20,
       19},
  };
  for (const auto& c : cases) {
    std::vector<std::string> rows;
    std::string fieldRow;
    const std::vector<FormField> fields = {
        {.label = "Field", .kind = c.kind, .validator = [&](const std::string& v) {
           if (v == c.refused) return std::string(c.message);
           if (!rows.empty()) return std::string();  // finishing checks the field again
           fieldRow = ScreenText(c.top + 1, 22, 5);
           for (int row = c.top + 3; ReadCell(row, 20) == 0xB3; ++row) {
             std::string text = ScreenText(row, 22, 37);
             rows.push_back(text.erase(text.find_last_not_of(' ') + 1));
           }
           return std::string();
         }}};
    console->QueueText(std::string(c.refused) + "\r");
    console->QueueKeys("Ctrl+Y");
    console->QueueText(std::string(c.passed) + "\r");
    EXPECT_TRUE(FillForm(fields, {.row = c.row}).has_value()) << c.message;
    EXPECT_EQ(rows, c.rows) << c.message;
    EXPECT_EQ(fieldRow, "Field") << c.message << ": the field stays in its place";
    ExpectScreenRestored();
  }
}

TEST_F(UiTest, UnicodeTextIsShownOneCellPerCharacterAndPopupsRestoreTheScreenOnExceptions) {
  Print(2, 1, "Zoë → 5 €", 0x07);
  EXPECT_EQ(RowUtf8(2), "Zoë → 5 €");
  before = SaveScreen();
  try {
    Popup popup(3, 20, "Working", schemes::kGrey);
    popup.Print(1, 2, "café");
    EXPECT_NE(RowUtf8(popup.Top() + 1).find("café"), std::string::npos);
    throw std::runtime_error("failed");
  } catch (const std::runtime_error&) {
  }
  ExpectScreenRestored();
  // A pattern character of any script is shown as it is and is no typing place.
  console->QueueText("12\r");
  EXPECT_EQ(FillForm(std::vector<FormField>{{"Code", FieldKind::kTemplate, 0, "", "漢##"}}),
            (std::vector<std::string>{"漢12"}));
}

TEST_F(UiTest, AskAnswersByFirstLetterAndEscIsNothing) {
  const std::string answers[] = {"Retry", "Cancel"};
  console->QueueKeys("c");
  EXPECT_EQ(Ask("The disk is full.", answers), 1u);
  console->QueueKeys("Esc");
  EXPECT_FALSE(Confirm("Leave?"));
  ExpectScreenRestored();
}

TEST_F(UiTest, WithoutATitleTheTopFrameIsWhole) {
  const std::vector<std::string> items = {"one", "two"};
  const std::function<void()> opens[] = {
      [] { Confirm("Leave?"); },
      [&] { PickOne(items); },
      [] { ShowMenu(kEntries); },
      [] {
        Popup popup(2, 10);
        WaitKey();
      },
  };
  for (const auto& open : opens) {
    console = &UseHeadlessConsole(80, 25);
    int top = 0;
    console->OnExhausted([&] {
      for (top = 1; top <= 25 && ReadCell(top, 40) != 0xC4; ++top) {
      }
      // A title's place would show as the frame line broken by blanks.
      EXPECT_EQ(RowText(top).find("\xC4 "), std::string::npos) << RowText(top);
    });
    EXPECT_THROW(open(), HeadlessInputExhausted);
    EXPECT_LE(top, 25);
  }
}

}  // namespace
}  // namespace tarvana::ui
